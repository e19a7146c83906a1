#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "child_process.h"
#include "sim_line_test.h"

namespace vt::sim {
namespace {

using namespace std::chrono_literals;

// pymodbus, an unrelated Modbus implementation, as a second master on the same terminal.
constexpr const char* kScript = R"(import sys
from pymodbus.client import ModbusSerialClient
c = ModbusSerialClient(port=sys.argv[1], baudrate=19200, timeout=1)
c.connect()
print("sv1", c.read_holding_registers(2, 1, slave=1).registers[0])
print("pv", c.read_input_registers(0, 1, slave=1).registers[0])
print("coils", c.read_coils(0, 8, slave=1).bits[0:8].count(True))
print("write", not c.write_register(3, 321, slave=1).isError())
print("outside", c.read_holding_registers(8, 1, slave=1).isError())
c.close()
)";

constexpr const char* kPython = "/usr/bin/python3";

TEST(SecondMasterTest, PymodbusReadsAndWritesTheSameRegisters) {
    if (!std::filesystem::exists(kPython)) GTEST_SKIP() << "no " << kPython;
    SimulatorServer server(test::Frozen());
    ASSERT_TRUE(server.start());
    server.model().setCoil(3, true);
    const std::filesystem::path script = std::filesystem::temp_directory_path() /
                                         ("vt5800-peer-" + std::to_string(getpid()) + ".py");
    std::ofstream(script) << kScript;

    test::ChildProcess peer({kPython, script.string(), server.devicePath()});
    ASSERT_TRUE(peer.started());
    std::vector<std::string> lines;
    while (auto line = peer.readLine(10s)) lines.push_back(*line);
    const auto code = peer.waitExit(5s);
    std::filesystem::remove(script);
    if (code == 1 && lines.empty()) GTEST_SKIP() << "pymodbus is not installed";
    ASSERT_EQ(code, 0);
    EXPECT_EQ(lines, (std::vector<std::string>{"sv1 1000", "pv 250", "coils 1", "write True",
                                               "outside True"}));
    EXPECT_EQ(server.model().holding(4), 321);
}

}  // namespace
}  // namespace vt::sim
