#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "batch_report_data.h"
#include "batch_summary.h"

class QPrinter;
class QPushButton;
class QWidget;

namespace vt {

class RecordsTask;

// A batch page's "打印报告" and "保存PDF". The report's data is read on a worker, and a saved PDF
// painted and written there too (the file name is asked first); the print preview paints on
// the UI thread from the data read. While a read runs its button waits and message() says
// 正在生成报告…. Another batch chosen drops a preview's read; a save goes on.
class BatchReportButtons : public QObject {
    Q_OBJECT
  public:
    static QString ReadingText();

    BatchReportButtons(const QString& recordsPath, QWidget& page);
    ~BatchReportButtons() override;

    QPushButton* printButton() const { return m_printButton; }
    QPushButton* pdfButton() const { return m_pdfButton; }
    // The batch reported on, as it stands now (nullopt: none). A report waits for the seal.
    void show(const std::optional<BatchSummary>& batch);

  signals:
    void message(const QString& text);

  private:
    void enable();
    void print();
    void save();
    void saveAs(const QString& path);

    QWidget& m_page;
    std::optional<BatchSummary> m_batch;
    QPushButton* m_printButton;
    QPushButton* m_pdfButton;
    RecordsTask* m_printRead;
    RecordsTask* m_saving;
    std::unique_ptr<QPrinter> m_printer;
    std::optional<BatchReportData> m_report;  // what the preview paints
};

}  // namespace vt
