#pragma once

#include "editor_window.h"

namespace vt {

// Stands in for an editor window that is not built yet: its title, a note and its return
// button, which leads back to the overview like the real window's.
class PlaceholderWindow : public EditorWindow {
    Q_OBJECT
  public:
    PlaceholderWindow(StationWindow which, StationContext& context, QWidget* parent = nullptr);
};

}  // namespace vt
