#pragma once

#include <chrono>
#include <cstdint>
#include <map>

#include "link_job.h"
#include "port_directory.h"

struct _modbus;

namespace vt {

// Result codes of the operations below, beside kNoAnswer (no valid answer: time-out, CRC or
// framing error, port not open, not to be opened or lost):
//   >= 0            success (reads: number of registers or bits read; writes: 1; open, close: 0)
//   -1 .. -11       the controller answered with exception code 1..11
//   kOtherException an exception answer with a code outside 1..11
//   kRefused        not sent: an argument outside the protocol's range
inline constexpr std::int32_t kOtherException = -12;
inline constexpr std::int32_t kRefused = -99;

// Most registers one block read may ask for.
inline constexpr std::int32_t kMaxBlockCount = 125;

// The station's Modbus master: the nine operations of the controller library on top of
// libmodbus, with the same argument order and result conventions, over a serial port (RTU) or,
// for a port the directory names as tcp://HOST:PORT, over Modbus TCP with the slave address as
// unit identifier. Ports are kept open by their number. Station numbers count from 1 and go on
// the wire as number - 1. Register values are signed (16 bits sign-extended). A failed read
// leaves the destination untouched. A port that fails with an I/O error or whose connection
// closes is closed here; lastFailure() tells whether its device is gone. Not thread-safe: it is
// created, used and freed on the link thread only.
//
// The nine operations and the controller library's names for them: openPort OpenPort_Modbus,
// closePort ClosePort_Modbus, readHolding Get_4X_DX, readInputRegisters Get_3X_DX,
// readDiscreteInputs Get_1X_B16, readCoils Get_0X_B16, writeHolding Set_4X_D1, setCoil
// Set_0X_Bit1, resetCoil Rst_0X_Bit1.
class ModbusMaster {
  public:
    explicit ModbusMaster(PortDirectory ports);
    ~ModbusMaster();
    ModbusMaster(const ModbusMaster&) = delete;
    ModbusMaster& operator=(const ModbusMaster&) = delete;

    // Opens (or re-opens with new settings) a port: baud code 0..8, parity 0 none, 1 odd, 2 even
    // (a TCP port checks and keeps them, but they do not apply to it).
    std::int32_t openPort(std::int32_t port, std::int32_t baudCode, std::int32_t parityCode);
    std::int32_t closePort(std::int32_t port);

    // Holding (03) and input (04) registers first .. first+count-1, count 1..125.
    std::int32_t readHolding(std::int32_t port, std::int32_t slave, std::int32_t first,
                             std::int32_t count, std::int32_t* dest);
    std::int32_t readInputRegisters(std::int32_t port, std::int32_t slave, std::int32_t first,
                                    std::int32_t count, std::int32_t* dest);

    // Sixteen discrete inputs (02) or coils (01) packed into *dest, bit k = number first + k.
    std::int32_t readDiscreteInputs(std::int32_t port, std::int32_t slave, std::int32_t first,
                                    std::int32_t* dest);
    std::int32_t readCoils(std::int32_t port, std::int32_t slave, std::int32_t first,
                           std::int32_t* dest);

    // One holding register (06); value -32768..65535 (as signed or as its 16-bit pattern).
    std::int32_t writeHolding(std::int32_t port, std::int32_t slave, std::int32_t reg,
                              std::int32_t value);

    // One coil on or off (05).
    std::int32_t setCoil(std::int32_t port, std::int32_t slave, std::int32_t coil);
    std::int32_t resetCoil(std::int32_t port, std::int32_t slave, std::int32_t coil);

    // Why the last operation failed; None after a success.
    LinkFailure lastFailure() const { return m_lastFailure; }

    bool isOpen(std::int32_t port) const { return m_open.contains(port); }

  private:
    struct OpenPort {
        _modbus* context = nullptr;
        std::int32_t baudCode = 0;
        std::int32_t parityCode = 0;
        bool tcp = false;
    };

    template <typename Call>
    std::int32_t exchange(std::int32_t port, std::int32_t slave, int answerBytes, Call call);
    std::int32_t readRegisters(bool holding, std::int32_t port, std::int32_t slave,
                               std::int32_t first, std::int32_t count, std::int32_t* dest);
    std::int32_t readBits(bool coils, std::int32_t port, std::int32_t slave, std::int32_t first,
                          std::int32_t* dest);
    std::int32_t writeCoil(std::int32_t port, std::int32_t slave, std::int32_t coil, bool on);
    std::int32_t finish(LinkFailure reason, std::int32_t result);
    std::int32_t libraryFailure(int error, std::int32_t port, std::chrono::microseconds quiet);

    PortDirectory m_ports;
    std::map<std::int32_t, OpenPort> m_open;
    LinkFailure m_lastFailure = LinkFailure::None;
};

}  // namespace vt
