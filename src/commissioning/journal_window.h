#pragma once

#include <memory>

#include "db_connection.h"
#include "guarded_window.h"
#include "journal_page_reader.h"
#include "station_context.h"

class QDateEdit;
class QLabel;
class QTableView;

namespace vt {

class CsvExportControl;
class JournalTableModel;

// The journal window `czjl` "操作记录": every write the station sent, newest first, as a
// read-only grid `JournalGrid` with a column for every field, the writes the controller did not
// confirm on the warning colour. The two dates `DateFrom` and `DateTo` with "查询" choose the
// days shown (at first, from the oldest entry to today); "导出CSV" saves the entries shown;
// "返回上一级" goes back to the history window as it was left. Made loaded: the constructor
// opens the window's own connection and arms the close guard.
class JournalWindow : public GuardedWindow {
    Q_OBJECT
  public:
    explicit JournalWindow(StationContext& context, QWidget* parent = nullptr);
    ~JournalWindow() override;

    JournalTableModel* model() const { return m_model.get(); }
    const DayRange& days() const { return m_days; }

    // Shows the entries dated within `days`, as "查询" does with the two dates.
    void showDays(const DayRange& days);

    // Exports the entries shown to `csvPath` in the background of the event loop, with a
    // progress dialog; exportFinished tells how it ended. Ignored while an export is running.
    void exportTo(const QString& csvPath);

  signals:
    void exportFinished(bool ok, int records);

  private:
    void buildWidgets();
    QLayout* buildRangeBar();
    void load();
    void fitColumns();
    void goBack();

    StationContext& m_context;
    DbConnection m_db;
    DayRange m_days;
    std::unique_ptr<JournalTableModel> m_model;
    CsvExportControl* m_export = nullptr;
    QTableView* m_grid = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QLabel* m_count = nullptr;
};

}  // namespace vt
