#include "simulator_server.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>

#include "wire_time.h"

namespace vt::sim {

namespace {

constexpr int kIdlePollMs = 1000;
constexpr auto kHangUpRetry = std::chrono::milliseconds(50);  // line hung up: look again shortly
constexpr int kWriteWaitMs = 50;

int MillisecondsUntil(std::chrono::steady_clock::time_point due) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(due - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<std::int64_t>(0, left.count()));
}

std::chrono::steady_clock::duration Seconds(double s) {
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(s));
}

}  // namespace

SimulatorServer::SimulatorServer(SimulatorOptions options)
    : m_model(options),
      m_responder(m_model),
      m_clock(m_model),
      m_options(std::move(options)),
      m_faults(std::make_unique<FaultPlan>(m_options)) {}

SimulatorServer::~SimulatorServer() { stop(); }

bool SimulatorServer::start() {
    if (running()) return true;
    if (!m_pty.open()) return false;
    if (pipe2(m_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        m_pty.close();
        return false;
    }
    {
        std::lock_guard lock(m_optionsMutex);
        m_clock.setTimeFactor(m_options.timeFactor);
        m_clock.setRunning(m_options.runProcess);
    }
    m_clock.start();
    m_serveThread = std::thread([this] { serve(); });
    return true;
}

void SimulatorServer::stop() {
    if (m_serveThread.joinable()) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = write(m_stopPipe[1], &byte, 1);
        m_serveThread.join();
    }
    m_tcp.close();
    m_clock.stop();
    for (int& fd : m_stopPipe) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
    removeLinks();
    m_pty.close();
}

std::string SimulatorServer::devicePath() const { return m_pty.slavePath(); }

bool SimulatorServer::addLink(const std::string& symlinkPath) {
    if (m_pty.slavePath().empty()) return false;
    std::error_code error;
    std::filesystem::remove(symlinkPath, error);
    std::filesystem::create_symlink(m_pty.slavePath(), symlinkPath, error);
    if (error) return false;
    m_links.push_back(symlinkPath);
    return true;
}

void SimulatorServer::removeLinks() {
    std::error_code error;
    for (const std::string& link : m_links) std::filesystem::remove(link, error);
    m_links.clear();
}

bool SimulatorServer::listenTcp(int port) { return !running() && m_tcp.listen(port); }

void SimulatorServer::setWriteObserver(RtuResponder::WriteObserver observer) {
    m_responder.setWriteObserver(std::move(observer));
}

SimulatorOptions SimulatorServer::options() const {
    std::lock_guard lock(m_optionsMutex);
    return m_options;
}

void SimulatorServer::setOptions(const SimulatorOptions& options) {
    std::lock_guard lock(m_optionsMutex);
    m_options = options;
    m_faults = std::make_unique<FaultPlan>(m_options);
    m_clock.setTimeFactor(options.timeFactor);
    m_clock.setRunning(options.runProcess);
}

void SimulatorServer::serve() {
    RequestFramer framer;
    std::vector<pollfd> fds;
    for (;;) {
        const auto deadline = framer.deadline();
        fds.assign({pollfd{m_stopPipe[0], POLLIN, 0}, pollfd{m_pty.masterFd(), POLLIN, 0}});
        m_tcp.addPollFds(fds);
        const int timeout = deadline ? MillisecondsUntil(*deadline) : kIdlePollMs;
        if (poll(fds.data(), fds.size(), timeout) < 0 && errno != EINTR) return;
        if (fds[0].revents != 0) return;
        if ((fds[1].revents & POLLIN) != 0) {
            if (!readLine(framer) && !waitUntil(Clock::now() + kHangUpRetry)) return;
        } else if ((fds[1].revents & (POLLHUP | POLLERR)) != 0) {
            if (!waitUntil(Clock::now() + kHangUpRetry)) return;
        }
        while (auto frame = framer.takeFrame(Clock::now())) {
            if (!HasValidCrc(*frame)) {  // noise: drop what follows it too and resynchronise
                framer.clear();
                break;
            }
            if (auto answer = respond(*frame, framer.lastByteTime())) send(*answer);
        }
        serveTcp(fds);
    }
}

void SimulatorServer::serveTcp(const std::vector<pollfd>& fds) {
    for (const TcpRequest& request : m_tcp.service(fds)) {
        if (auto answer = respond(request.rtu, Clock::now())) m_tcp.answer(request, *answer);
    }
}

// Reads what the line holds; false when the master reports a hang-up instead of data.
bool SimulatorServer::readLine(RequestFramer& framer) {
    std::array<std::uint8_t, 512> buffer{};
    for (;;) {
        const ssize_t n = read(m_pty.masterFd(), buffer.data(), buffer.size());
        if (n > 0) {
            framer.append(buffer.data(), static_cast<std::size_t>(n), Clock::now());
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
}

std::optional<Frame> SimulatorServer::respond(const Frame& request, Clock::time_point arrival) {
    SimulatorOptions o;
    bool lost = false;
    {
        std::lock_guard lock(m_optionsMutex);
        o = m_options;
        lost = request[0] == o.slaveAddress && m_faults->loseRequest();
    }
    if (request[0] != o.slaveAddress) return std::nullopt;
    ++m_received;
    if (lost) return std::nullopt;
    Frame answer = m_responder.answer(
        request, ExceptionRegisters{o.exceptionHoldingRegisters, o.exceptionInputRegisters});
    auto due = arrival;
    if (o.emulateWireTime) {
        due += Seconds(TheoreticalWireSeconds(static_cast<int>(request.size()),
                                              static_cast<int>(answer.size()), o.baudCode,
                                              o.parityCode));
    }
    {
        std::lock_guard lock(m_optionsMutex);
        if (m_faults->lateAnswer()) due += std::chrono::milliseconds(o.lateDelayMs);
        if (m_faults->corruptAnswer()) answer.back() ^= 0xFF;
    }
    if (!waitUntil(due)) return std::nullopt;
    ++m_served;  // before the answer goes out, so a master that has it finds it counted
    return answer;
}

bool SimulatorServer::waitUntil(Clock::time_point due) {
    for (;;) {
        pollfd stop{m_stopPipe[0], POLLIN, 0};
        const int timeout = MillisecondsUntil(due);
        const int r = poll(&stop, 1, timeout);
        if (r > 0) return false;
        if (r == 0 && Clock::now() >= due) return true;
        if (r < 0 && errno != EINTR) return false;
    }
}

void SimulatorServer::send(const Frame& answer) {
    std::size_t done = 0;
    while (done < answer.size()) {
        const ssize_t n = write(m_pty.masterFd(), answer.data() + done, answer.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd out{m_pty.masterFd(), POLLOUT, 0};
            poll(&out, 1, kWriteWaitMs);
        } else {
            return;
        }
    }
}

}  // namespace vt::sim
