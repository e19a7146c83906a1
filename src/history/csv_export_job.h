#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "ring_csv_exporter.h"

class QProgressDialog;
class QWidget;

namespace vt {

// Runs one CSV export of the ten-second ring on the user-interface thread, a chunk of records
// per turn of the event loop, so the windows stay responsive; a progress dialog over the
// owning window shows how far it got and lets the operator cancel it.
class CsvExportJob : public QObject {
    Q_OBJECT
  public:
    // Records written per turn of the event loop (a few milliseconds of work).
    static constexpr int kStepRecords = 1000;

    CsvExportJob(const QString& databasePath, const QString& csvPath, QWidget* window);
    ~CsvExportJob() override;

    // Starts the export and returns at once; finished() tells how it ended.
    void start();

  signals:
    // `ok` is false when the export failed or was cancelled; `records` were written.
    void finished(bool ok, int records);

  private:
    void step();
    void end(bool ok);

    RingCsvExporter m_exporter;
    QPointer<QProgressDialog> m_progress;
    QTimer m_timer;
    bool m_done = false;
};

}  // namespace vt
