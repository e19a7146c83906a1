#pragma once

#include <string>
#include <vector>

#include "simulator_options.h"

namespace vt::sim {

struct CommandLine {
    SimulatorOptions options;
    std::vector<std::string> links;
    std::string writeLog;  // file that gets one line per write carried out; empty: none
    bool help = false;
    std::string error;  // empty when the arguments were understood
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);
std::string UsageText();

}  // namespace vt::sim
