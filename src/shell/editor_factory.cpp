#include "editor_factory.h"

#include <array>

#include "alarm_window.h"
#include "config_window.h"
#include "group_limits_window.h"
#include "group_pid_window.h"
#include "pid_window.h"
#include "placeholder_window.h"
#include "program_window.h"

namespace vt {

namespace {

using EditorMaker = GuardedWindow* (*)(StationContext&);

struct EditorEntry {
    StationWindow window;
    EditorMaker make;
};

template <typename Window>
GuardedWindow* Make(StationContext& context) {
    return new Window(context);
}

// One line per editor window that is built.
constexpr std::array kEditors = {
    EditorEntry{StationWindow::CONFIG1, Make<ConfigWindow>},
    EditorEntry{StationWindow::PIDC, Make<PidWindow>},
    EditorEntry{StationWindow::Tech, Make<ProgramWindow>},
    EditorEntry{StationWindow::ALM1, Make<AlarmWindow>},
    EditorEntry{StationWindow::FenzuPID, Make<GroupPidWindow>},
    EditorEntry{StationWindow::Fenzuout1, Make<GroupLimitsWindow>},
};

}  // namespace

GuardedWindow* MakeEditor(StationWindow which, StationContext& context) {
    for (const EditorEntry& entry : kEditors) {
        if (entry.window == which) return entry.make(context);
    }
    return new PlaceholderWindow(which, context);
}

}  // namespace vt
