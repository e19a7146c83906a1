#include "editor_descriptors.h"

#include <array>

#include "alarm_window.h"
#include "config_window.h"
#include "group_limits_window.h"
#include "group_pid_window.h"
#include "image_commands.h"
#include "pid_window.h"
#include "program_window.h"

namespace vt {

namespace {

template <typename Window>
GuardedWindow* Make(StationContext& context) {
    return new Window(context);
}

// The configuration window with the controller image's commands in its place for commands.
GuardedWindow* MakeConfig(StationContext& context) {
    auto* window = new ConfigWindow(context);
    new ImageCommands(context, window, window->commandPlace());
    return window;
}

constexpr const char* kBack = "返回";
constexpr const char* kEscBack = " Esc 返回";

// One line per editor window.
constexpr std::array kEditors = {
    EditorDescriptor{StationWindow::Tech, "Command14", "曲线设置", "Tech", "工艺曲线设定",
                     "Command11", kEscBack, true, Make<ProgramWindow>},
    EditorDescriptor{StationWindow::ALM1, "Command15", "报警设置", "ALM1", "ALARM", "Command1",
                     kBack, false, Make<AlarmWindow>},
    EditorDescriptor{StationWindow::PIDC, "Command16", "PID参数", "PIDC", "PID参数设置", "Command2",
                     kBack, false, Make<PidWindow>},
    EditorDescriptor{StationWindow::CONFIG1, "Command21", "系统配置", "CONFIG1", "VT5800 CONFIG ",
                     "Command11", kEscBack, true, MakeConfig},
    EditorDescriptor{StationWindow::FenzuPID, "Command22", "PID分组", "FenzuPID", "分组输出限制",
                     "Command1", kBack, false, Make<GroupPidWindow>},
    EditorDescriptor{StationWindow::Fenzuout1, "Command24", "分组限幅", "Fenzuout1", "分组输出限制",
                     "Command1", kBack, false, Make<GroupLimitsWindow>},
};

}  // namespace

std::span<const EditorDescriptor> EditorDescriptors() { return kEditors; }

GuardedWindow* MakeEditor(StationWindow which, StationContext& context) {
    const EditorDescriptor* editor = FindEditor(context.editors, which);
    return editor ? editor->make(context) : nullptr;
}

}  // namespace vt
