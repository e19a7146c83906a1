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
