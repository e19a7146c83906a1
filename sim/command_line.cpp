#include "command_line.h"

#include <charconv>
#include <functional>
#include <map>

namespace vt::sim {

namespace {

template <typename T>
bool ParseNumber(const std::string& text, T& out) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

using Setter = std::function<bool(CommandLine&, const std::string&)>;

template <typename T>
Setter Number(T SimulatorOptions::*field) {
    return
        [field](CommandLine& c, const std::string& v) { return ParseNumber(v, c.options.*field); };
}

Setter InSet(std::set<int> SimulatorOptions::*field) {
    return [field](CommandLine& c, const std::string& v) {
        int reg = 0;
        if (!ParseNumber(v, reg)) return false;
        (c.options.*field).insert(reg);
        return true;
    };
}

Setter Fault(InputFault fault) {
    return [fault](CommandLine& c, const std::string& v) {
        int input = 0;
        if (!ParseNumber(v, input) || input < 1 || input > 2) return false;
        c.inputFaults.emplace_back(input, fault);
        return true;
    };
}

const std::map<std::string, Setter>& ValueOptions() {
    static const std::map<std::string, Setter> options = {
        {"--link",
         [](CommandLine& c, const std::string& v) {
             c.links.push_back(v);
             return !v.empty();
         }},
        {"--write-log",
         [](CommandLine& c, const std::string& v) {
             c.writeLog = v;
             return !v.empty();
         }},
        {"--tcp",
         [](CommandLine& c, const std::string& v) {
             return ParseNumber(v, c.tcpPort) && c.tcpPort >= 0 && c.tcpPort <= 65535;
         }},
        {"--open-input", Fault(InputFault::Open)},
        {"--short-input", Fault(InputFault::Short)},
        {"--slave", Number(&SimulatorOptions::slaveAddress)},
        {"--baud", Number(&SimulatorOptions::baudCode)},
        {"--parity", Number(&SimulatorOptions::parityCode)},
        {"--drop", Number(&SimulatorOptions::dropRate)},
        {"--corrupt", Number(&SimulatorOptions::corruptRate)},
        {"--late", Number(&SimulatorOptions::lateRate)},
        {"--late-ms", Number(&SimulatorOptions::lateDelayMs)},
        {"--fail-first", Number(&SimulatorOptions::failFirstAnswers)},
        {"--exception-holding", InSet(&SimulatorOptions::exceptionHoldingRegisters)},
        {"--exception-input", InSet(&SimulatorOptions::exceptionInputRegisters)},
        {"--seed", Number(&SimulatorOptions::seed)},
        {"--time-factor", Number(&SimulatorOptions::timeFactor)},
    };
    return options;
}

std::string CheckRanges(const SimulatorOptions& o) {
    if (o.slaveAddress < 1 || o.slaveAddress > 247) return "--slave must be 1..247";
    if (o.baudCode < 0 || o.baudCode > 8) return "--baud must be 0..8";
    if (o.parityCode < 0 || o.parityCode > 2) return "--parity must be 0..2";
    if (o.timeFactor <= 0.0) return "--time-factor must be above 0";
    return {};
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine c;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            c.help = true;
        } else if (a == "--version") {
            c.version = true;
        } else if (a == "--wire-time") {
            c.options.emulateWireTime = true;
        } else if (a == "--frozen") {
            c.options.runProcess = false;
        } else if (const auto it = ValueOptions().find(a); it != ValueOptions().end()) {
            if (i + 1 >= args.size() || !it->second(c, args[++i])) {
                c.error = "bad or missing value for " + a;
                return c;
            }
        } else {
            c.error = "unknown argument " + a;
            return c;
        }
    }
    c.error = CheckRanges(c.options);
    return c;
}

std::string UsageText() {
    return "Usage: vt5800-sim [options]\n"
           "Serves a simulated VT5800 controller as a Modbus RTU slave on a pseudo-terminal\n"
           "and prints the terminal's path.\n\n"
           "  --link PATH              also reach the terminal through a symlink PATH\n"
           "  --tcp PORT               also serve Modbus TCP on 127.0.0.1:PORT (0: a free port)\n"
           "                           and print tcp://127.0.0.1:PORT on a second line\n"
           "  --write-log PATH         append \"holding N VALUE\" or \"coil N 0|1\" to PATH for\n"
           "                           each write carried out\n"
           "  --slave N                slave address (default 1)\n"
           "  --baud CODE              baud code 0..8 for wire-time emulation (default 2)\n"
           "  --parity CODE            0 none, 1 odd, 2 even (default 0)\n"
           "  --wire-time              answer after the wire time of request and answer\n"
           "  --drop RATE              fraction of requests left unanswered\n"
           "  --corrupt RATE           fraction of answers sent with a bad CRC\n"
           "  --late RATE              fraction of answers sent late\n"
           "  --late-ms MS             delay of a late answer (default 1500)\n"
           "  --fail-first N           leave the first N requests unanswered\n"
           "  --exception-holding REG  answer any access to holding REG with an exception\n"
           "  --exception-input REG    the same for input register REG (both repeatable)\n"
           "  --open-input N           sensor input N (1 or 2) reads as open\n"
           "  --short-input N          sensor input N (1 or 2) reads as shorted\n"
           "  --seed N                 seed of the fault generator (default 1)\n"
           "  --time-factor F          run process and programs F times faster\n"
           "  --frozen                 freeze the process (values change only by writes)\n"
           "  --version                show the version number\n"
           "  --help                   show this text\n";
}

}  // namespace vt::sim
