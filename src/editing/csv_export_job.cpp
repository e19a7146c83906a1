#include "csv_export_job.h"

#include <QProgressDialog>
#include <algorithm>

#include "progress_dialog.h"

namespace vt {

CsvExportJob::CsvExportJob(std::unique_ptr<CsvExporter> exporter, const QString& progressText,
                           QWidget* window)
    : m_exporter(std::move(exporter)),
      m_progress(ProgressDialog(QStringLiteral("ExportProgress"), window)) {
    m_progress->setWindowTitle(QStringLiteral("导出CSV"));
    m_progress->setLabelText(progressText);
    connect(m_progress, &QProgressDialog::canceled, this, [this] { end(false); });
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &CsvExportJob::step);
}

CsvExportJob::~CsvExportJob() { delete m_progress; }

void CsvExportJob::start() {
    if (!m_exporter->start()) {
        end(false);
        return;
    }
    m_progress->setRange(0, std::max(m_exporter->total(), 1));
    m_progress->setValue(0);
    m_timer.start();
}

void CsvExportJob::step() {
    const bool more = m_exporter->writeMore(kStepRecords);
    if (m_progress) m_progress->setValue(m_exporter->written());
    if (!more) end(m_exporter->finish());
}

void CsvExportJob::end(bool ok) {
    if (m_done) return;
    m_done = true;
    m_timer.stop();
    if (!ok) m_exporter->cancel();
    if (m_progress) m_progress->hide();
    emit finished(ok, m_exporter->written());
}

}  // namespace vt
