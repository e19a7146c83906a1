#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "csv_exporter.h"

class QProgressDialog;
class QWidget;

namespace vt {

// Runs one CSV export on the user-interface thread, a chunk of rows per turn of the event loop,
// so the windows stay responsive; a progress dialog over the owning window shows how far it got
// (with `progressText`) and lets the operator cancel it.
class CsvExportJob : public QObject {
    Q_OBJECT
  public:
    // Rows written per turn of the event loop (a few milliseconds of work).
    static constexpr int kStepRecords = 1000;

    CsvExportJob(std::unique_ptr<CsvExporter> exporter, const QString& progressText,
                 QWidget* window);
    ~CsvExportJob() override;

    // Starts the export and returns at once; finished() tells how it ended.
    void start();

  signals:
    // `ok` is false when the export failed or was cancelled; `records` were written.
    void finished(bool ok, int records);

  private:
    void step();
    void end(bool ok);

    std::unique_ptr<CsvExporter> m_exporter;
    QPointer<QProgressDialog> m_progress;
    QTimer m_timer;
    bool m_done = false;
};

}  // namespace vt
