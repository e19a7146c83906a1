#include "history_table_window.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include "csv_export_job.h"
#include "named_button.h"
#include "ring_table_model.h"
#include "window_navigator.h"

namespace vt {

namespace {

QString SuggestedExportPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    return QDir(folder).filePath(QStringLiteral("历史数据_%1.csv").arg(stamp));
}

}  // namespace

HistoryTableWindow::HistoryTableWindow(StationContext& context, QWidget* parent)
    : GuardedWindow(parent), m_context(context) {
    setObjectName(QStringLiteral("TABLE1"));
    setWindowTitle(QStringLiteral("历史数据表格"));
    buildWidgets();
    load();
}

HistoryTableWindow::~HistoryTableWindow() {
    // The grid lets go of the model before the model's statements and then the connection go.
    m_export.reset();
    m_grid->setModel(nullptr);
    m_model.reset();
}

void HistoryTableWindow::buildWidgets() {
    m_grid = new QTableView;
    m_grid->setObjectName(QStringLiteral("DataGrid1"));
    m_grid->setAccessibleName(QStringLiteral("DataGrid1"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    m_exportButton = NamedButton(QStringLiteral("CommandExport"), QStringLiteral("导出CSV"));
    m_exportStatus = new QLabel;
    m_exportStatus->setObjectName(QStringLiteral("ExportStatus"));
    QPushButton* back = NamedButton(QStringLiteral("Command1"), QStringLiteral("返回上一级"));
    connect(m_exportButton, &QPushButton::clicked, this, &HistoryTableWindow::chooseExportFile);
    connect(back, &QPushButton::clicked, this, &HistoryTableWindow::goBack);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_exportButton);
    buttons->addWidget(m_exportStatus, 1);
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

void HistoryTableWindow::chooseExportFile() {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("导出CSV"), SuggestedExportPath(), QStringLiteral("CSV 文件 (*.csv)"));
    if (!path.isEmpty()) exportTo(path);
}

void HistoryTableWindow::exportTo(const QString& csvPath) {
    if (m_export) return;
    m_exportButton->setEnabled(false);
    m_exportStatus->clear();
    m_export = std::make_unique<CsvExportJob>(m_context.databasePath, csvPath, this);
    connect(m_export.get(), &CsvExportJob::finished, this,
            [this, csvPath](bool ok, int records) { exportDone(ok, records, csvPath); });
    m_export->start();
}

void HistoryTableWindow::exportDone(bool ok, int records, const QString& csvPath) {
    m_export.release()->deleteLater();
    m_exportButton->setEnabled(true);
    m_exportStatus->setText(ok ? QStringLiteral("已导出 %1 条记录到 %2")
                                     .arg(records)
                                     .arg(QDir::toNativeSeparators(csvPath))
                               : QStringLiteral("导出未完成"));
    emit exportFinished(ok, records);
}

void HistoryTableWindow::goBack() {
    leave();
    m_context.navigator.returnFromHistoryTable();
}

}  // namespace vt
