#pragma once

#include <QTimer>
#include <map>
#include <span>

#include "block_read.h"
#include "cell_edit_grid.h"
#include "editor_window.h"

class QBoxLayout;

namespace vt {

class CellStatusBar;

// What a grouped table shows: its columns, its data rows, the register blocks it reads and the
// cells the operator edits, each a parameter with its register, rules, range and retry. An
// editable cell shows its register by the parameter's display rule.
struct GroupTable {
    QStringList heads;
    std::vector<int> widthsTwips;
    int rows = 0;
    std::vector<ReadBlock> blocks;
    CellEditGrid::CellWrites cells;
};

// A grouped table window (`FenzuPID`, `Fenzuout1`): the instruction, the grid `MSFlexGrid1`
// whose editable cells each show and write one controller register by its rule, "返回", and
// the status bar `StatusBar1` with the cell last chosen for editing (`Timer2`, 100 ms). The
// window's register blocks are read every second (`Timer1`) and each block's cells refresh
// as it comes in; a failed read leaves them as they were. A confirmed edit shows the number
// typed until the next refresh brings the controller's value.
class GroupTableWindow : public EditorWindow {
    Q_OBJECT
  public:
    CellEditGrid* grid() const { return m_grid; }
    CellStatusBar* statusBar() const { return m_statusBar; }
    PeriodicRead& reads() { return m_read; }

  protected:
    GroupTableWindow(StationWindow which, StationContext& context, const GroupTable& table,
                     QWidget* parent);

    // Lays out the page: `top` (the window's own controls), the instruction, the grid, "返回"
    // and the status bar.
    void buildLayout(QBoxLayout* top);
    // A block read came back whole: its registers go to their cells.
    virtual void showBlock(std::int32_t first, std::span<const std::int32_t> values);

  private:
    void unload() override;

    CellEditGrid* m_grid;
    CellStatusBar* m_statusBar;
    PeriodicRead m_read;      // Timer1
    QTimer m_selectionTimer;  // Timer2
    struct ShownCell {
        int row;
        int column;
        ScalingRule rule;
    };
    std::map<std::int32_t, ShownCell> m_cellOfRegister;
};

}  // namespace vt
