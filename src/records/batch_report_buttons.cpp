#include "batch_report_buttons.h"

#include <QPrinter>
#include <QPushButton>

#include "batch_report.h"
#include "batch_report_source.h"
#include "named_button.h"
#include "records_task.h"
#include "report_output.h"

namespace vt {

namespace {

// A report saved from the page: the batch could be read, the PDF written.
struct SavedReport {
    bool loaded = false;
    bool saved = false;
    QString error;
};

}  // namespace

QString BatchReportButtons::ReadingText() { return QStringLiteral("正在生成报告…"); }

BatchReportButtons::BatchReportButtons(const QString& recordsPath, QWidget& page)
    : QObject(&page),
      m_page(page),
      m_printButton(
          NamedButton(QStringLiteral("CommandPrintReport"), QStringLiteral("打印报告"), &page)),
      m_pdfButton(NamedButton(QStringLiteral("CommandSavePdf"), QStringLiteral("保存PDF"), &page)),
      m_printRead(new RecordsTask(recordsPath, this)),
      m_saving(new RecordsTask(recordsPath, this)) {
    connect(m_printButton, &QPushButton::clicked, this, &BatchReportButtons::print);
    connect(m_pdfButton, &QPushButton::clicked, this, &BatchReportButtons::save);
    for (RecordsTask* task : {m_printRead, m_saving})
        connect(task, &RecordsTask::delivered, this, &BatchReportButtons::enable);
}

BatchReportButtons::~BatchReportButtons() = default;

void BatchReportButtons::show(const std::optional<BatchSummary>& batch) {
    if ((batch ? batch->id : 0) != (m_batch ? m_batch->id : 0)) m_printRead->cancel();
    m_batch = batch;
    enable();
}

void BatchReportButtons::enable() {
    const bool ready = m_batch && !m_batch->ending();
    m_printButton->setEnabled(ready && !m_printRead->busy());
    m_pdfButton->setEnabled(ready && !m_saving->busy());
}

void BatchReportButtons::print() {
    if (!m_batch) return;
    m_printRead->run<std::optional<BatchReportData>>(
        [id = m_batch->id](const BatchStore& store, const std::atomic<bool>&) {
            return LoadBatchReport(store, id);
        },
        [this](std::optional<BatchReportData> data) {
            m_report = std::move(data);
            if (!m_report) return emit message(QStringLiteral("无法读取批次"));
            emit message(QString());
            if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            OpenPrintPreview(*m_page.window(), *m_printer, QStringLiteral("BatchPrintPreview"),
                             [this](QPagedPaintDevice& device) {
                                 return m_report && PaintBatchReport(device, *m_report);
                             });
        },
        [this](const QString& problem) { emit message(problem); });
    emit message(ReadingText());
    enable();
}

void BatchReportButtons::save() {
    if (!m_batch) return;
    AskPdfPath(*m_page.window(), QStringLiteral("BatchPdfDialog"),
               BatchReportFileName(m_batch->number()),
               [this](const QString& path) { saveAs(path); });
}

// The PDF is painted and deflated on the worker too; it goes on when another batch is chosen.
void BatchReportButtons::saveAs(const QString& path) {
    if (!m_batch) return;
    m_saving->run<SavedReport>(
        [id = m_batch->id, path](const BatchStore& store, const std::atomic<bool>& stop) {
            SavedReport s;
            const std::optional<BatchReportData> data = LoadBatchReport(store, id);
            // A read cut short is no report.
            if (!data || stop) return s;
            s.loaded = true;
            s.saved = SaveBatchReportPdf(path, *data, &s.error);
            return s;
        },
        [this, path](const SavedReport& s) {
            if (s.saved)
                emit message(QStringLiteral("报告已保存: %1").arg(path));
            else if (s.loaded)
                ShowSaveFailure(*m_page.window(), s.error);
            else
                emit message(QStringLiteral("无法读取批次"));
        },
        [this](const QString& problem) { emit message(problem); });
    emit message(ReadingText());
    enable();
}

}  // namespace vt
