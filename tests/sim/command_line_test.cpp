#include "command_line.h"

#include <gtest/gtest.h>

namespace vt::sim {
namespace {

TEST(CommandLineTest, ReadsEveryOption) {
    const CommandLine c = ParseCommandLine({"--link",      "/tmp/a",
                                            "--slave",     "3",
                                            "--baud",      "5",
                                            "--parity",    "2",
                                            "--wire-time", "--drop",
                                            "0.25",        "--corrupt",
                                            "0.5",         "--late",
                                            "0.1",         "--exception-holding",
                                            "3",           "--exception-holding",
                                            "4102",        "--exception-input",
                                            "1",           "--seed",
                                            "42",          "--time-factor",
                                            "60",          "--fail-first",
                                            "2",           "--write-log",
                                            "/tmp/w",      "--tcp",
                                            "1502"});
    ASSERT_EQ(c.error, "");
    EXPECT_EQ(c.links, std::vector<std::string>{"/tmp/a"});
    EXPECT_EQ(c.options.slaveAddress, 3);
    EXPECT_EQ(c.options.baudCode, 5);
    EXPECT_EQ(c.options.parityCode, 2);
    EXPECT_TRUE(c.options.emulateWireTime);
    EXPECT_DOUBLE_EQ(c.options.dropRate, 0.25);
    EXPECT_DOUBLE_EQ(c.options.corruptRate, 0.5);
    EXPECT_DOUBLE_EQ(c.options.lateRate, 0.1);
    EXPECT_EQ(c.options.exceptionHoldingRegisters, (std::set<int>{3, 4102}));
    EXPECT_EQ(c.options.exceptionInputRegisters, std::set<int>{1});
    EXPECT_EQ(c.options.seed, 42u);
    EXPECT_DOUBLE_EQ(c.options.timeFactor, 60.0);
    EXPECT_EQ(c.options.failFirstAnswers, 2);
    EXPECT_EQ(c.writeLog, "/tmp/w");
    EXPECT_EQ(c.tcpPort, 1502);
    EXPECT_FALSE(c.help);
}

TEST(CommandLineTest, ReadsInputFaultsInOrder) {
    const CommandLine c = ParseCommandLine({"--short-input", "2", "--open-input", "1"});
    ASSERT_EQ(c.error, "");
    EXPECT_EQ(c.inputFaults, (std::vector<std::pair<int, InputFault>>{{2, InputFault::Short},
                                                                      {1, InputFault::Open}}));
}

TEST(CommandLineTest, RejectsBadValuesAndUnknownArguments) {
    EXPECT_NE(ParseCommandLine({"--baud", "9"}).error, "");
    EXPECT_NE(ParseCommandLine({"--slave", "x"}).error, "");
    EXPECT_NE(ParseCommandLine({"--slave"}).error, "");
    EXPECT_NE(ParseCommandLine({"--time-factor", "0"}).error, "");
    EXPECT_NE(ParseCommandLine({"--bogus"}).error, "");
    EXPECT_NE(ParseCommandLine({"--write-log", ""}).error, "");
    EXPECT_NE(ParseCommandLine({"--tcp", "65536"}).error, "");
    EXPECT_NE(ParseCommandLine({"--open-input", "3"}).error, "");
    EXPECT_EQ(ParseCommandLine({}).tcpPort, -1);
    EXPECT_TRUE(ParseCommandLine({"--help"}).help);
}

}  // namespace
}  // namespace vt::sim
