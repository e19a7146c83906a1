#include <gtest/gtest.h>

#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

#include "editor_descriptors.h"
#include "guarded_window.h"
#include "history_table_window.h"
#include "history_window.h"
#include "journal_window.h"
#include "overview_window.h"
#include "window_rig.h"

namespace vt {
namespace {

// Longer than the few seconds after which a progress dialog shows itself on its own timer.
constexpr int kLeftAloneMs = 5000;

bool ShowTimerPending(const QProgressDialog* dialog) {
    for (const QTimer* timer : dialog->findChildren<QTimer*>()) {
        if (timer->isActive()) return true;
    }
    return false;
}

// Every window of the station, opened and then left alone: no progress dialog shows before its
// work starts.
TEST(QuietWindowsTest, NoWindowLeftAloneShowsADialog) {
    test::WindowRig rig;
    ASSERT_TRUE(rig.openPort());
    std::vector<std::unique_ptr<QWidget>> windows;
    for (const EditorDescriptor& editor : EditorDescriptors())
        windows.emplace_back(editor.make(rig.context));
    windows.emplace_back(new OverviewWindow(rig.context));
    windows.emplace_back(new HistoryWindow(rig.context));
    windows.emplace_back(new HistoryTableWindow(rig.context));
    windows.emplace_back(new JournalWindow(rig.context));
    std::vector<QProgressDialog*> dialogs;
    for (const auto& window : windows) {
        window->show();
        for (QProgressDialog* dialog : window->findChildren<QProgressDialog*>())
            dialogs.push_back(dialog);
    }
    ASSERT_FALSE(dialogs.empty());
    // Waits until no dialog has a show pending (at once when none was started).
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return std::none_of(dialogs.begin(), dialogs.end(), ShowTimerPending); },
        kLeftAloneMs));
    for (const QProgressDialog* dialog : dialogs)
        EXPECT_FALSE(dialog->isVisible()) << dialog->objectName().toStdString();
    for (const auto& window : windows) static_cast<GuardedWindow*>(window.get())->leave();
}

}  // namespace
}  // namespace vt
