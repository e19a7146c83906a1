#include "modbus_master.h"

#include <modbus.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/select.h>

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cerrno>
#include <utility>

#include "link_logging.h"
#include "wire_timing.h"

namespace vt {

namespace {

constexpr int kRequestBytes = 8;     // every request of the station: address .. CRC
constexpr int kAnswerOverhead = 5;   // address, function, byte count, CRC
constexpr int kEchoAnswerBytes = 8;  // single register or coil write
constexpr int kExceptionBytes = 5;
constexpr std::int32_t kLastNumber = 65536;
constexpr int kMaxDrainRounds = 8;

// How long a Modbus TCP request waits for its answer: the serial rate behind a device server is
// not known here, and 0.5 s covers its turnaround and any block the station reads.
constexpr std::chrono::microseconds kTcpResponseBudget{500'000};
// Silence that ends the draining after a failed TCP request. Short: an answer that comes later
// still cannot be taken for the next one, as it carries another transaction identifier.
constexpr std::chrono::microseconds kTcpDrainQuiet{50'000};

bool ValidSlave(std::int32_t slave) { return slave >= 1 && slave <= 247; }

bool ValidRange(std::int32_t first, std::int32_t count) {
    return first >= 1 && count >= 1 && first <= kLastNumber - count + 1;
}

char ParityLetter(std::int32_t parityCode) {
    static constexpr std::array<char, 3> kLetters = {'N', 'O', 'E'};
    return kLetters[static_cast<std::size_t>(parityCode)];
}

// Why a port could not be opened, from the error of the open or connect call.
LinkFailure OpenFailure(int error) {
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
        case ENOTDIR:
            return LinkFailure::NoDevice;
        case EACCES:
        case EPERM:
            return LinkFailure::PermissionDenied;
        case EBUSY:  // another program opened the terminal exclusively
            return LinkFailure::PortBusy;
        default:
            return LinkFailure::CannotOpen;
    }
}

// Errors after which an open port is of no more use: the device went away or the connection
// was closed. A time-out or a broken frame is not one of them.
bool PortGone(int error) {
    switch (error) {
        case EIO:
        case ENXIO:
        case ENODEV:
        case EBADF:
        case EPIPE:
        case ECONNRESET:
        case ECONNABORTED:
        case ENOTCONN:
        case ESHUTDOWN:
        case ENETDOWN:
            return true;
        default:
            return false;
    }
}

modbus_t* NewContext(const PortEndpoint& where, int baud, std::int32_t parityCode) {
    if (where.isTcp()) {
        return modbus_new_tcp_pi(where.host.toLocal8Bit().constData(),
                                 QByteArray::number(where.tcpPort).constData());
    }
    return modbus_new_rtu(where.device.toLocal8Bit().constData(), baud, ParityLetter(parityCode), 8,
                          1);
}

// Holds an open serial port for this station alone: no other program may open the terminal
// (TIOCEXCL, which root passes) and no other station may lock it (flock, which binds root too).
// False when another holder has it locked.
bool HoldExclusively(modbus_t* context) {
    const int fd = modbus_get_socket(context);
    if (flock(fd, LOCK_EX | LOCK_NB) == -1 && errno == EWOULDBLOCK) return false;
    ioctl(fd, TIOCEXCL);
    return true;
}

// Gives the terminal back to everybody before the port closes.
void ReleaseExclusive(modbus_t* context) {
    const int fd = modbus_get_socket(context);
    if (fd >= 0) ioctl(fd, TIOCNXCL);
}

timeval ToTimeval(std::chrono::microseconds span) {
    const auto micros = span.count();
    return timeval{static_cast<time_t>(micros / 1'000'000),
                   static_cast<suseconds_t>(micros % 1'000'000)};
}

// Discards whatever the line delivers until it has been silent for `quiet`, so that a late or
// broken answer cannot be taken for the answer to the next request.
void DrainLine(modbus_t* context, std::chrono::microseconds quiet) {
    const int fd = modbus_get_socket(context);
    for (int round = 0; round < kMaxDrainRounds && fd >= 0; ++round) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait = ToTimeval(quiet);
        if (select(fd + 1, &readable, nullptr, nullptr, &wait) <= 0) return;
        modbus_flush(context);
    }
}

}  // namespace

ModbusMaster::ModbusMaster(PortDirectory ports) : m_ports(std::move(ports)) {}

ModbusMaster::~ModbusMaster() {
    while (!m_open.empty()) closePort(m_open.begin()->first);
}

std::int32_t ModbusMaster::openPort(std::int32_t port, std::int32_t baudCode,
                                    std::int32_t parityCode) {
    const int baud = BaudRate(baudCode);
    if (baud == 0 || parityCode < 0 || parityCode > 2) {
        return finish(LinkFailure::Refused, kRefused);
    }
    closePort(port);
    const PortEndpoint where = m_ports.endpoint(port);
    if (where.device.isEmpty() && !where.isTcp()) return finish(LinkFailure::NoDevice, kNoAnswer);

    modbus_t* context = NewContext(where, baud, parityCode);
    if (context == nullptr) return finish(LinkFailure::CannotOpen, kNoAnswer);
    // No separate byte time-out: the response budget covers the complete answer.
    modbus_set_byte_timeout(context, 0, 0);
    modbus_set_debug(context, lcLinkFrames().isDebugEnabled() ? TRUE : FALSE);
    if (modbus_connect(context) == -1) {
        const int error = errno;
        modbus_free(context);
        return finish(OpenFailure(error), kNoAnswer);
    }
    if (!where.isTcp() && !HoldExclusively(context)) {
        modbus_close(context);
        modbus_free(context);
        return finish(LinkFailure::PortBusy, kNoAnswer);
    }
    m_open[port] = OpenPort{context, baudCode, parityCode, where.isTcp()};
    // A /dev/serial/by-id name is followed anew at each open, so a replugged adapter is found
    // whichever ttyUSB it became.
    qCDebug(lcLink) << "opened port" << port << m_ports.devicePath(port)
                    << QFileInfo(where.device).canonicalFilePath() << baud
                    << ParityLetter(parityCode);
    return finish(LinkFailure::None, 0);
}

std::int32_t ModbusMaster::closePort(std::int32_t port) {
    const auto it = m_open.find(port);
    if (it != m_open.end()) {
        if (!it->second.tcp) ReleaseExclusive(it->second.context);
        modbus_close(it->second.context);
        modbus_free(it->second.context);
        m_open.erase(it);
    }
    return finish(LinkFailure::None, 0);
}

std::int32_t ModbusMaster::readHolding(std::int32_t port, std::int32_t slave, std::int32_t first,
                                       std::int32_t count, std::int32_t* dest) {
    return readRegisters(true, port, slave, first, count, dest);
}

std::int32_t ModbusMaster::readInputRegisters(std::int32_t port, std::int32_t slave,
                                              std::int32_t first, std::int32_t count,
                                              std::int32_t* dest) {
    return readRegisters(false, port, slave, first, count, dest);
}

std::int32_t ModbusMaster::readDiscreteInputs(std::int32_t port, std::int32_t slave,
                                              std::int32_t first, std::int32_t* dest) {
    return readBits(false, port, slave, first, dest);
}

std::int32_t ModbusMaster::readCoils(std::int32_t port, std::int32_t slave, std::int32_t first,
                                     std::int32_t* dest) {
    return readBits(true, port, slave, first, dest);
}

std::int32_t ModbusMaster::writeHolding(std::int32_t port, std::int32_t slave, std::int32_t reg,
                                        std::int32_t value) {
    if (!ValidRange(reg, 1) || value < -32768 || value > 65535) {
        return finish(LinkFailure::Refused, kRefused);
    }
    const auto word = static_cast<std::uint16_t>(value);
    return exchange(port, slave, kEchoAnswerBytes, [&](modbus_t* context) {
        return modbus_write_register(context, reg - 1, word);
    });
}

std::int32_t ModbusMaster::setCoil(std::int32_t port, std::int32_t slave, std::int32_t coil) {
    return writeCoil(port, slave, coil, true);
}

std::int32_t ModbusMaster::resetCoil(std::int32_t port, std::int32_t slave, std::int32_t coil) {
    return writeCoil(port, slave, coil, false);
}

std::int32_t ModbusMaster::readRegisters(bool holding, std::int32_t port, std::int32_t slave,
                                         std::int32_t first, std::int32_t count,
                                         std::int32_t* dest) {
    if (dest == nullptr || count > kMaxBlockCount || !ValidRange(first, count)) {
        return finish(LinkFailure::Refused, kRefused);
    }
    std::array<std::uint16_t, kMaxBlockCount> words{};
    const std::int32_t result =
        exchange(port, slave, kAnswerOverhead + 2 * count, [&](modbus_t* context) {
            return holding ? modbus_read_registers(context, first - 1, count, words.data())
                           : modbus_read_input_registers(context, first - 1, count, words.data());
        });
    if (result < 0) return result;
    for (std::int32_t i = 0; i < count; ++i) dest[i] = static_cast<std::int16_t>(words[i]);
    return result;
}

std::int32_t ModbusMaster::readBits(bool coils, std::int32_t port, std::int32_t slave,
                                    std::int32_t first, std::int32_t* dest) {
    constexpr int kBits = 16;
    if (dest == nullptr || !ValidRange(first, kBits)) return finish(LinkFailure::Refused, kRefused);
    std::array<std::uint8_t, kBits> bits{};
    const std::int32_t result = exchange(port, slave, kAnswerOverhead + 2, [&](modbus_t* context) {
        return coils ? modbus_read_bits(context, first - 1, kBits, bits.data())
                     : modbus_read_input_bits(context, first - 1, kBits, bits.data());
    });
    if (result < 0) return result;
    std::int32_t word = 0;
    for (int k = 0; k < kBits; ++k) word |= (bits[k] != 0 ? 1 : 0) << k;
    *dest = word;
    return result;
}

std::int32_t ModbusMaster::writeCoil(std::int32_t port, std::int32_t slave, std::int32_t coil,
                                     bool on) {
    if (!ValidRange(coil, 1)) return finish(LinkFailure::Refused, kRefused);
    return exchange(port, slave, kEchoAnswerBytes, [&](modbus_t* context) {
        return modbus_write_bit(context, coil - 1, on ? TRUE : FALSE);
    });
}

// One request and its answer on an open port: the response budget is sized for this exchange,
// stale input is dropped first, and a failure is sorted into its reason.
template <typename Call>
std::int32_t ModbusMaster::exchange(std::int32_t port, std::int32_t slave, int answerBytes,
                                    Call call) {
    const auto it = m_open.find(port);
    if (it == m_open.end()) return finish(LinkFailure::PortClosed, kNoAnswer);
    if (!ValidSlave(slave)) return finish(LinkFailure::Refused, kRefused);
    modbus_t* context = it->second.context;
    const auto budget = it->second.tcp
                            ? kTcpResponseBudget
                            : ResponseBudget(kRequestBytes, std::max(answerBytes, kExceptionBytes),
                                             it->second.baudCode, it->second.parityCode);
    const timeval wait = ToTimeval(budget);
    modbus_set_slave(context, slave);
    modbus_set_response_timeout(context, static_cast<std::uint32_t>(wait.tv_sec),
                                static_cast<std::uint32_t>(wait.tv_usec));
    modbus_flush(context);
    const int rc = call(context);
    if (rc >= 0) return finish(LinkFailure::None, rc);
    return libraryFailure(errno, port, it->second.tcp ? kTcpDrainQuiet : budget);
}

std::int32_t ModbusMaster::libraryFailure(int error, std::int32_t port,
                                          std::chrono::microseconds quiet) {
    qCDebug(lcLinkFrames) << "request failed:" << modbus_strerror(error);
    if (error > MODBUS_ENOBASE && error < MODBUS_ENOBASE + MODBUS_EXCEPTION_MAX) {
        return finish(LinkFailure::Exception, -(error - MODBUS_ENOBASE));
    }
    if (error == EMBBADEXC) return finish(LinkFailure::Exception, kOtherException);
    if (PortGone(error)) {
        // The port is of no more use; whoever opened it may open it again.
        closePort(port);
        const bool vanished = !m_ports.endpoint(port).isTcp() && !m_ports.deviceExists(port);
        return finish(vanished ? LinkFailure::NoDevice : LinkFailure::PortLost, kNoAnswer);
    }
    DrainLine(m_open.at(port).context, quiet);
    return finish(LinkFailure::NoAnswer, kNoAnswer);
}

std::int32_t ModbusMaster::finish(LinkFailure reason, std::int32_t result) {
    m_lastFailure = reason;
    return result;
}

}  // namespace vt
