#include "history_table_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "csv_export_control.h"
#include "named_button.h"
#include "record_grid.h"
#include "ring_csv_exporter.h"
#include "ring_table_model.h"
#include "window_navigator.h"

namespace vt {

HistoryTableWindow::HistoryTableWindow(StationContext& context, QWidget* parent)
    : GuardedWindow(parent), m_context(context) {
    setObjectName(QStringLiteral("TABLE1"));
    setWindowTitle(QStringLiteral("历史数据表格"));
    buildWidgets();
    load();
}

HistoryTableWindow::~HistoryTableWindow() {
    // The grid lets go of the model before the model's statements and then the connection go.
    delete m_export;
    m_grid->setModel(nullptr);
    m_model.reset();
}

void HistoryTableWindow::buildWidgets() {
    m_grid = RecordGrid(QStringLiteral("DataGrid1"));
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    const QString databasePath = m_context.databasePath;
    m_export =
        new CsvExportControl(this, QStringLiteral("历史数据"), QStringLiteral("正在导出历史数据…"),
                             [databasePath](const QString& csvPath) {
                                 return std::make_unique<RingCsvExporter>(databasePath, csvPath);
                             });
    connect(m_export, &CsvExportControl::finished, this, &HistoryTableWindow::exportFinished);
    QPushButton* back = NamedButton(QStringLiteral("Command1"), QStringLiteral("返回上一级"));
    connect(back, &QPushButton::clicked, this, &HistoryTableWindow::goBack);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_export->button());
    buttons->addWidget(m_export->status(), 1);
    buttons->addWidget(back);
    auto* page = new QVBoxLayout(this);
    page->addWidget(m_grid, 1);
    page->addLayout(buttons);
    resize(900, 600);
}

void HistoryTableWindow::load() {
    setKeepOpen(true);
    m_db = DbConnection(m_context.databasePath, QStringLiteral("TABLE1"));
    m_model = std::make_unique<RingTableModel>(m_db.database());
    m_grid->setModel(m_model.get());
}

void HistoryTableWindow::exportTo(const QString& csvPath) { m_export->exportTo(csvPath); }

void HistoryTableWindow::goBack() {
    leave();
    m_context.navigator.returnFromHistoryTable();
}

}  // namespace vt
