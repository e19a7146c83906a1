#pragma once

#include <QString>
#include <array>
#include <optional>

namespace vt {

// Serial port numbers 1..20 as the operator picks them, and the device behind each one.
// Without an override port N is /dev/ttyUSB<N-1>.
class PortDirectory {
  public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 20;

    struct Override {
        int port = 0;
        QString device;
    };

    // Parses the value of one `--port N=DEVICE` argument; nullopt when N is not 1..20 or the
    // device is empty.
    static std::optional<Override> ParseOverride(const QString& argument);

    // Device of a port number; empty for a number outside 1..20.
    QString devicePath(int port) const;

    // Replaces the device of a port; ignored for a number outside 1..20.
    void setDevice(int port, const QString& device);

  private:
    static bool IsValid(int port) { return port >= kFirstPort && port <= kLastPort; }

    std::array<QString, kLastPort + 1> m_overrides;
};

}  // namespace vt
