#include <gtest/gtest.h>

#include <filesystem>

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

TEST(ExecutableTest, BadArgumentsEndWithUsage) {
    test::ChildProcess sim({VT5800_SIM_PATH, "--baud", "12"});
    ASSERT_TRUE(sim.started());
    EXPECT_EQ(sim.waitExit(5s), 2);
}

}  // namespace
}  // namespace vt::sim
