#pragma once

#include "record_table_window.h"
#include "ring_table_model.h"

namespace vt {

// The history table `TABLE1` "历史数据表格": the ten-second ring as a read-only grid
// `DataGrid1`, oldest record first, as it stood when the window was opened. "导出CSV" saves the
// whole ring for a spreadsheet; "返回上一级" goes back to the history window as it was left.
class HistoryTableWindow : public RecordTableWindow {
    Q_OBJECT
  public:
    explicit HistoryTableWindow(StationContext& context, QWidget* parent = nullptr);

    RingTableModel* model() const { return static_cast<RingTableModel*>(shownModel()); }

  private:
    void goBack() override;
};

}  // namespace vt
