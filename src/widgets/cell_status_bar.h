#pragma once

#include <QStatusBar>
#include <vector>

class QDateTime;
class QLabel;

namespace vt {

// The status bar `StatusBar1` of a window with an editing grid: panel 1 reads "当前行", panel 2
// shows the selected row, panel 3 reads "当前列", panel 4 the selected column; a window with a
// clock adds panel 5 with the date and panel 6 with the time.
class CellStatusBar : public QStatusBar {
    Q_OBJECT
  public:
    enum class Clock { None, DateAndTime };

    explicit CellStatusBar(Clock clock, QWidget* parent = nullptr);

    void showCell(int row, int column);
    // Date in the system's short format and time to the second; nothing without a clock.
    void showClock(const QDateTime& now);

    // Panel 1..6 (1..4 without a clock).
    QLabel* panel(int number) const { return m_panels.at(static_cast<std::size_t>(number - 1)); }

  private:
    QLabel* addPanel(const QString& text, int stretch);

    std::vector<QLabel*> m_panels;
};

}  // namespace vt
