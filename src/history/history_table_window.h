#pragma once

#include <memory>

#include "db_connection.h"
#include "guarded_window.h"
#include "station_context.h"

class QTableView;

namespace vt {

class CsvExportControl;
class RingTableModel;

// The history table `TABLE1` "历史数据表格": the ten-second ring as a read-only grid
// `DataGrid1`, oldest record first, as it stood when the window was opened. "导出CSV" saves the
// whole ring for a spreadsheet; "返回上一级" goes back to the history window as it was left.
// Made loaded: the constructor opens the window's own connection and arms the close guard.
class HistoryTableWindow : public GuardedWindow {
    Q_OBJECT
  public:
    explicit HistoryTableWindow(StationContext& context, QWidget* parent = nullptr);
    ~HistoryTableWindow() override;

    RingTableModel* model() const { return m_model.get(); }

    // Exports the ring to `csvPath` in the background of the event loop, with a progress
    // dialog; exportFinished tells how it ended. Ignored while an export is running.
    void exportTo(const QString& csvPath);

  signals:
    void exportFinished(bool ok, int records);

  private:
    void buildWidgets();
    void load();
    void goBack();

    StationContext& m_context;
    DbConnection m_db;
    std::unique_ptr<RingTableModel> m_model;
    CsvExportControl* m_export = nullptr;
    QTableView* m_grid = nullptr;
};

}  // namespace vt
