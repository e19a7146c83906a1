#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "csv_exporter.h"

class QLabel;
class QPushButton;
class QWidget;

namespace vt {

class CsvExportJob;

// The "导出CSV" button of a table window (`CommandExport`) and the line beside it
// (`ExportStatus`) that tells how the last export ended. The button asks for a file, suggesting
// "<prefix>_<date>_<time>.csv" in the documents folder, and runs the export in the background of
// the event loop with a progress dialog; the button waits while an export runs.
class CsvExportControl : public QObject {
    Q_OBJECT
  public:
    using MakeExporter = std::function<std::unique_ptr<CsvExporter>(const QString& csvPath)>;

    CsvExportControl(QWidget* window, const QString& filePrefix, const QString& progressText,
                     MakeExporter makeExporter);
    ~CsvExportControl() override;

    QPushButton* button() const { return m_button; }
    QLabel* status() const { return m_status; }

    // Exports to `csvPath`; finished() tells how it ended. Ignored while an export is running.
    void exportTo(const QString& csvPath);

  signals:
    void finished(bool ok, int records);

  private:
    void chooseFile();
    void done(bool ok, int records, const QString& csvPath);

    QWidget* m_window;
    QString m_filePrefix;
    QString m_progressText;
    MakeExporter m_makeExporter;
    std::unique_ptr<CsvExportJob> m_job;
    QPushButton* m_button = nullptr;
    QLabel* m_status = nullptr;
};

}  // namespace vt
