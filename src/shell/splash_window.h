#pragma once

#include <QTimer>
#include <QWidget>

namespace vt {

// The start-up window `frmSplash`: shows the station picture and its message for about 1.5 s,
// then asks the station to bring up the overview and the periodic work.
class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // Shows the window in the middle of its screen.
    void showCentred();

    int SplashTickCount() const { return m_splashTickCount; }

  signals:
    // The splash is done: show the overview, start polling and logging carriers.
    void finished();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void onTimer2();
    void onTimer1();

    QTimer m_timer1;  // 100 ms, the last step
    QTimer m_timer2;  // 200 ms, counts seven ticks
    int m_splashTickCount = 0;
};

}  // namespace vt
