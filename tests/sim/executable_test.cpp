#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "child_process.h"
#include "sim_master.h"

namespace vt::sim {
namespace {

using namespace std::chrono_literals;

TEST(ExecutableTest, PrintsItsTerminalServesItThroughTheLinkAndEndsOnSigterm) {
    const std::filesystem::path link =
        std::filesystem::temp_directory_path() / ("vt5800-sim-test-" + std::to_string(getpid()));
    test::ChildProcess sim({VT5800_SIM_PATH, "--link", link.string(), "--slave", "5", "--frozen"});
    ASSERT_TRUE(sim.started());
    const auto path = sim.readLine(5s);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->rfind("/dev/pts/", 0), 0u) << *path;
    EXPECT_EQ(std::filesystem::read_symlink(link), *path);
    {
        test::SimMaster master(link.string(), 5);
        ASSERT_TRUE(master.connected());
        EXPECT_EQ(master.holding(3), 1000);
        EXPECT_EQ(master.holding(4159), 5);  // the address register shows the slave address
    }
    sim.signal(SIGTERM);
    EXPECT_EQ(sim.waitExit(5s), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link));
}

std::vector<std::string> Lines(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Each line is in the file before the master has its answer; refused writes leave none.
TEST(ExecutableTest, WriteLogListsEachWriteCarriedOut) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vt5800-sim-log-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path log = dir / "writes";
    test::ChildProcess sim({VT5800_SIM_PATH, "--link", (dir / "tty").string(), "--write-log",
                            log.string(), "--exception-holding", "5", "--frozen"});
    ASSERT_TRUE(sim.started());
    ASSERT_TRUE(sim.readLine(5s));
    {
        test::SimMaster master((dir / "tty").string());
        ASSERT_TRUE(master.connected());
        EXPECT_TRUE(master.writeRegister(3, 2500));
        EXPECT_EQ(Lines(log), std::vector<std::string>{"holding 3 2500"});
        EXPECT_TRUE(master.writeCoil(1, true));
        EXPECT_TRUE(master.writeCoil(1, false));
        EXPECT_FALSE(master.writeRegisters(2, {0xFF9C, 300}));  // -10.0 % is refused whole
        EXPECT_FALSE(master.writeRegister(5, 1));               // exception register
        EXPECT_TRUE(master.writeRegisters(3, {1200, 0xFFF6}));
    }
    sim.signal(SIGTERM);
    EXPECT_EQ(sim.waitExit(5s), 0);
    EXPECT_EQ(Lines(log), (std::vector<std::string>{"holding 3 2500", "coil 1 1", "coil 1 0",
                                                    "holding 3 1200", "holding 4 -10"}));
    std::filesystem::remove_all(dir);
}

TEST(ExecutableTest, BadArgumentsEndWithUsage) {
    test::ChildProcess sim({VT5800_SIM_PATH, "--baud", "12"});
    ASSERT_TRUE(sim.started());
    EXPECT_EQ(sim.waitExit(5s), 2);
}

TEST(ExecutableTest, UnwritableWriteLogEndsAtOnce) {
    test::ChildProcess sim({VT5800_SIM_PATH, "--write-log", "/nonexistent-folder/writes"});
    ASSERT_TRUE(sim.started());
    EXPECT_FALSE(sim.readLine(5s));  // no terminal is served
    EXPECT_EQ(sim.waitExit(5s), 1);
}

}  // namespace
}  // namespace vt::sim
