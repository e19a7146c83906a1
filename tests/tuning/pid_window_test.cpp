#include "pid_window.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "readout_label.h"
#include "window_rig.h"

namespace vt {
namespace {

class PidWindowTest : public ::testing::Test {
  protected:
    PidWindowTest() {
        EXPECT_TRUE(m_rig.openPort());
        m_window = std::make_unique<PidWindow>(m_rig.context);
    }

    // Types `text` into row i's box and presses its "DOWN".
    void write(int row, const QString& text) {
        test::Find<QLineEdit>(m_window.get(), QStringLiteral("T_3RW_%1").arg(row))->setText(text);
        QTest::mouseClick(
            test::Find<QPushButton>(m_window.get(), QStringLiteral("Command1_%1").arg(row)),
            Qt::LeftButton);
    }

    test::WindowRig m_rig;
    std::unique_ptr<PidWindow> m_window;
};

}  // namespace

TEST_F(PidWindowTest, PanelShowsSixteenRowsInThreeFrames) {
    EXPECT_EQ(m_window->objectName(), QStringLiteral("PIDC"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("PID参数设置"));
    EXPECT_TRUE(m_window->keepOpen());
    const QStringList titles = {QStringLiteral("PID1 设置"), QStringLiteral("PID2 设置"),
                                QString()};
    const int rowsPerFrame[] = {5, 6, 5};
    for (int f = 0; f < 3; ++f) {
        auto* frame = test::Find<QGroupBox>(m_window.get(), QStringLiteral("Frame%1").arg(f + 1));
        EXPECT_EQ(frame->title(), titles[f]);
        EXPECT_EQ(frame->findChildren<QPushButton*>().size(), rowsPerFrame[f]);
    }
    auto* timer = m_window->findChild<QTimer*>(QStringLiteral("Timer1"));
    EXPECT_EQ(timer->interval(), 800);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(test::Find<QPushButton>(m_window.get(), "Command2")->text(), QStringLiteral("返回"));
}

TEST_F(PidWindowTest, LabelsShowThePolledParameters) {
    m_rig.state.PidParam[0] = 30.0f;
    m_rig.state.PidParam[2] = 2.5f;
    m_window->showValues();
    EXPECT_EQ(test::Find<ReadoutLabel>(m_window.get(), "D_4W_0")->text(), QStringLiteral("30"));
    EXPECT_EQ(test::Find<ReadoutLabel>(m_window.get(), "D_4W_2")->text(), QStringLiteral("2.5"));
}

struct RowWrite {
    int row;
    const char* text;
    const char* written;
};

class PidRowWriteTest : public PidWindowTest, public ::testing::WithParamInterface<RowWrite> {};

TEST_P(PidRowWriteTest, DownWritesTheRowByItsRule) {
    const std::size_t mark = m_rig.writeCount();
    write(GetParam().row, QString::fromUtf8(GetParam().text));
    EXPECT_TRUE(m_rig.waitForWrite(GetParam().written, mark));
}

INSTANTIATE_TEST_SUITE_P(Rules, PidRowWriteTest,
                         ::testing::Values(RowWrite{1, "120.9", "holding 4354 120"},  // whole
                                           RowWrite{13, "-3.5", "holding 4366 -3"},
                                           RowWrite{2, "12.5", "holding 4355 125"},  // tenths
                                           RowWrite{0, "50.0", "holding 4353 500"},  // main scale
                                           RowWrite{3, "", "holding 4356 0"},
                                           RowWrite{5, "１２", "holding 4358 120"}));

TEST_F(PidWindowTest, AWriteBeforeTheFirstDisplayTickJournalsThePolledValue) {
    m_rig.polling.stop();
    ASSERT_TRUE(m_rig.waitIdle());
    m_rig.state.PidParam[2] = 2.5f;  // polled, not yet shown
    write(2, QStringLiteral("12.5"));
    ASSERT_TRUE(m_rig.waitForWrite("holding 4355 125"));
    ASSERT_TRUE(m_rig.waitIdle());
    ASSERT_EQ(m_rig.journal().size(), 1u);
    EXPECT_EQ(m_rig.journal().front().before, QStringLiteral("2.5"));
}

TEST_F(PidWindowTest, TenthsRowsRetryOnAnyFailureTheOthersOnNoAnswerOnly) {
    m_rig.line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {4354, 4355}; });
    const auto requests = [&] { return m_rig.line.server().requestsReceived(); };
    m_rig.polling.stop();
    ASSERT_TRUE(m_rig.waitIdle());
    std::uint64_t before = requests();
    write(1, QStringLiteral("100"));
    ASSERT_TRUE(m_rig.waitIdle());
    EXPECT_EQ(requests() - before, 1u);
    before = requests();
    write(2, QStringLiteral("10"));
    ASSERT_TRUE(m_rig.waitIdle());
    EXPECT_EQ(requests() - before, 2u);
}

TEST_F(PidWindowTest, CloseBoxIsRefusedAndReturnGoesBack) {
    EXPECT_FALSE(m_window->close());
    EXPECT_TRUE(m_window->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    QTest::mouseClick(test::Find<QPushButton>(m_window.get(), "Command2"), Qt::LeftButton);
    EXPECT_EQ(m_rig.flow.calls, QStringList{QStringLiteral("returnFromEditor")});
    EXPECT_FALSE(m_window->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

}  // namespace vt
