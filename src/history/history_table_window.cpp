#include "history_table_window.h"

#include <QHeaderView>
#include <QTableView>

#include "ring_csv_exporter.h"
#include "window_navigator.h"

namespace vt {

namespace {

RecordTableLook TableLook() {
    return {QStringLiteral("TABLE1"),
            QStringLiteral("历史数据表格"),
            QStringLiteral("DataGrid1"),
            QStringLiteral("历史数据"),
            QStringLiteral("正在导出历史数据…"),
            QSize(900, 600)};
}

}  // namespace

HistoryTableWindow::HistoryTableWindow(StationContext& context, QWidget* parent)
    : RecordTableWindow(
          context, TableLook(),
          [databasePath = context.databasePath](const QString& csvPath) {
              return std::make_unique<RingCsvExporter>(databasePath, csvPath);
          },
          parent) {
    grid()->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    showModel(std::make_unique<RingTableModel>(database()));
}

void HistoryTableWindow::goBack() {
    leave();
    m_context.navigator.returnFromHistoryTable();
}

}  // namespace vt
