#pragma once

#include <span>

#include "window_navigator.h"

namespace vt {

class GuardedWindow;
struct StationContext;

// Everything the station knows of one editor window, in one place: its button in the overview's
// navigation bar, its given name and title, its return button (" Esc 返回" windows also go back
// on the Esc key) and how it is built. The shell holds the table and hands it to every window
// in the station context; adding an editor window is adding its descriptor there.
struct EditorDescriptor {
    StationWindow window;
    const char* buttonName;  // in the navigation bar
    const char* caption;     // the button's caption
    const char* objectName;
    const char* title;
    const char* returnButtonName;
    const char* returnCaption;
    bool escReturns;
    GuardedWindow* (*make)(StationContext& context);
};

// The descriptor of `window` in `editors`; null if it has none.
const EditorDescriptor* FindEditor(std::span<const EditorDescriptor> editors, StationWindow window);

}  // namespace vt
