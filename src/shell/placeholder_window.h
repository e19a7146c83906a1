#pragma once

#include "guarded_window.h"
#include "window_navigator.h"

namespace vt {

// Stands in for an editor window that is not built yet: its title, a note and its return
// button, which leads back to the overview like the real window's.
class PlaceholderWindow : public GuardedWindow {
    Q_OBJECT
public:
    PlaceholderWindow(StationWindow which, WindowNavigator& navigator, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void returnToOverview();

    StationWindow m_which;
    WindowNavigator& m_navigator;
    bool m_escReturns = false;
};

}  // namespace vt
