#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "port_directory.h"
#include "simulator_server.h"

namespace vt::test {

// Port number the tests open; the simulator stands behind it.
inline constexpr int kSimPort = 1;
// Port number of the same simulator over Modbus TCP, when the line serves it.
inline constexpr int kSimTcpPort = 2;
// Station number the simulator answers to.
inline constexpr int kSimSlave = 1;
// 115200 baud: fast, yet every answer still waits out its wire time when emulated.
inline constexpr int kFastBaud = 5;

// A simulated controller on a pseudo-terminal, reachable as port 1 and, when asked for, over
// Modbus TCP on the loopback as port 2. It notes every write it carries out, as the frames it
// received ("holding 4354 120", "coil 1 1").
class SimulatedLine {
  public:
    enum class Tcp { Off, On };

    explicit SimulatedLine(sim::SimulatorOptions options = Frozen(), Tcp tcp = Tcp::Off)
        : m_server(options) {
        m_server.setWriteObserver([this](sim::Table table, int number, int value) {
            const char* kind = table == sim::Table::Coil ? "coil" : "holding";
            const std::lock_guard lock(m_writesMutex);
            m_writes.push_back(std::string(kind) + " " + std::to_string(number) + " " +
                               std::to_string(value));
            m_writeTimes.push_back(std::chrono::steady_clock::now());
        });
        if (tcp == Tcp::On) {
            EXPECT_TRUE(m_server.listenTcp(0));
        }
        EXPECT_TRUE(m_server.start());
        // Port 1 is a link of this line's own, gone for good once the simulator stops, so that a
        // link reopening its port never reaches the terminal another test was given since.
        const QString device = m_linkDir.filePath(QStringLiteral("tty"));
        EXPECT_TRUE(m_server.addLink(device.toStdString()));
        m_ports.setDevice(kSimPort, device);
        if (tcp == Tcp::On) {
            m_ports.setDevice(kSimTcpPort,
                              QStringLiteral("tcp://127.0.0.1:%1").arg(m_server.tcpPort()));
        }
    }

    // A controller whose values change only when written.
    static sim::SimulatorOptions Frozen() {
        sim::SimulatorOptions options;
        options.runProcess = false;
        return options;
    }

    // A frozen controller at 4800 baud with the wire time emulated: a block read takes about
    // 0.1 s.
    static sim::SimulatorOptions Slow() { return AtBaud(0); }

    // A frozen controller answering after the wire time of baud code `baudCode`.
    static sim::SimulatorOptions AtBaud(int baudCode) {
        sim::SimulatorOptions options = Frozen();
        options.emulateWireTime = true;
        options.baudCode = baudCode;
        return options;
    }

    // Changes how the running simulator answers (drops, corruption, exceptions, late answers).
    void change(const std::function<void(sim::SimulatorOptions&)>& edit) {
        sim::SimulatorOptions options = m_server.options();
        edit(options);
        m_server.setOptions(options);
    }

    // The writes carried out so far, oldest first.
    std::vector<std::string> writes() const {
        const std::lock_guard lock(m_writesMutex);
        return m_writes;
    }

    // When each of those writes reached the simulator.
    std::vector<std::chrono::steady_clock::time_point> writeTimes() const {
        const std::lock_guard lock(m_writesMutex);
        return m_writeTimes;
    }

    sim::SimulatorServer& server() { return m_server; }
    sim::ControllerModel& model() { return m_server.model(); }
    const PortDirectory& ports() const { return m_ports; }

  private:
    mutable std::mutex m_writesMutex;
    std::vector<std::string> m_writes;
    std::vector<std::chrono::steady_clock::time_point> m_writeTimes;
    QTemporaryDir m_linkDir;  // outlives the server, which removes its link when it stops
    sim::SimulatorServer m_server;
    PortDirectory m_ports;
};

}  // namespace vt::test
