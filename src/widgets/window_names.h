#pragma once

#include <QString>

#include "window_navigator.h"

namespace vt {

// How an editor window presents itself and how it is left.
struct EditorWindowInfo {
    QString objectName;
    QString title;
    QString returnCaption;
    QString returnButtonName;
    bool escReturns = false;  // " Esc 返回" windows go back on the Esc key
};

EditorWindowInfo EditorInfo(StationWindow editor);

}  // namespace vt
