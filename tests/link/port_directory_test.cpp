#include "port_directory.h"

#include <gtest/gtest.h>

using namespace vt;

TEST(PortDirectory, DefaultsToUsbAdaptersAndTakesOverrides) {
    PortDirectory ports;
    EXPECT_EQ(ports.devicePath(1), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(ports.devicePath(20), QStringLiteral("/dev/ttyUSB19"));
    EXPECT_TRUE(ports.devicePath(0).isEmpty());
    EXPECT_TRUE(ports.devicePath(21).isEmpty());
    ports.setDevice(3, QStringLiteral("/dev/pts/7"));
    ports.setDevice(21, QStringLiteral("/dev/pts/8"));
    EXPECT_EQ(ports.devicePath(3), QStringLiteral("/dev/pts/7"));
    EXPECT_TRUE(ports.devicePath(21).isEmpty());
}

TEST(PortDirectory, ParsesPortArguments) {
    const auto parsed = PortDirectory::ParseOverride(QStringLiteral("2=/tmp/vt=sim"));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->port, 2);
    EXPECT_EQ(parsed->device, QStringLiteral("/tmp/vt=sim"));
    for (const char* bad : {"0=/dev/x", "21=/dev/x", "x=/dev/x", "3=", "=/dev/x", "/dev/x"}) {
        EXPECT_FALSE(PortDirectory::ParseOverride(QString::fromLatin1(bad))) << bad;
    }
}

struct TcpCase {
    const char* argument;
    const char* device;  // as the panel shows it; nullptr: refused
    const char* host;
    int tcpPort;
};

class TcpPortArgument : public ::testing::TestWithParam<TcpCase> {};

TEST_P(TcpPortArgument, NamesAModbusTcpServer) {
    const TcpCase& c = GetParam();
    const auto parsed = PortDirectory::ParseOverride(QString::fromLatin1(c.argument));
    if (c.device == nullptr) {
        EXPECT_FALSE(parsed);
        return;
    }
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->device, QString::fromLatin1(c.device));
    PortDirectory ports;
    ports.setDevice(parsed->port, parsed->device);
    const PortEndpoint where = ports.endpoint(parsed->port);
    EXPECT_TRUE(where.isTcp());
    EXPECT_EQ(where.host, QString::fromLatin1(c.host));
    EXPECT_EQ(where.tcpPort, c.tcpPort);
    EXPECT_FALSE(ports.deviceExists(parsed->port));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, TcpPortArgument,
    ::testing::Values(
        TcpCase{"2=tcp://192.168.1.20", "tcp://192.168.1.20:502", "192.168.1.20", 502},
        TcpCase{"3=tcp://plc-gw.local:1502", "tcp://plc-gw.local:1502", "plc-gw.local", 1502},
        TcpCase{"4=TCP://[::1]:5020", "tcp://[::1]:5020", "::1", 5020},
        TcpCase{"5=tcp://", nullptr, "", 0}, TcpCase{"5=tcp://host:0", nullptr, "", 0},
        TcpCase{"5=tcp://host:70000", nullptr, "", 0},
        TcpCase{"5=tcp://host:502/unit", nullptr, "", 0}, TcpCase{"5=tcp:host", nullptr, "", 0}));
