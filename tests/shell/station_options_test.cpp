#include "station_options.h"

#include <gtest/gtest.h>

using vt::ParseStationOptions;

namespace {
QStringList Args(std::initializer_list<const char*> rest) {
    QStringList list{QStringLiteral("vtstation")};
    for (const char* a : rest) list << QString::fromUtf8(a);
    return list;
}
}  // namespace

TEST(StationOptions, ReadsEveryOption) {
    const auto options = ParseStationOptions(
        Args({"--simulate", "--port", "3=/dev/ttyS0", "--port", "20=/tmp/x", "--port",
              "4=tcp://192.168.1.20", "--database", "/tmp/a.db", "--open"}));
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->simulate);
    EXPECT_TRUE(options->openAtStart);
    EXPECT_EQ(options->databasePath, QStringLiteral("/tmp/a.db"));
    ASSERT_EQ(options->ports.size(), 3u);
    EXPECT_EQ(options->ports[0].port, 3);
    EXPECT_EQ(options->ports[0].device, QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(options->ports[1].port, 20);
    EXPECT_EQ(options->ports[2].device, QStringLiteral("tcp://192.168.1.20:502"));
}

TEST(StationOptions, WithoutOptionsThePortStaysClosedOnTheDefaultDatabase) {
    const auto options = ParseStationOptions(Args({}));
    ASSERT_TRUE(options);
    EXPECT_FALSE(options->simulate);
    EXPECT_FALSE(options->openAtStart);
    EXPECT_TRUE(options->databasePath.endsWith(QStringLiteral("Rdatabj.db")));
}

TEST(StationOptions, RefusesAPortOutsideOneToTwentyOrAnUnknownOption) {
    QString error;
    EXPECT_FALSE(ParseStationOptions(Args({"--port", "21=/dev/x"}), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("21")));
    EXPECT_FALSE(ParseStationOptions(Args({"--port", "/dev/x"})));
    EXPECT_FALSE(ParseStationOptions(Args({"--port", "2=tcp://host:0"}), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("tcp://HOST[:PORT]")));
    EXPECT_FALSE(ParseStationOptions(Args({"--bogus"})));
}
