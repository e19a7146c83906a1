#include "program_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "cell_edit_grid.h"
#include "cell_status_bar.h"
#include "readout_label.h"
#include "window_rig.h"

namespace vt {
namespace {

class ProgramWindowTest : public ::testing::Test {
  protected:
    ProgramWindowTest() {
        EXPECT_TRUE(m_rig.openPort());
        open();
    }

    void open() {
        m_window = std::make_unique<ProgramWindow>(m_rig.context);
        m_window->resize(1366, 768);
        EXPECT_TRUE(test::ShowActive(m_window.get()));
        m_grid = test::Find<CellEditGrid>(m_window.get(), QStringLiteral("Flxg"));
    }

    template <typename T = QWidget>
    T* find(const QString& name) {
        return test::Find<T>(m_window.get(), name);
    }

    void upload() {
        QSignalSpy uploaded(&m_window->model(), &ProgramModel::uploaded);
        QTest::mouseClick(find<QPushButton>(QStringLiteral("Command1A")), Qt::LeftButton);
        EXPECT_TRUE(uploaded.wait(test::kWaitMs));
    }

    void clickCell(int row, int column) {
        m_grid->scrollToItem(m_grid->item(row - 1, column));
        const QRect cell = m_grid->visualItemRect(m_grid->item(row - 1, column));
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void typeIntoCell(int row, int column, const QString& text) {
        clickCell(row, column);
        ASSERT_TRUE(m_grid->editBox()->isVisible());
        QTest::keyClicks(m_grid->editBox(), text);
        QTest::keyClick(m_grid->editBox(), Qt::Key_Return);
    }

    void press(const char* button) {
        QTest::mouseClick(find<QPushButton>(QString::fromUtf8(button)), Qt::LeftButton);
    }

    test::WindowRig m_rig;
    std::unique_ptr<ProgramWindow> m_window;
    CellEditGrid* m_grid = nullptr;
};

}  // namespace

TEST_F(ProgramWindowTest, WindowShowsGridParametersAndCurveControls) {
    EXPECT_EQ(m_window->objectName(), QStringLiteral("Tech"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("工艺曲线设定"));
    ASSERT_EQ(m_grid->rowCount(), 24);
    ASSERT_EQ(m_grid->columnCount(), 7);
    const QStringList heads = {"段号 ", "温度", "时间", "IO状态 ", "PID组", "限幅组", "NAlm"};
    const int widths[] = {550, 750, 750, 800, 750, 800, 750};
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(m_grid->horizontalHeaderItem(c)->text(), heads[c]);
        EXPECT_EQ(m_grid->columnWidth(c), TwipsToPixels(widths[c]));
    }
    EXPECT_EQ(m_grid->cellText(24, 0), QStringLiteral("24"));
    EXPECT_EQ(m_grid->accessibleName(), QStringLiteral("Flxg"));
    const auto downs = find(QStringLiteral("Frame3"))->findChildren<QPushButton*>();
    EXPECT_EQ(downs.size(), 12);
    EXPECT_EQ(find<QPushButton>(QStringLiteral("Command1_3"))->accessibleDescription(),
              QStringLiteral("Command1_3"));
    EXPECT_EQ(find<QPushButton>(QStringLiteral("Command1b"))->accessibleDescription(),
              QStringLiteral("Command1b"));
    EXPECT_EQ(find<QComboBox>(QStringLiteral("CB3"))->itemText(2),
              QStringLiteral("2:来电从第一段运行 "));
    EXPECT_TRUE(find<QComboBox>(QStringLiteral("CB3"))->isEditable());
    EXPECT_EQ(find<QComboBox>(QStringLiteral("Combo4"))->count(), 9);
    EXPECT_EQ(find<QPushButton>(QStringLiteral("Command11"))->text(), QStringLiteral(" Esc 返回"));
    for (const char* timer : {"Timer1", "Timer2"}) {
        auto* t = m_window->findChild<QTimer*>(QString::fromUtf8(timer));
        ASSERT_NE(t, nullptr) << timer;
        EXPECT_EQ(t->interval(), 1000);
        EXPECT_TRUE(t->isActive());
    }
}

TEST_F(ProgramWindowTest, RefreshShowsTheMirrorAndTheLiveCurveNumber) {
    m_rig.polling.stop();
    ASSERT_TRUE(m_rig.waitIdle());
    m_rig.state.RunValue[6] = 5;
    m_rig.state.CurveMirror.Parameters[1] = -3;
    m_rig.state.CurveMirror.Segments[7][4] = 12;
    m_window->refresh();
    EXPECT_EQ(find<ReadoutLabel>(QStringLiteral("D_4W_6"))->text(), QStringLiteral("5"));
    EXPECT_EQ(find<ReadoutLabel>(QStringLiteral("Label3_1"))->text(), QStringLiteral("-3"));
    EXPECT_EQ(m_grid->cellText(7, 5), QStringLiteral("12"));
    clickCell(7, 5);
    QTest::keyClicks(m_grid->editBox(), "3");
    m_rig.state.CurveMirror.Segments[7][4] = 13;
    m_window->refresh();
    EXPECT_EQ(m_grid->editBox()->text(), QStringLiteral("3"));
    auto* status = find<CellStatusBar>(QStringLiteral("StatusBar1"));
    EXPECT_EQ(status->panel(1)->text(), QStringLiteral("当前行"));
    EXPECT_EQ(status->panel(2)->text(), QStringLiteral("7"));
    EXPECT_EQ(status->panel(3)->text(), QStringLiteral("当前列"));
    EXPECT_EQ(status->panel(4)->text(), QStringLiteral("5"));
}

struct CellEdit {
    int row;
    int column;
    const char* typed;
    const char* written;  // empty: nothing is written and the cell keeps its text
    const char* shown;
};

class ProgramCellEditTest : public ProgramWindowTest,
                            public ::testing::WithParamInterface<CellEdit> {};

TEST_P(ProgramCellEditTest, EnterWritesAnAcceptedValueAndStoresItWhole) {
    upload();
    const CellEdit& c = GetParam();
    const QString before = m_grid->cellText(c.row, c.column);
    const std::size_t mark = m_rig.writeCount();
    typeIntoCell(c.row, c.column, QString::fromUtf8(c.typed));
    EXPECT_FALSE(m_grid->editBox()->isVisible());
    if (*c.written) {
        EXPECT_TRUE(m_rig.waitForWrite(c.written, mark));
        EXPECT_EQ(m_grid->cellText(c.row, c.column), QString::fromUtf8(c.shown));
    } else {
        ASSERT_TRUE(m_rig.waitIdle());
        EXPECT_EQ(m_rig.writesSince(mark), std::vector<std::string>{});
        EXPECT_EQ(m_grid->cellText(c.row, c.column), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Columns, ProgramCellEditTest,
                         ::testing::Values(CellEdit{3, 2, "999", "holding 8226 999", "999"},
                                           CellEdit{3, 2, "1000", "", ""},
                                           CellEdit{1, 1, "100.5", "holding 8209 1000", "100"},
                                           CellEdit{1, 1, "3000", "holding 8209 30000", "3000"},
                                           // 3500.0 at one decimal place does not fit the register.
                                           CellEdit{1, 1, "3500", "", ""},
                                           CellEdit{5, 4, "-7", "holding 8244 -7", "-7"},
                                           CellEdit{5, 5, "21", "", ""},
                                           CellEdit{24, 6, "1", "holding 8398 1", "1"}));

TEST_F(ProgramWindowTest, SegmentWritesAreSentAgainOnAnyFailureParametersOnlyWithoutAnswer) {
    m_rig.polling.stop();
    m_window->model().parameterRead().stop();
    m_rig.line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {8194, 8210}; });
    ASSERT_TRUE(m_rig.waitIdle());
    const auto requests = [&] { return m_rig.line.server().requestsReceived(); };
    std::uint64_t before = requests();
    typeIntoCell(1, 2, QStringLiteral("30"));
    m_window->model().parameterRead().stop();  // the commit restarted it
    ASSERT_TRUE(m_rig.waitIdle());
    EXPECT_EQ(requests() - before, 2u);
    before = requests();
    find<QLineEdit>(QStringLiteral("TextA_1"))->setText(QStringLiteral("1"));
    press("Command1_1");
    ASSERT_TRUE(m_rig.waitIdle());
    EXPECT_EQ(requests() - before, 1u);
}

struct ParameterWrite {
    const char* input;
    const char* button;
    const char* text;  // chosen from the list when it is one of its entries, else typed
    const char* written;
};

class ProgramParameterWriteTest : public ProgramWindowTest,
                                  public ::testing::WithParamInterface<ParameterWrite> {};

TEST_P(ProgramParameterWriteTest, DownWritesTheEntryToItsRegister) {
    const ParameterWrite& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    if (auto* list = qobject_cast<QComboBox*>(find(QString::fromUtf8(c.input)))) {
        const int index = list->findText(text);
        if (index >= 0) {
            list->setCurrentIndex(index);
        } else {
            list->setEditText(text);
        }
    } else {
        find<QLineEdit>(QString::fromUtf8(c.input))->setText(text);
    }
    const std::size_t mark = m_rig.writeCount();
    press(c.button);
    EXPECT_TRUE(m_rig.waitForWrite(c.written, mark));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProgramParameterWriteTest,
    ::testing::Values(ParameterWrite{"CB3", "Command1d", "2:来电从第一段运行 ", "holding 8198 2"},
                      ParameterWrite{"CB3", "Command1d", "4", "holding 8198 4"},
                      ParameterWrite{"TextA_1", "Command1_1", "2.5", "holding 8194 25"},
                      // Loop start and loop end through their own controls.
                      ParameterWrite{"TextA_9", "Command1_9", "3", "holding 8202 3"},
                      ParameterWrite{"TextA_10", "Command1_10", "5", "holding 8203 5"}));

TEST_F(ProgramWindowTest, GridKeepsThePreviousCurveAfterASelectionUntilAnUpload) {
    upload();
    EXPECT_EQ(m_grid->cellText(1, 1), QStringLiteral("100"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label5"))->text(), QStringLiteral("100"));
    auto* choice = find<QComboBox>(QStringLiteral("Combo4"));
    choice->setCurrentIndex(3);
    const std::size_t mark = m_rig.writeCount();
    press("Command27");
    ASSERT_TRUE(m_rig.waitForWrite("holding 7 3", mark));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return find<ReadoutLabel>(QStringLiteral("D_4W_6"))->text() == QStringLiteral("3"); },
        test::kWaitMs));
    EXPECT_EQ(m_grid->cellText(1, 1), QStringLiteral("100"));
    upload();
    EXPECT_EQ(m_grid->cellText(1, 1), QStringLiteral("250"));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label5"))->text(), QStringLiteral("250"));
}

TEST_F(ProgramWindowTest, UploadShowsTheBusyPointerUntilItsBlocksAreIn) {
    QSignalSpy uploaded(&m_window->model(), &ProgramModel::uploaded);
    press("Command1A");
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ASSERT_TRUE(uploaded.wait(test::kWaitMs));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ProgramWindowTest, TheMirrorOutlivesTheWindow) {
    upload();
    QTest::mouseClick(find<QPushButton>(QStringLiteral("Command11")), Qt::LeftButton);
    EXPECT_EQ(m_rig.flow.calls, QStringList{QStringLiteral("returnFromEditor")});
    m_window.reset();
    open();
    EXPECT_EQ(m_grid->cellText(2, 2), QStringLiteral("20"));
}

TEST_F(ProgramWindowTest, CloseBoxIsRefusedAndEscGoesBack) {
    EXPECT_FALSE(m_window->close());
    EXPECT_TRUE(m_window->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    EXPECT_EQ(m_rig.flow.calls, QStringList{QStringLiteral("returnFromEditor")});
    EXPECT_FALSE(m_window->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    EXPECT_FALSE(m_window->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
}

}  // namespace vt
