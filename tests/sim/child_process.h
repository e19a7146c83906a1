#pragma once

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vt::sim::test {

// A program run for a test with its standard output on a pipe; every wait is bounded.
class ChildProcess {
  public:
    explicit ChildProcess(const std::vector<std::string>& args) {
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        m_out = out[0];
    }
    ~ChildProcess() {
        if (m_pid > 0 && !m_exitCode) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        if (m_out >= 0) close(m_out);
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return m_pid > 0; }
    void signal(int sig) { kill(m_pid, sig); }

    // The next line of output (without its newline), or nothing at end or after the time-out.
    std::optional<std::string> readLine(std::chrono::milliseconds timeout) {
        const auto until = std::chrono::steady_clock::now() + timeout;
        for (;;) {
            if (const auto nl = m_pending.find('\n'); nl != std::string::npos) {
                std::string line = m_pending.substr(0, nl);
                m_pending.erase(0, nl + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                until - std::chrono::steady_clock::now());
            pollfd p{m_out, POLLIN, 0};
            if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) return {};
            char buffer[256];
            const ssize_t n = read(m_out, buffer, sizeof buffer);
            if (n <= 0) return {};
            m_pending.append(buffer, static_cast<std::size_t>(n));
        }
    }

    // The exit code once the program has ended, or nothing if it runs past the time-out.
    std::optional<int> waitExit(std::chrono::milliseconds timeout) {
        const auto until = std::chrono::steady_clock::now() + timeout;
        while (!m_exitCode && std::chrono::steady_clock::now() < until) {
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            } else {
                poll(nullptr, 0, 10);
            }
        }
        return m_exitCode;
    }

  private:
    pid_t m_pid = -1;
    int m_out = -1;
    std::string m_pending;
    std::optional<int> m_exitCode;
};

}  // namespace vt::sim::test
