#include "csv_export_control.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

#include "chooser_folder.h"
#include "csv_export_job.h"
#include "named_button.h"

namespace vt {

CsvExportControl::CsvExportControl(QWidget* window, const QString& filePrefix,
                                   const QString& progressText, MakeExporter makeExporter)
    : QObject(window),
      m_window(window),
      m_filePrefix(filePrefix),
      m_progressText(progressText),
      m_makeExporter(std::move(makeExporter)) {
    m_button = NamedButton(QStringLiteral("CommandExport"), QStringLiteral("导出CSV"), window);
    m_status = new QLabel(window);
    m_status->setObjectName(QStringLiteral("ExportStatus"));
    connect(m_button, &QPushButton::clicked, this, &CsvExportControl::chooseFile);
}

CsvExportControl::~CsvExportControl() = default;

void CsvExportControl::chooseFile() {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));
    const QString suggested =
        ChooserFolder::Suggested(m_filePrefix + QLatin1Char('_') + stamp + QStringLiteral(".csv"));
    const QString path = QFileDialog::getSaveFileName(
        m_window, QStringLiteral("导出CSV"), suggested, QStringLiteral("CSV 文件 (*.csv)"));
    ChooserFolder::Remember(path);
    if (!path.isEmpty()) exportTo(path);
}

void CsvExportControl::exportTo(const QString& csvPath) {
    if (m_job) return;
    m_button->setEnabled(false);
    m_status->clear();
    m_job = std::make_unique<CsvExportJob>(m_makeExporter(csvPath), m_progressText, m_window);
    connect(m_job.get(), &CsvExportJob::finished, this,
            [this, csvPath](bool ok, int records) { done(ok, records, csvPath); });
    m_job->start();
}

void CsvExportControl::done(bool ok, int records, const QString& csvPath) {
    m_job.release()->deleteLater();
    m_button->setEnabled(true);
    m_status->setText(ok ? QStringLiteral("已导出 %1 条记录到 %2")
                               .arg(records)
                               .arg(QDir::toNativeSeparators(csvPath))
                         : QStringLiteral("导出未完成"));
    emit finished(ok, records);
}

}  // namespace vt
