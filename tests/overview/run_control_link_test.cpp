// Run commands from the overview's controls through the real link into the simulator.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "journal_fixture.h"
#include "overview_window.h"
#include "readout_label.h"
#include "window_rig.h"

namespace vt {
namespace {

class RunControlLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_window = std::make_unique<OverviewWindow>(m_rig.context);
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        find<QComboBox>("Combo1")->setCurrentIndex(0);
        find<QComboBox>("Combo2")->setCurrentIndex(0);
        click("Command9");
        // The first tick has read the run registers and the input scaling.
        ASSERT_TRUE(waitFor([this] { return m_rig.state.RunRaw[2] == 1000; }));
    }

    template <typename T = QWidget>
    T* find(const char* name) {
        T* child = m_window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }

    // Types a value into an entry box, as the operator does, and presses its write button.
    void enter(const char* entry, const char* button, const QString& text) {
        auto* box = find<QLineEdit>(entry);
        box->setFocus();
        ASSERT_TRUE(waitFor([box] { return box->hasFocus(); }));
        EXPECT_FALSE(find(button)->isHidden());
        EXPECT_EQ(box->palette().color(QPalette::Base), QColor(255, 255, 192));
        box->setText(text);
        click(button);
    }

    // A jump-segment write that the test waits for: once its reply is here, every command sent
    // before it has been carried out and its reply delivered (the controller's register alone
    // can change before the replies of earlier commands reach this thread).
    void drainWithMarker(int segment) {
        bool answered = false;
        const QMetaObject::Connection marker = QObject::connect(
            &m_rig.link, &ControllerLink::jobFinished, [&answered](const LinkReply& reply) {
                if (reply.job.op == LinkOp::WriteRegister && reply.job.first == 6) answered = true;
            });
        find<QComboBox>("Combo6")->setCurrentIndex(segment - 1);
        click("Combo6Write");
        const bool delivered = waitFor([&answered] { return answered; });
        QObject::disconnect(marker);
        ASSERT_TRUE(delivered);
        EXPECT_EQ(model().holding(6), segment);
    }

    static bool waitFor(const std::function<bool()>& condition) {
        return QTest::qWaitFor(condition, test::kWaitMs);
    }

    sim::ControllerModel& model() { return m_rig.line.model(); }

    test::WindowRig m_rig;
    std::unique_ptr<OverviewWindow> m_window;
};

TEST_F(RunControlLinkTest, OutputWriteWithinRangeOnly) {
    model().setCoil(1, true);  // manual: the controller keeps the output as written
    QSignalSpy finished(&m_rig.link, &ControllerLink::jobFinished);
    enter("T_3RW_1", "Command25", QStringLiteral("100"));
    ASSERT_TRUE(waitFor([&] { return model().holding(2) == 1000; }));
    EXPECT_TRUE(find("Command25")->isHidden());
    EXPECT_EQ(find<QLineEdit>("T_3RW_2")->palette().color(QPalette::Base), QColor(Qt::white));

    for (const char* text : {"100.1", "-0.1"}) {
        enter("T_3RW_1", "Command25", QString::fromLatin1(text));
        EXPECT_FALSE(find("Command25")->isHidden()) << text;
    }
    drainWithMarker(7);
    int outputWrites = 0;
    for (const QList<QVariant>& args : finished) {
        const auto reply = args.at(0).value<LinkReply>();
        if (reply.job.op == LinkOp::WriteRegister && reply.job.first == 2) ++outputWrites;
    }
    EXPECT_EQ(outputWrites, 1);
    EXPECT_EQ(model().holding(2), 1000);
}

TEST_F(RunControlLinkTest, SetValuesUpToTheRegisterLimit) {
    enter("T_3RW_2", "Command11", QStringLiteral("3000"));
    ASSERT_TRUE(waitFor([&] { return model().holding(3) == 30000; }));
    EXPECT_TRUE(find("Command11")->isHidden());
    enter("T_3RW_3", "Command17", QStringLiteral("3000.1"));
    EXPECT_FALSE(find("Command17")->isHidden());
    enter("T_3RW_3", "Command17", QStringLiteral("45.5"));
    ASSERT_TRUE(waitFor([&] { return model().holding(4) == 455; }));
    EXPECT_TRUE(waitFor([&] { return find<QLabel>("D_4W_3")->text() == QStringLiteral("45.5"); }));
}

TEST_F(RunControlLinkTest, NumbersTypedWithAChineseInputMethodWriteTheirValue) {
    const std::size_t mark = m_rig.writeCount();
    enter("T_3RW_2", "Command11", QStringLiteral("１２３"));
    EXPECT_TRUE(m_rig.waitForWrite("holding 3 1230", mark));
    enter("T_3RW_3", "Command17", QStringLiteral("－４５．５"));
    EXPECT_TRUE(m_rig.waitForWrite("holding 4 -455", mark));
}

TEST_F(RunControlLinkTest, ProgramSelectorsWriteTheirCodesAndKeepTheirEntries) {
    // The controller reports its program state in register 8: run first, then end.
    auto* function = find<QComboBox>("Combo3");
    function->setCurrentIndex(1);
    click("Combo3Write");
    ASSERT_TRUE(waitFor([&] { return model().holding(8) == 1; }));
    function->setCurrentIndex(3);
    click("Combo3Write");
    ASSERT_TRUE(waitFor([&] { return model().holding(8) == 4; }));
    EXPECT_TRUE(waitFor([&] { return find<QLabel>("D_4W_7")->text() == QStringLiteral("结束"); }));
    EXPECT_EQ(function->currentText(), QStringLiteral("4:结束 "));

    find<QComboBox>("Combo6")->setCurrentIndex(0);
    click("Combo6Write");
    find<QComboBox>("Combo4")->setCurrentIndex(5);
    click("Combo4Write");
    ASSERT_TRUE(waitFor([&] { return model().holding(7) == 5; }));
    EXPECT_EQ(model().holding(6), 1);
    EXPECT_EQ(find<QComboBox>("Combo4")->currentText(), QStringLiteral("5 "));
}

TEST_F(RunControlLinkTest, TogglesFollowThePolledCoil) {
    ASSERT_FALSE(model().coil(1));
    click("CoilToggle_1");
    ASSERT_TRUE(waitFor([&] { return model().coil(1); }));
    ASSERT_TRUE(waitFor([&] { return find<QLabel>("D_1RW_0")->text() == QStringLiteral("手动"); }));
    click("CoilToggle_1");
    ASSERT_TRUE(waitFor([&] { return !model().coil(1); }));

    click("CoilToggle_4");
    ASSERT_TRUE(waitFor([&] { return find<QLabel>("D_1RW_3")->text() == QStringLiteral("STBY"); }));
    EXPECT_EQ(find<ReadoutLabel>("D_1RW_3")->background(), QColor(255, 192, 192));
}

TEST_F(RunControlLinkTest, CommandsAreJournaledAsTheOperatorSawThem) {
    const std::string function = std::to_string(m_rig.state.RunRaw[7]);
    enter("T_3RW_2", "Command11", QStringLiteral("250"));
    click("CoilToggle_1");
    find<QComboBox>("Combo3")->setCurrentIndex(3);
    click("Combo3Write");
    ASSERT_TRUE(m_rig.waitIdle());
    const std::string window = "ssqx Process Controller VT5800 OverView";
    EXPECT_EQ(vt::testing::JournalLines(m_rig.journal()),
              (std::vector<std::string>{
                  window + "|SV1|holding 3|100|250|2500|1", window + "|A/M|coil 1|自动|手动|1|1",
                  window + "|程序功能|holding 8|" + function + "|4:结束 |4|1"}));
}

TEST_F(RunControlLinkTest, LinkHealthFollowsThePollingTicks) {
    auto* health = find<QLabel>("LinkHealth");
    ASSERT_TRUE(waitFor([&] { return health->text() == QStringLiteral("通讯正常"); }));
    EXPECT_TRUE(find<QLabel>("LinkReason")->isHidden());
    EXPECT_EQ(find<QLabel>("LinkFailures")->text(), QStringLiteral("0"));
    m_rig.line.change([](sim::SimulatorOptions& o) { o.dropRate = 1.0; });
    ASSERT_TRUE(waitFor([&] { return health->text() == QStringLiteral("通讯中断"); }));
    EXPECT_EQ(find<QLabel>("LinkReason")->text(), QStringLiteral("控制器无应答"));
    EXPECT_GT(find<QLabel>("LinkFailures")->text().toInt(), 0);
    click("Command10");
    EXPECT_EQ(health->text(), QStringLiteral("通讯中断"));
    EXPECT_EQ(find<QLabel>("LinkReason")->text(), QStringLiteral("端口未打开"));
}

}  // namespace
}  // namespace vt
