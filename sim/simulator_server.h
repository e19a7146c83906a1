#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "controller_model.h"
#include "fault_plan.h"
#include "modbus_tcp_port.h"
#include "process_clock.h"
#include "pseudo_terminal.h"
#include "request_framer.h"
#include "rtu_responder.h"
#include "simulator_options.h"

namespace vt::sim {

// Serves a pseudo-terminal as a Modbus RTU slave in front of a controller model, and runs the
// model's process clock; on request it serves the same model as a Modbus TCP server on the
// loopback interface too, through the same responder. Requests for another slave address (unit
// identifier) get no answer.
class SimulatorServer {
  public:
    explicit SimulatorServer(SimulatorOptions options = {});
    ~SimulatorServer();  // stops the threads, removes the links, closes the pty
    SimulatorServer(const SimulatorServer&) = delete;
    SimulatorServer& operator=(const SimulatorServer&) = delete;

    bool start();  // false when the pty cannot be opened
    void stop();   // stops serving, closes the pty and the TCP port with its connections
    bool running() const { return m_serveThread.joinable(); }

    std::string devicePath() const;                // the pty slave path the station opens
    bool addLink(const std::string& symlinkPath);  // a symlink to devicePath, removed on stop
    // Serves Modbus TCP on 127.0.0.1:`port` (0: a free port) from the next start() on; false
    // when the port cannot be had. Call while stopped.
    bool listenTcp(int port);
    int tcpPort() const { return m_tcp.port(); }  // 0 when not serving TCP
    ControllerModel& model() { return m_model; }
    // Called on the serving thread for each write carried out; set it before start().
    void setWriteObserver(RtuResponder::WriteObserver observer);

    std::uint64_t requestsReceived() const { return m_received; }  // valid, for this slave
    std::uint64_t requestsServed() const { return m_served; }      // answers sent

    // Line settings, faults, exception registers, time factor and process switch at run time.
    // The fault plan starts afresh: the seed again, failFirstAnswers counted anew.
    SimulatorOptions options() const;
    void setOptions(const SimulatorOptions& options);

  private:
    using Clock = RequestFramer::Clock;

    void serve();
    bool readLine(RequestFramer& framer);
    void serveTcp(const std::vector<pollfd>& fds);
    // The answer to a request after its faults and wire time; nothing when it goes unanswered
    // or the server stops meanwhile.
    std::optional<Frame> respond(const Frame& request, Clock::time_point arrival);
    bool waitUntil(Clock::time_point due);  // false when stopping
    void send(const Frame& answer);
    void removeLinks();

    ControllerModel m_model;
    RtuResponder m_responder;
    ProcessClock m_clock;
    PseudoTerminal m_pty;
    ModbusTcpPort m_tcp;

    mutable std::mutex m_optionsMutex;
    SimulatorOptions m_options;
    std::unique_ptr<FaultPlan> m_faults;

    std::thread m_serveThread;
    int m_stopPipe[2] = {-1, -1};
    std::vector<std::string> m_links;
    std::atomic<std::uint64_t> m_received{0};
    std::atomic<std::uint64_t> m_served{0};
};

}  // namespace vt::sim
