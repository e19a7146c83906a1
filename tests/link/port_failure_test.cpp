// Ports that cannot be opened or go away: the reason the master sorts them into, and what the
// port keeper does about them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "link_jobs.h"
#include "modbus_master.h"
#include "port_keeper.h"
#include "simulated_line.h"

namespace vt::test {
namespace {

constexpr uid_t kNobody = 65534;

// Opens as an ordinary user would: a test running as root takes nobody's identity meanwhile
// (root opens any file, and the private temporary folder is closed to everybody else).
class AsOrdinaryUser {
  public:
    AsOrdinaryUser() : m_root(geteuid() == 0) {
        if (m_root) {
            EXPECT_EQ(seteuid(kNobody), 0);
        }
    }
    ~AsOrdinaryUser() {
        if (m_root) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

  private:
    bool m_root;
};

QString MakeFile(const QTemporaryDir& dir, QFileDevice::Permissions permissions) {
    const QString path = dir.filePath(QStringLiteral("ttyFile"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(file.setPermissions(permissions));
    return path;
}

struct OpenCase {
    const char* name;
    std::function<QString(const QTemporaryDir&)> device;
    bool ordinaryUser;
    LinkFailure reason;
};

class OpenFailureTest : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpenFailureTest, IsSortedIntoItsReason) {
    QTemporaryDir dir;
    PortDirectory ports;
    ports.setDevice(3, GetParam().device(dir));
    ModbusMaster master(ports);
    std::int32_t result = 0;
    if (GetParam().ordinaryUser) {
        const AsOrdinaryUser user;
        result = master.openPort(3, kFastBaud, 0);
    } else {
        result = master.openPort(3, kFastBaud, 0);
    }
    EXPECT_EQ(result, kNoAnswer);
    EXPECT_EQ(master.lastFailure(), GetParam().reason);
    EXPECT_FALSE(master.isOpen(3));
}

INSTANTIATE_TEST_SUITE_P(
    Ports, OpenFailureTest,
    ::testing::Values(
        OpenCase{"MissingDevice",
                 [](const QTemporaryDir& d) { return d.filePath(QStringLiteral("ttyNone")); },
                 false, LinkFailure::NoDevice},
        OpenCase{"UnreadableDevice",
                 [](const QTemporaryDir& d) { return MakeFile(d, QFileDevice::Permissions{}); },
                 true, LinkFailure::PermissionDenied},
        OpenCase{"NotASerialDevice",
                 [](const QTemporaryDir& d) {
                     return MakeFile(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
                 },
                 false, LinkFailure::CannotOpen},
        OpenCase{"TcpServerNotListening",
                 [](const QTemporaryDir&) { return QStringLiteral("tcp://127.0.0.1:1"); }, false,
                 LinkFailure::CannotOpen}),
    [](const auto& info) { return std::string(info.param.name); });

// Port 1 is the simulator's terminal, reached through a link in a temporary folder that goes
// with the simulator when it stops, as a USB adapter's device node goes when it is unplugged.
class VanishingPortTest : public ::testing::Test {
  protected:
    VanishingPortTest() : m_device(m_dir.filePath(QStringLiteral("ttyVT"))) {
        plugIn();
        m_state.LinkSettings[PortNumber] = kSimPort;
        m_state.LinkSettings[SlaveAddress] = kSimSlave;
    }

    void plugIn() {
        if (!m_line.server().running()) {
            ASSERT_TRUE(m_line.server().start());
        }
        ASSERT_TRUE(m_line.server().addLink(m_device.toStdString()));
    }
    void unplug() { m_line.server().stop(); }

    LinkReply read(PortKeeper& keeper) {
        return keeper.run(m_master, ReadInputJob(m_state, 1, 16));
    }

    QTemporaryDir m_dir;
    QString m_device;
    SimulatedLine m_line;
    PortDirectory m_ports = [this] {
        PortDirectory ports;
        ports.setDevice(kSimPort, m_device);
        return ports;
    }();
    ModbusMaster m_master{m_ports};
    ControllerState m_state;
};

TEST_F(VanishingPortTest, KeeperReopensTheDeviceAsSoonAsAJobFindsItBack) {
    PortKeeper keeper(m_ports);
    ASSERT_TRUE(keeper.run(m_master, OpenJob(kSimPort, kFastBaud, 0)).ok());
    unplug();
    EXPECT_EQ(read(keeper).failure, LinkFailure::NoDevice);  // the master closed the port
    EXPECT_FALSE(m_master.isOpen(kSimPort));
    ASSERT_TRUE(keeper.reopenDue());
    EXPECT_GT(*keeper.reopenDue(), PortKeeper::Clock::now());
    EXPECT_EQ(read(keeper).failure, LinkFailure::NoDevice);  // at once, nothing sent
    plugIn();
    EXPECT_TRUE(read(keeper).ok());
    EXPECT_FALSE(keeper.reopenDue());
}

TEST_F(VanishingPortTest, PortThatCannotBeOpenedIsTriedUntilClosed) {
    unplug();
    PortKeeper keeper(m_ports);
    EXPECT_EQ(keeper.run(m_master, OpenJob(kSimPort, kFastBaud, 0)).failure, LinkFailure::NoDevice);
    EXPECT_TRUE(keeper.reopenDue());
    keeper.reopen(m_master);
    EXPECT_TRUE(keeper.reopenDue());
    keeper.run(m_master, CloseJob(kSimPort));
    EXPECT_FALSE(keeper.reopenDue());
    plugIn();
    EXPECT_EQ(read(keeper).failure, LinkFailure::PortClosed);
}

TEST_F(VanishingPortTest, TimeOutsNeverReopenThePort) {
    PortKeeper keeper(m_ports);
    ASSERT_TRUE(keeper.run(m_master, OpenJob(kSimPort, kFastBaud, 0)).ok());
    m_line.change([](sim::SimulatorOptions& o) { o.dropRate = 1.0; });
    EXPECT_EQ(read(keeper).failure, LinkFailure::NoAnswer);
    EXPECT_FALSE(keeper.reopenDue());
    EXPECT_TRUE(m_master.isOpen(kSimPort));
}

struct DelayCase {
    int previousMs;
    int nextMs;
};

class ReopenDelayTest : public ::testing::TestWithParam<DelayCase> {};

TEST_P(ReopenDelayTest, StartsAtTwoSecondsAndBacksOffToTen) {
    EXPECT_EQ(ReopenDelayAfter(std::chrono::milliseconds(GetParam().previousMs)).count(),
              GetParam().nextMs);
}

INSTANTIATE_TEST_SUITE_P(Waits, ReopenDelayTest,
                         ::testing::Values(DelayCase{0, 2000}, DelayCase{2000, 4000},
                                           DelayCase{4000, 8000}, DelayCase{8000, 10000},
                                           DelayCase{10000, 10000}));

}  // namespace
}  // namespace vt::test
