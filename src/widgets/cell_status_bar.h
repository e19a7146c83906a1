#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

namespace vt {

// The status bar `StatusBar1` of a window with a cell grid: four panels reading "当前行", the
// selected row, "当前列" and the selected column. A window may add panels of its own.
class CellStatusBar : public QStatusBar {
    Q_OBJECT
  public:
    explicit CellStatusBar(QWidget* parent = nullptr);

    void showCell(int row, int column);
    // Panel 1..4, as the window numbers them.
    QLabel* panel(int number) const { return m_panels[static_cast<std::size_t>(number - 1)]; }

  private:
    std::array<QLabel*, 4> m_panels{};
};

}  // namespace vt
