#pragma once

#include <string>
#include <vector>

#include "controller_model.h"
#include "simulator_options.h"

namespace vt::sim {

struct CommandLine {
    SimulatorOptions options;
    std::vector<std::string> links;
    std::string writeLog;  // file that gets one line per write carried out; empty: none
    int tcpPort = -1;      // also serve Modbus TCP on 127.0.0.1 at this port (0: any); -1: no
    std::vector<std::pair<int, InputFault>> inputFaults;  // --open-input N, --short-input N
    bool help = false;
    bool version = false;
    std::string error;  // empty when the arguments were understood
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);
std::string UsageText();

}  // namespace vt::sim
