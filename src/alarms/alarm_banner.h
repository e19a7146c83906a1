#pragma once

#include <QFrame>
#include <QTimer>

class QLabel;
class QPushButton;

namespace vt {

class AlarmCentre;

// The overview's alarm line: `AlarmBanner` with the newest unacknowledged alarm on its colour
// (flashing while active and unacknowledged) and the button "报警一览".
class AlarmBanner : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kFlashMs = 500;

    explicit AlarmBanner(const AlarmCentre& centre, QWidget* parent = nullptr);

    QLabel* line() const { return m_line; }
    QPushButton* listButton() const { return m_button; }

    void refresh();

  signals:
    void listRequested();

  private:
    void paintLine(bool lit);

    const AlarmCentre& m_centre;
    QLabel* m_line;
    QPushButton* m_button;
    QTimer m_flash;
    bool m_lit = true;
};

}  // namespace vt
