#pragma once

#include <QWidget>

namespace vt {

// A station window that the title-bar close box cannot close: its load arms the guard, and
// only the window's own return or exit button clears it before leaving.
class GuardedWindow : public QWidget {
    Q_OBJECT
  public:
    explicit GuardedWindow(QWidget* parent = nullptr);

    bool keepOpen() const { return m_keepOpen; }
    void setKeepOpen(bool keepOpen) { m_keepOpen = keepOpen; }

    // Clears the guard, lets go of what the load took and closes the window for good (its own
    // return or exit button).
    void leave();

  signals:
    void closeRefused();

  protected:
    // Lets go of what the window's load took (its connection, its timers). Runs once a close is
    // accepted and when the window leaves, so it must do nothing the second time.
    virtual void unload() {}
    void closeEvent(QCloseEvent* event) override;

  private:
    bool m_keepOpen = false;
};

}  // namespace vt
