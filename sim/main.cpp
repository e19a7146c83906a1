#include <signal.h>

#include <cstdio>
#include <iostream>

#include "command_line.h"
#include "simulator_server.h"
#include "station_version.h"
#include "write_log.h"

// Serves until SIGINT or SIGTERM; the path of the terminal is the first line on stdout, the
// Modbus TCP address (with --tcp) the second.
int main(int argc, char** argv) {
    using namespace vt::sim;
    const CommandLine cmd = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (cmd.help) {
        std::cout << UsageText();
        return 0;
    }
    if (cmd.version) {
        std::cout << "vt5800-sim " << vt::kStationVersion << "\n";
        return 0;
    }
    if (!cmd.error.empty()) {
        std::cerr << "vt5800-sim: " << cmd.error << "\n" << UsageText();
        return 2;
    }
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);  // before any thread starts

    WriteLog writeLog;
    if (!cmd.writeLog.empty() && !writeLog.open(cmd.writeLog)) {
        std::cerr << "vt5800-sim: cannot write to " << cmd.writeLog << "\n";
        return 1;
    }
    SimulatorServer server(cmd.options);  // stops serving before the log closes
    server.setWriteObserver(
        [&writeLog](Table table, int number, int value) { writeLog.record(table, number, value); });
    if (cmd.tcpPort >= 0 && !server.listenTcp(cmd.tcpPort)) {
        std::cerr << "vt5800-sim: cannot listen on TCP port " << cmd.tcpPort << "\n";
        return 1;
    }
    for (const auto& [input, fault] : cmd.inputFaults) server.model().setInputFault(input, fault);
    if (!server.start()) {
        std::cerr << "vt5800-sim: cannot open a pseudo-terminal\n";
        return 1;
    }
    for (const std::string& link : cmd.links) {
        if (!server.addLink(link)) std::cerr << "vt5800-sim: cannot create link " << link << "\n";
    }
    std::cout << server.devicePath() << std::endl;
    if (server.tcpPort() > 0) std::cout << "tcp://127.0.0.1:" << server.tcpPort() << std::endl;

    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.stop();
    return 0;
}
