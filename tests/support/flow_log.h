#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "window_navigator.h"

namespace vt::test {

// A window flow that only writes down, in order, every step a window asks of it, and the
// editor windows asked for.
class FlowLog : public WindowNavigator {
  public:
    void openEditor(StationWindow editor) override {
        calls << QStringLiteral("openEditor");
        editors.push_back(editor);
    }
    void returnFromEditor(StationWindow) override { calls << QStringLiteral("returnFromEditor"); }
    void openHistory() override { calls << QStringLiteral("openHistory"); }
    void returnFromHistory() override { calls << QStringLiteral("returnFromHistory"); }
    void openHistoryTable() override { calls << QStringLiteral("openHistoryTable"); }
    void returnFromHistoryTable() override { calls << QStringLiteral("returnFromHistoryTable"); }
    void openJournal() override { calls << QStringLiteral("openJournal"); }
    void returnFromJournal() override { calls << QStringLiteral("returnFromJournal"); }
    void exitStation() override { calls << QStringLiteral("exitStation"); }

    QStringList calls;
    std::vector<StationWindow> editors;
};

}  // namespace vt::test
