// The link on its own: a port that goes away comes back without the operator, a dead line is
// told once in the log.
#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <mutex>
#include <string>
#include <vector>

#include "link_stack_test.h"

namespace vt::test {
namespace {

constexpr int kFastTicksMs = 20;

// What the link says in the log at its default level, while the object lives.
class LinkLog {
  public:
    LinkLog() {
        s_current = this;
        m_previous = qInstallMessageHandler(&LinkLog::handle);
    }
    ~LinkLog() {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    LinkLog(const LinkLog&) = delete;
    LinkLog& operator=(const LinkLog&) = delete;

    // The messages that contain `text`.
    std::vector<std::string> containing(const std::string& text) const {
        const std::lock_guard lock(m_mutex);
        std::vector<std::string> found;
        for (const std::string& line : m_lines) {
            if (line.find(text) != std::string::npos) found.push_back(line);
        }
        return found;
    }

  private:
    static void handle(QtMsgType, const QMessageLogContext& context, const QString& message) {
        if (s_current && context.category == std::string("station.link")) {
            const std::lock_guard lock(s_current->m_mutex);
            s_current->m_lines.push_back(message.toStdString());
        }
    }

    static inline LinkLog* s_current = nullptr;
    QtMessageHandler m_previous = nullptr;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_lines;
};

// The link stack polling fast on port 1, which is the simulator's terminal reached through a
// link in a temporary folder (gone while the simulator is stopped, as an unplugged adapter's
// device node is).
class PortRecoveryTest : public LinkStackTest {
  protected:
    PortRecoveryTest()
        : LinkStackTest(SimulatedLine::Frozen(), kFastTicksMs),
          m_device(m_dir.filePath(QStringLiteral("ttyVT"))) {
        EXPECT_TRUE(m_line.server().addLink(m_device.toStdString()));
        PortDirectory ports;
        ports.setDevice(kSimPort, m_device);
        build(ports);
        QObject::connect(m_polling.get(), &PollingCycle::tickFinished,
                         [this](int failed) { m_failedPerTick.push_back(failed); });
    }

    void plugIn() {
        ASSERT_TRUE(m_line.server().running() || m_line.server().start());
        ASSERT_TRUE(m_line.server().addLink(m_device.toStdString()));
    }

    // Waits for the next tick after now whose every block answered.
    bool waitGoodTick() {
        const std::size_t from = m_failedPerTick.size();
        return QTest::qWaitFor(
            [&] {
                for (std::size_t i = from; i < m_failedPerTick.size(); ++i) {
                    if (m_failedPerTick[i] == 0) return true;
                }
                return false;
            },
            kLinkWaitMs);
    }

    bool waitDown() {
        return QTest::qWaitFor([this] { return m_polling->status().down(); }, kLinkWaitMs);
    }

    int failedTicksSince(std::size_t from) const {
        int failed = 0;
        for (std::size_t i = from; i < m_failedPerTick.size(); ++i)
            failed += m_failedPerTick[i] > 0;
        return failed;
    }

    QTemporaryDir m_dir;
    QString m_device;
    std::vector<int> m_failedPerTick;
};

}  // namespace

TEST_F(PortRecoveryTest, TerminalThatDisappearsAndReappearsIsPolledAgainWithoutTheOperator) {
    const LinkLog log;
    m_connection->open(kSimPort, kFastBaud, 0, kSimSlave);
    ASSERT_TRUE(waitGoodTick());
    m_line.server().stop();
    ASSERT_TRUE(waitDown());
    EXPECT_EQ(m_polling->status().reason(), LinkFailure::NoDevice);
    EXPECT_TRUE(m_connection->isOpen());
    EXPECT_TRUE(m_polling->isRunning());

    plugIn();
    const std::size_t back = m_failedPerTick.size();
    ASSERT_TRUE(waitGoodTick());
    // The first tick that finds the device back reopens it and polls; the next reopen attempt
    // of the back-off is not waited for.
    EXPECT_LE(failedTicksSince(back), 1);
    EXPECT_TRUE(m_polling->status().up());
    EXPECT_EQ(log.containing("controller link down").size(), 1u);
    EXPECT_EQ(log.containing("controller link up again").size(), 1u);
}

TEST_F(PortRecoveryTest, PortThatCannotBeOpenedIsOpenedOnItsOwnOnceItCan) {
    // A device that is there but is no serial port waits for the link's next attempt.
    ASSERT_TRUE(QFile::remove(m_device));
    QFile plain(m_device);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    m_connection->open(kSimPort, kFastBaud, 0, kSimSlave);
    ASSERT_TRUE(waitDown());
    EXPECT_EQ(m_polling->status().reason(), LinkFailure::CannotOpen);

    ASSERT_TRUE(QFile::remove(m_device));
    plugIn();
    ASSERT_TRUE(waitGoodTick());
}

TEST_F(PortRecoveryTest, DeadLineIsLoggedOnceAndItsRecoveryWithTheFailedBlocks) {
    const LinkLog log;
    // The line dies and comes back between two ticks, so every block of the ticks in between
    // fails.
    int deadTicks = 0;
    int failedBlocks = 0;
    QObject::connect(m_polling.get(), &PollingCycle::tickFinished, [&](int failed) {
        if (deadTicks == 0 && failed == 0) {
            m_line.change([](sim::SimulatorOptions& o) { o.dropRate = 1.0; });
            deadTicks = 1;
        } else if (deadTicks > 0 && failed > 0) {
            failedBlocks += failed;
            if (++deadTicks == 4) m_line.change([](sim::SimulatorOptions& o) { o.dropRate = 0; });
        }
    });
    m_connection->open(kSimPort, kFastBaud, 0, kSimSlave);
    ASSERT_TRUE(waitDown());
    ASSERT_TRUE(waitGoodTick());

    EXPECT_EQ(m_polling->status().reason(), LinkFailure::None);
    const auto outage = log.containing("controller link");
    ASSERT_EQ(outage.size(), 2u);
    EXPECT_NE(outage[0].find("down - the controller does not answer"), std::string::npos);
    EXPECT_NE(outage[1].find("after " + std::to_string(failedBlocks) + " failed blocks"),
              std::string::npos)
        << outage[1];
    EXPECT_TRUE(log.containing("lost").empty());
}

}  // namespace vt::test
