#include "alarm_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "readout_label.h"
#include "window_rig.h"

namespace vt {
namespace {

// The alarm panel against the simulator: its own block read, and writes on focus loss.
class AlarmWindowTest : public ::testing::Test {
  protected:
    AlarmWindowTest() {
        EXPECT_TRUE(m_rig.openPort());
        m_rig.line.model().setHolding(264, 125);
        m_window = std::make_unique<AlarmWindow>(m_rig.context);
        m_reads = std::make_unique<QSignalSpy>(&m_window->reads(), &PeriodicRead::blockRead);
    }

    QLineEdit* box(int row) const {
        return test::Find<QLineEdit>(m_window.get(), QStringLiteral("T_3RW_%1").arg(256 + row));
    }
    QString readout(int row) const {
        return test::Find<ReadoutLabel>(m_window.get(), QStringLiteral("D_4W_%1").arg(256 + row))
            ->text();
    }
    // Waits for the next read of the block to be shown.
    bool nextRead() {
        const qsizetype seen = m_reads->count();
        if (seen > 0) m_window->reads().readNow();
        return QTest::qWaitFor([&] { return m_reads->count() > seen; }, test::kWaitMs);
    }
    // Types `text` into row i's box and moves the focus on to the return button.
    void typeAndLeave(int row, const char* text) {
        box(row)->setFocus();
        QTest::keyClicks(box(row), text);
        m_window->returnButton()->setFocus();
    }

    test::WindowRig m_rig;
    std::unique_ptr<AlarmWindow> m_window;
    std::unique_ptr<QSignalSpy> m_reads;
};

}  // namespace

TEST_F(AlarmWindowTest, OpeningShowsPlainValuesAndTheTicksConvertThem) {
    EXPECT_EQ(test::Find<QGroupBox>(m_window.get(), "Frame3")->title(),
              QStringLiteral("加热器断线报警"));
    ASSERT_TRUE(nextRead());
    EXPECT_EQ(readout(0), QStringLiteral("3000"));  // alarm 1 at 300.0, unconverted
    EXPECT_EQ(readout(7), QStringLiteral("12.5"));  // the heater-break output already in tenths
    ASSERT_TRUE(nextRead());
    EXPECT_EQ(readout(0), QStringLiteral("300"));
    EXPECT_EQ(readout(1), QStringLiteral("1"));
    EXPECT_EQ(readout(7), QStringLiteral("12.5"));
}

TEST_F(AlarmWindowTest, FailedReadLeavesTheReadoutsAsTheyWere) {
    ASSERT_TRUE(nextRead());
    ASSERT_TRUE(nextRead());
    m_window->reads().stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->reads().outstanding() == 0; }));
    m_rig.line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {260}; });
    ASSERT_TRUE(nextRead());
    EXPECT_FALSE(m_reads->last().at(1).value<LinkReply>().ok());
    EXPECT_EQ(readout(0), QStringLiteral("300"));
    EXPECT_EQ(readout(7), QStringLiteral("12.5"));
}

TEST_F(AlarmWindowTest, TabbingThroughTheBoxesWritesNothing) {
    ASSERT_TRUE(test::ShowActive(m_window.get()));
    const std::size_t mark = m_rig.writeCount();
    box(0)->setFocus();
    for (int i = 1; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), box(i));
    }
    EXPECT_EQ(box(7)->palette().color(QPalette::Base), QColor(192, 255, 255));
    typeAndLeave(7, "12.5");  // the one write, after any the tabbing might have queued
    EXPECT_TRUE(m_rig.waitForWrite("holding 264 125", mark));
    EXPECT_EQ(box(7)->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(m_rig.writesSince(mark), std::vector<std::string>{"holding 264 125"});
}

struct AlarmWrite {
    int row;
    const char* text;
    const char* written;
};

class AlarmRowWriteTest : public AlarmWindowTest,
                          public ::testing::WithParamInterface<AlarmWrite> {};

// Input 2 is a linear input with two decimals, input 1 a Celsius sensor with one.
TEST_P(AlarmRowWriteTest, LeavingAnEditedBoxWritesItByTheRowsRule) {
    m_rig.line.model().setHolding(4120, 14);
    m_rig.line.model().setHolding(4123, 2);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return m_rig.state.Scaling.Input2Type == 14; }, test::kWaitMs));
    ASSERT_TRUE(test::ShowActive(m_window.get()));
    const std::size_t mark = m_rig.writeCount();
    typeAndLeave(GetParam().row, GetParam().text);
    EXPECT_TRUE(m_rig.waitForWrite(GetParam().written, mark));
}

INSTANTIATE_TEST_SUITE_P(Rules, AlarmRowWriteTest,
                         ::testing::Values(AlarmWrite{0, "250", "holding 257 2500"},  // main
                                           AlarmWrite{4, "1.5", "holding 261 15"},
                                           AlarmWrite{6, "1.5", "holding 263 150"},  // aux
                                           AlarmWrite{2, "30.9", "holding 259 30"},  // whole
                                           AlarmWrite{5, "-3.5", "holding 262 -3"},
                                           AlarmWrite{7, "12.5", "holding 264 125"}));  // tenths

}  // namespace vt
