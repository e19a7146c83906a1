#include "cell_edit_grid.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "journal_fixture.h"
#include "window_rig.h"

namespace vt {
namespace {

// A two-column grid of four rows: column 1 is a limit 0..100 at 4610 + row, column 2 is not
// editable.
class CellEditGridTest : public ::testing::Test {
  protected:
    CellEditGridTest() {
        EXPECT_TRUE(m_rig.openPort());
        m_grid = new CellEditGrid(QStringLiteral("MSFlexGrid1"), m_rig.context, &m_window);
        m_grid->setLayout(
            {QStringLiteral("分组号 "), QStringLiteral("输出上限福"), QStringLiteral("PID组")},
            {1000, 1500, 1200}, 4);
        m_grid->setCellWrites([](int row, int column) -> std::optional<Parameter> {
            if (column != 1) return std::nullopt;
            Parameter limit =
                NumberParameter(4610 + row, "", ScalingRule::Raw, "", RetryRule::OnAnyFailure);
            limit.range = EntryRange{0, 100};
            return limit;
        });
        for (int r = 1; r <= 4; ++r) m_grid->setCellText(r, 1, QString::number(r * 10));
        (new QVBoxLayout(&m_window))->addWidget(m_grid);
        m_window.resize(400, 300);
        EXPECT_TRUE(test::ShowActive(&m_window));
    }

    void clickCell(int row, int column) {
        const QRect cell = m_grid->visualItemRect(m_grid->item(row - 1, column));
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void type(const char* text) {
        QTest::keyClicks(m_grid->editBox(), text);
        QTest::keyClick(m_grid->editBox(), Qt::Key_Return);
    }

    test::WindowRig m_rig;
    QWidget m_window;
    CellEditGrid* m_grid = nullptr;
};

}  // namespace

TEST_F(CellEditGridTest, ClickLaysTheEditBoxOverTheCellWithItsTextSelected) {
    EXPECT_EQ(m_grid->editBox()->accessibleName(), QStringLiteral("Text1"));
    EXPECT_EQ(m_grid->editBox()->parentWidget(), &m_window);
    clickCell(3, 1);
    QLineEdit* box = m_grid->editBox();
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), QStringLiteral("30"));
    EXPECT_EQ(box->selectedText(), QStringLiteral("30"));
    EXPECT_TRUE(box->hasFocus());
    const QRect cell = m_grid->visualItemRect(m_grid->item(2, 1));
    EXPECT_EQ(box->geometry().topLeft(), m_grid->viewport()->mapTo(&m_window, cell.topLeft()));
    EXPECT_EQ(m_grid->selectedRow(), 3);
    EXPECT_EQ(m_grid->selectedColumn(), 1);
}

TEST_F(CellEditGridTest, AClickRightAfterAnEditOpensTheBoxAgain) {
    clickCell(2, 1);
    QTest::keyClick(m_grid->editBox(), Qt::Key_Escape);
    const QRect cell = m_grid->visualItemRect(m_grid->item(1, 1));
    QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(m_grid->editBox()->isVisible());
}

TEST_F(CellEditGridTest, OnlyEditableCellsOpenTheEditBox) {
    clickCell(2, 2);
    clickCell(2, 0);
    EXPECT_FALSE(m_grid->editBox()->isVisible());
    EXPECT_EQ(m_grid->selectedRow(), 0);
}

TEST_F(CellEditGridTest, EnterWritesAnAcceptedNumberAndDropsARejectedOne) {
    QSignalSpy committed(m_grid, &CellEditGrid::committed);
    QSignalSpy rejected(m_grid, &CellEditGrid::rejected);
    const std::size_t mark = m_rig.writeCount();
    clickCell(1, 1);
    type("150");
    EXPECT_FALSE(m_grid->editBox()->isVisible());
    EXPECT_EQ(rejected.count(), 1);
    clickCell(1, 1);
    type("99.5");
    EXPECT_TRUE(m_rig.waitForWrite("holding 4611 100", mark));
    ASSERT_EQ(committed.count(), 1);
    EXPECT_EQ(committed.at(0).at(2).toDouble(), 99.5);
    EXPECT_EQ(m_rig.writesSince(mark), std::vector<std::string>{"holding 4611 100"});
}

TEST_F(CellEditGridTest, AnImageBeyondTheSignedRegisterIsRefusedWithAMessageAsInARow) {
    m_grid->setCellWrites([](int row, int column) -> std::optional<Parameter> {
        if (column != 1) return std::nullopt;
        return NumberParameter(4610 + row, "", ScalingRule::Tenths);
    });
    QSignalSpy rejected(m_grid, &CellEditGrid::rejected);
    const std::size_t mark = m_rig.writeCount();
    clickCell(1, 1);
    type("3276.8");
    EXPECT_EQ(rejected.count(), 1);
    auto* message = m_window.findChild<QMessageBox*>(QStringLiteral("RegisterRefusal"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    clickCell(1, 1);
    type("-3276.8");
    ASSERT_TRUE(m_rig.waitForWrite("holding 4611 -32768", mark));
    EXPECT_EQ(m_rig.writesSince(mark), std::vector<std::string>{"holding 4611 -32768"});
}

TEST_F(CellEditGridTest, AQuickSecondClickEditsAgain) {
    clickCell(1, 1);
    type("150");  // rejected: the box closes over the same cell
    const QRect cell = m_grid->visualItemRect(m_grid->item(0, 1));
    QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_TRUE(m_grid->editBox()->isVisible());
}

TEST_F(CellEditGridTest, AnEditIsJournaledWithTheCellAsItWasAndTheTextTyped) {
    m_window.setObjectName(QStringLiteral("Fenzuout1"));
    m_window.setWindowTitle(QStringLiteral("分组输出限制"));
    m_grid->setCellText(2, 0, QStringLiteral("2"));
    clickCell(2, 1);
    type("99.5");
    ASSERT_TRUE(m_rig.waitForWrite("holding 4612 100"));
    ASSERT_TRUE(m_rig.waitIdle());
    EXPECT_EQ(
        vt::testing::JournalLines(m_rig.journal()),
        std::vector<std::string>{"Fenzuout1 分组输出限制|2 输出上限福|holding 4612|20|99.5|100|1"});
}

TEST_F(CellEditGridTest, RefreshNeverTouchesTheOperatorsTyping) {
    clickCell(2, 1);
    QTest::keyClicks(m_grid->editBox(), "7");
    m_grid->setCellText(2, 1, QStringLiteral("55"));
    EXPECT_EQ(m_grid->editBox()->text(), QStringLiteral("7"));
    EXPECT_EQ(m_grid->cellText(2, 1), QStringLiteral("55"));
    QTest::keyClick(m_grid->editBox(), Qt::Key_Escape);  // Esc drops the edit
    EXPECT_FALSE(m_grid->editBox()->isVisible());
}

TEST_F(CellEditGridTest, KeyboardStartsAnEditOnTheCurrentCell) {
    m_grid->setFocus();
    m_grid->setCurrentCell(3, 1);
    QTest::keyClick(m_grid, Qt::Key_F2);
    EXPECT_TRUE(m_grid->editBox()->isVisible());
    EXPECT_EQ(m_grid->selectedRow(), 4);
}

}  // namespace vt
