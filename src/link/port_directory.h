#pragma once

#include <QString>
#include <array>
#include <optional>

namespace vt {

// Where a port number leads: a serial device, or a controller reached over Modbus TCP.
struct PortEndpoint {
    QString device;   // serial device path; empty for a TCP port
    QString host;     // host name or address of the Modbus TCP server; empty for a serial port
    int tcpPort = 0;  // its TCP port
    bool isTcp() const { return !host.isEmpty(); }
};

// Port numbers 1..20 as the operator picks them, and what stands behind each one. Without an
// override port N is the serial device /dev/ttyUSB<N-1>; an override names another device or,
// as tcp://HOST[:PORT], a Modbus TCP server (port 502 unless given).
class PortDirectory {
  public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 20;
    static constexpr int kDefaultTcpPort = 502;

    struct Override {
        int port = 0;
        QString device;  // a device path, or tcp://HOST:PORT
    };

    // Parses the value of one `--port N=DEVICE` or `--port N=tcp://HOST[:PORT]` argument;
    // nullopt when N is not 1..20, the device is empty or the TCP address is not valid.
    static std::optional<Override> ParseOverride(const QString& argument);

    // The Modbus TCP server a tcp://HOST[:PORT] text names, as tcp://HOST:PORT with the port
    // filled in; nullopt for any other text.
    static std::optional<QString> NormalisedTcpAddress(const QString& text);

    // What stands behind a port number, as the operator reads it: the device path, or
    // tcp://HOST:PORT. Empty for a number outside 1..20.
    QString devicePath(int port) const;

    // The same, taken apart for opening the port.
    PortEndpoint endpoint(int port) const;

    // Whether the serial device of a port exists at this moment; false for a TCP port.
    bool deviceExists(int port) const;

    // Replaces the device of a port; ignored for a number outside 1..20.
    void setDevice(int port, const QString& device);

  private:
    static bool IsValid(int port) { return port >= kFirstPort && port <= kLastPort; }

    std::array<QString, kLastPort + 1> m_overrides;
};

}  // namespace vt
