#pragma once

#include <QSize>
#include <QString>
#include <memory>

#include "csv_export_control.h"
#include "db_connection.h"
#include "guarded_window.h"
#include "station_context.h"

class QAbstractItemModel;
class QLayout;
class QTableView;
class QVBoxLayout;

namespace vt {

// What tells one record table window from another.
struct RecordTableLook {
    QString name;            // object name (`TABLE1`)
    QString title;           // window title
    QString gridName;        // the grid's name (`DataGrid1`)
    QString exportPrefix;    // start of the suggested CSV file name
    QString exportProgress;  // the progress dialog's text
    QSize size;
};

// A window of stored records (`TABLE1`, `czjl`): a read-only grid over a model that reads the
// window's own database connection, and under it "导出CSV" with the line telling how the last
// export ended and "返回上一级". Made loaded: the constructor opens the connection and arms the
// close guard. Whatever the window puts above the grid (a range of days) it adds itself.
class RecordTableWindow : public GuardedWindow {
    Q_OBJECT
  public:
    ~RecordTableWindow() override;

    // Exports to `csvPath` in the background of the event loop, with a progress dialog;
    // exportFinished tells how it ended. Ignored while an export is running.
    void exportTo(const QString& csvPath);

  signals:
    void exportFinished(bool ok, int records);

  protected:
    RecordTableWindow(StationContext& context, const RecordTableLook& look,
                      CsvExportControl::MakeExporter makeExporter, QWidget* parent);

    QSqlDatabase database() const { return m_db.database(); }
    QTableView* grid() const { return m_grid; }
    QAbstractItemModel* shownModel() const { return m_model.get(); }
    // Shows `model` in the grid in place of the one shown before.
    void showModel(std::unique_ptr<QAbstractItemModel> model);
    // Puts `bar` above the grid.
    void addAboveGrid(QLayout* bar);

    StationContext& m_context;

  private:
    // "返回上一级": back to the window this one was opened from.
    virtual void goBack() = 0;

    DbConnection m_db;
    std::unique_ptr<QAbstractItemModel> m_model;  // goes before the connection it reads
    QTableView* m_grid;  // made first, so that it comes first in the focus chain
    CsvExportControl* m_export;
    QVBoxLayout* m_page;
};

}  // namespace vt
