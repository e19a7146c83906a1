#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "window_rig.h"

namespace vt::test {

// A grouped table window shown against the simulator, its refresh driven by the test: the
// window's own timer is stopped, refresh() reads once.
template <typename Window>
class GroupTableFixture : public ::testing::Test {
  protected:
    GroupTableFixture() {
        EXPECT_TRUE(m_rig.openPort());
        m_window = std::make_unique<Window>(m_rig.context);
        m_window->reads().stop();
        m_window->resize(1366, 768);
        EXPECT_TRUE(ShowActive(m_window.get()));
    }

    // One refresh of every block; true once they are all back.
    bool refresh() {
        QSignalSpy cycles(&m_window->reads(), &PeriodicRead::cycleFinished);
        m_window->reads().readNow();
        return cycles.wait(kWaitMs);
    }
    // The requests the simulator receives for one confirmed edit, the polling cycle stopped.
    std::uint64_t requestsForEdit(int row, int column, const char* text) {
        m_rig.polling.stop();
        EXPECT_TRUE(m_rig.waitIdle());
        const std::uint64_t before = m_rig.line.server().requestsReceived();
        clickCell(row, column);
        enter(text);
        EXPECT_TRUE(m_rig.waitIdle());
        return m_rig.line.server().requestsReceived() - before;
    }
    void clickCell(int row, int column) {
        CellEditGrid* grid = m_window->grid();
        QTableWidgetItem* cell = grid->item(row - 1, column);
        grid->scrollToItem(cell);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualItemRect(cell).center());
    }
    // Types `text` into the edit box and presses Enter.
    void enter(const char* text) {
        QTest::keyClicks(m_window->grid()->editBox(), text);
        QTest::keyClick(m_window->grid()->editBox(), Qt::Key_Return);
    }

    WindowRig m_rig;
    std::unique_ptr<Window> m_window;
};

}  // namespace vt::test
