#include "window_names.h"

namespace vt {

EditorWindowInfo EditorInfo(StationWindow editor) {
    const QString back = QStringLiteral("返回");
    const QString escBack = QStringLiteral(" Esc 返回");
    switch (editor) {
        case StationWindow::Tech:
            return {QStringLiteral("Tech"), QStringLiteral("工艺曲线设定"), escBack,
                    QStringLiteral("Command11"), true};
        case StationWindow::CONFIG1:
            return {QStringLiteral("CONFIG1"), QStringLiteral("VT5800 CONFIG "), escBack,
                    QStringLiteral("Command11"), true};
        case StationWindow::ALM1:
            return {QStringLiteral("ALM1"), QStringLiteral("ALARM"), back,
                    QStringLiteral("Command1"), false};
        case StationWindow::PIDC:
            return {QStringLiteral("PIDC"), QStringLiteral("PID参数设置"), back,
                    QStringLiteral("Command2"), false};
        case StationWindow::FenzuPID:
            return {QStringLiteral("FenzuPID"), QStringLiteral("分组输出限制"), back,
                    QStringLiteral("Command1"), false};
        case StationWindow::Fenzuout1:
            return {QStringLiteral("Fenzuout1"), QStringLiteral("分组输出限制"), back,
                    QStringLiteral("Command1"), false};
        default:
            return {};
    }
}

}  // namespace vt
