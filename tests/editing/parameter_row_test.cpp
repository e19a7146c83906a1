#include "parameter_row.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "journal_fixture.h"
#include "parameter_rows.h"
#include "readout_label.h"
#include "window_rig.h"

namespace vt {
namespace {

constexpr OptionEntry kUnits[] = {{"0:摄氏度 ", "摄氏度"}, {"1:华氏度 ", "华氏度"}};

// A window with a list row, a "DOWN" number row and a focus-loss number row, writing to the
// simulator through the real link.
class ParameterRowTest : public ::testing::Test {
  protected:
    ParameterRowTest() : m_rows(m_rig.context, &m_window) {
        EXPECT_TRUE(m_rig.openPort());
        auto* grid = new QGridLayout(&m_window);
        m_list = m_rows.add(ListParameter(4102, "单位转换", kUnits, "0-摄氏度，1-华氏度"),
                            {"D_4W_6", "Combo5", "Command1_6"});
        m_tenths = m_rows.add(NumberParameter(4103, "数字滤波时间", ScalingRule::Tenths),
                              {"D_4W_7", "T_3RW_7", "Command1_7"});
        m_focusLoss =
            m_rows.add(NumberParameter(264, "加热器断线判断输出值", ScalingRule::TenthsPlain),
                       {"D_4W_263", "T_3RW_263", ""}, RowStyle{QColor(192, 255, 255)});
        for (int i = 0; i < 3; ++i) m_rows.rows()[static_cast<std::size_t>(i)]->placeIn(grid, i);
        EXPECT_TRUE(test::ShowActive(&m_window));
    }

    test::WindowRig m_rig;
    QWidget m_window;
    ParameterRows m_rows;
    ParameterRow* m_list = nullptr;
    ParameterRow* m_tenths = nullptr;
    ParameterRow* m_focusLoss = nullptr;
};

}  // namespace

TEST_F(ParameterRowTest, RowsCarryTheirNamesCaptionsAndListsInCodeOrder) {
    EXPECT_EQ(m_list->caption()->text(), QStringLiteral("单位转换"));
    EXPECT_EQ(m_list->list()->objectName(), QStringLiteral("Combo5"));
    EXPECT_EQ(m_list->list()->count(), 2);
    EXPECT_EQ(m_list->list()->currentText(), QStringLiteral("0:摄氏度 "));
    EXPECT_EQ(m_tenths->button()->text(), QStringLiteral("DOWN"));
    EXPECT_EQ(m_tenths->button()->accessibleDescription(), QStringLiteral("Command1_7"));
    EXPECT_EQ(m_tenths->entry()->accessibleName(), QStringLiteral("T_3RW_7"));
    EXPECT_EQ(m_tenths->value()->accessibleDescription(), QStringLiteral("D_4W_7"));
    EXPECT_TRUE(m_list->hint()->wordWrap());
    EXPECT_EQ(m_focusLoss->button(), nullptr);
}

TEST_F(ParameterRowTest, ReadoutsFollowTheRulesAndKeepTextForUnknownCodes) {
    const std::int32_t block[] = {1, 25};
    m_rows.showBlock(4102, block);
    EXPECT_EQ(m_list->value()->text(), QStringLiteral("华氏度"));
    EXPECT_EQ(m_tenths->value()->text(), QStringLiteral("2.5"));
    const std::int32_t unknown[] = {9};
    m_rows.showBlock(4102, unknown);
    EXPECT_EQ(m_list->value()->text(), QStringLiteral("华氏度"));
    EXPECT_EQ(m_tenths->value()->text(), QStringLiteral("2.5"));  // outside the block
}

TEST_F(ParameterRowTest, DownWritesTheConvertedEntryAndLeavesTheInputAsItWas) {
    const std::size_t mark = m_rig.writeCount();
    m_tenths->entry()->setText(QStringLiteral("0.25"));
    QTest::mouseClick(m_tenths->button(), Qt::LeftButton);
    EXPECT_TRUE(m_rig.waitForWrite("holding 4103 2", mark));
    m_list->list()->setCurrentIndex(1);
    QTest::mouseClick(m_list->button(), Qt::LeftButton);
    EXPECT_TRUE(m_rig.waitForWrite("holding 4102 1", mark));
    EXPECT_EQ(m_list->list()->currentText(), QStringLiteral("1:华氏度 "));
    EXPECT_EQ(m_tenths->entry()->text(), QStringLiteral("0.25"));
}

TEST_F(ParameterRowTest, FocusLossWritesOnlyWhatTheOperatorTyped) {
    const std::size_t mark = m_rig.writeCount();
    m_focusLoss->entry()->setFocus();
    QTest::keyClick(&m_window, Qt::Key_Tab);  // passing through writes nothing
    m_focusLoss->entry()->setFocus();
    QTest::keyClicks(m_focusLoss->entry(), "12.5");
    EXPECT_EQ(m_focusLoss->entry()->palette().color(QPalette::Base), QColor(192, 255, 255));
    m_tenths->entry()->setFocus();
    EXPECT_TRUE(m_rig.waitForWrite("holding 264 125", mark));
    EXPECT_EQ(m_focusLoss->entry()->palette().color(QPalette::Base), QColor(Qt::white));
    m_focusLoss->entry()->setFocus();
    m_tenths->entry()->setFocus();  // in and out again without typing
    ASSERT_TRUE(m_rig.waitIdle());
    EXPECT_EQ(m_rig.writesSince(mark), std::vector<std::string>{"holding 264 125"});
}

TEST_F(ParameterRowTest, APopupInTheMiddleOfTypingSendsOnlyTheWholeEntry) {
    const std::size_t mark = m_rig.writeCount();
    QLineEdit* entry = m_focusLoss->entry();
    entry->setFocus();
    QTest::keyClicks(entry, "12");
    QMenu menu(entry);  // as a context menu opened over the box
    menu.addAction(QStringLiteral("复制"));
    menu.popup(entry->mapToGlobal(QPoint(2, 2)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    menu.close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return entry->hasFocus(); }));
    QTest::keyClicks(entry, ".5");
    m_tenths->entry()->setFocus();
    ASSERT_TRUE(m_rig.waitForWrite("holding 264 125", mark));
    ASSERT_TRUE(m_rig.waitIdle());
    EXPECT_EQ(m_rig.writesSince(mark), std::vector<std::string>{"holding 264 125"});
}

TEST_F(ParameterRowTest, AnImageBeyondTheSignedRegisterIsRefusedWithAMessage) {
    const std::size_t mark = m_rig.writeCount();
    m_tenths->entry()->setText(QStringLiteral("3276.8"));  // 32768
    QTest::mouseClick(m_tenths->button(), Qt::LeftButton);
    auto* message = m_window.findChild<QMessageBox*>(QStringLiteral("RegisterRefusal"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(message->text().contains(QStringLiteral("3276.8")));
    m_tenths->entry()->setText(QStringLiteral("-3276.8"));  // -32768 fits
    QTest::mouseClick(m_tenths->button(), Qt::LeftButton);
    ASSERT_TRUE(m_rig.waitForWrite("holding 4103 -32768", mark));
    ASSERT_TRUE(m_rig.waitIdle());
    EXPECT_EQ(m_rig.writesSince(mark), std::vector<std::string>{"holding 4103 -32768"});
}

TEST_F(ParameterRowTest, WritesAreJournaledAsTheOperatorSawThem) {
    m_window.setObjectName(QStringLiteral("CONFIG1"));
    m_window.setWindowTitle(QStringLiteral("VT5800 CONFIG "));
    const std::int32_t block[] = {1, 25};
    m_rows.showBlock(4102, block);
    m_tenths->entry()->setText(QStringLiteral("0.25"));
    QTest::mouseClick(m_tenths->button(), Qt::LeftButton);
    m_focusLoss->entry()->setFocus();
    QTest::keyClicks(m_focusLoss->entry(), "12.5");
    m_tenths->entry()->setFocus();
    ASSERT_TRUE(m_rig.waitForWrite("holding 264 125"));
    ASSERT_TRUE(m_rig.waitIdle());
    // The focus-loss row's readout never showed a value: its value before is not known.
    EXPECT_EQ(vt::testing::JournalLines(m_rig.journal()),
              (std::vector<std::string>{
                  "CONFIG1 VT5800 CONFIG|数字滤波时间|holding 4103|2.5|0.25|2|1",
                  "CONFIG1 VT5800 CONFIG|加热器断线判断输出值|holding 264||12.5|125|1"}));
}

}  // namespace vt
