#pragma once

#include <modbus.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

namespace vt::sim::test {

// A plain libmodbus RTU master on a simulator's terminal, in station numbering (address =
// number - 1). Each call returns whether the answer came; error() tells why not.
class SimMaster {
  public:
    explicit SimMaster(const std::string& device, int slave = 1, int timeoutMs = 500)
        : m_ctx(modbus_new_rtu(device.c_str(), 19200, 'N', 8, 1)) {
        modbus_set_slave(m_ctx, slave);
        setTimeout(timeoutMs);
        m_connected = modbus_connect(m_ctx) == 0;
    }
    ~SimMaster() {
        modbus_close(m_ctx);
        modbus_free(m_ctx);
    }
    SimMaster(const SimMaster&) = delete;
    SimMaster& operator=(const SimMaster&) = delete;

    bool connected() const { return m_connected; }
    int error() const { return m_error; }
    modbus_t* context() { return m_ctx; }

    void setTimeout(int ms) {
        modbus_set_response_timeout(m_ctx, static_cast<uint32_t>(ms / 1000),
                                    static_cast<uint32_t>(ms % 1000) * 1000);
    }

    bool readHolding(int first, int count, std::vector<std::int16_t>& out) {
        return readRegisters(first, count, out, modbus_read_registers);
    }
    bool readInput(int first, int count, std::vector<std::int16_t>& out) {
        return readRegisters(first, count, out, modbus_read_input_registers);
    }
    bool readCoils(int first, int count, std::vector<bool>& out) {
        return readBits(first, count, out, modbus_read_bits);
    }
    bool readDiscrete(int first, int count, std::vector<bool>& out) {
        return readBits(first, count, out, modbus_read_input_bits);
    }
    bool writeRegister(int reg, int value) {
        return check(modbus_write_register(m_ctx, reg - 1, static_cast<uint16_t>(value)) == 1);
    }
    bool writeRegisters(int first, const std::vector<std::uint16_t>& values) {
        const int n = static_cast<int>(values.size());
        return check(modbus_write_registers(m_ctx, first - 1, n, values.data()) == n);
    }
    bool writeCoil(int n, bool on) { return check(modbus_write_bit(m_ctx, n - 1, on) == 1); }

    // The one holding or input register, or -99999 when no valid answer came.
    int holding(int reg) {
        std::vector<std::int16_t> v;
        return readHolding(reg, 1, v) ? v[0] : kNone;
    }
    int input(int reg) {
        std::vector<std::int16_t> v;
        return readInput(reg, 1, v) ? v[0] : kNone;
    }
    static constexpr int kNone = -99999;

  private:
    using RegisterRead = int (*)(modbus_t*, int, int, uint16_t*);
    using BitRead = int (*)(modbus_t*, int, int, uint8_t*);

    bool check(bool ok) {
        m_error = ok ? 0 : errno;
        return ok;
    }
    bool readRegisters(int first, int count, std::vector<std::int16_t>& out, RegisterRead read) {
        std::vector<std::uint16_t> raw(static_cast<std::size_t>(count));
        if (!check(read(m_ctx, first - 1, count, raw.data()) == count)) return false;
        out.assign(raw.begin(), raw.end());
        return true;
    }
    bool readBits(int first, int count, std::vector<bool>& out, BitRead read) {
        std::vector<std::uint8_t> raw(static_cast<std::size_t>(count));
        if (!check(read(m_ctx, first - 1, count, raw.data()) == count)) return false;
        out.assign(raw.begin(), raw.end());
        return true;
    }

    modbus_t* m_ctx;
    bool m_connected = false;
    int m_error = 0;
};

}  // namespace vt::sim::test
