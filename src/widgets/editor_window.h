#pragma once

#include "guarded_window.h"
#include "station_context.h"
#include "window_navigator.h"

class QPushButton;

namespace vt {

// An editor window opened from the overview: its given name and title, the close guard armed
// from the start, and its return button (" Esc 返回" windows also go back on the Esc key),
// which leaves the window and shows the overview again. Subclasses build their controls and
// place returnButton() in their layout.
class EditorWindow : public GuardedWindow {
    Q_OBJECT
  public:
    EditorWindow(StationWindow which, StationContext& context, QWidget* parent = nullptr);

    QPushButton* returnButton() const { return m_returnButton; }

    // Leaves the window for good and shows the overview (the return button).
    void returnToOverview();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

    StationContext& m_context;

  private:
    StationWindow m_which;
    QPushButton* m_returnButton = nullptr;
    bool m_escReturns = false;
};

}  // namespace vt
