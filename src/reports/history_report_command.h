#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "archive_catalogue.h"
#include "history_report.h"

class QComboBox;
class QDateTimeEdit;
class QDialog;
class QLabel;
class QPrinter;
class QPushButton;
class QWidget;

namespace vt {

// "历史报告" of a window: the dialog `HistoryReportDialog` asks for the source (`ReportSource`:
// the ten-second ring, or a batch's archive when a catalogue is given) and a range within what
// it holds (`ReportFrom`, `ReportTo`), then prints it (preview) or saves it as a PDF. A batch's
// archive is read off the UI thread; meanwhile `HistoryReportStatus` says so and the buttons
// wait. Closing the dialog stops the reading.
class HistoryReportCommand : public QObject {
    Q_OBJECT
  public:
    using SourceFactory = std::function<std::unique_ptr<SeriesSource>()>;
    // `base` gives title, station, pens and the ring's gap threshold; the range is the
    // operator's. `archives` (may be null) offers the batches.
    HistoryReportCommand(QWidget& window, SourceFactory ring, HistoryReportRequest base,
                         ArchiveCatalogue* archives = nullptr);
    ~HistoryReportCommand() override;

    // The batches offered from the next run on.
    void setArchives(ArchiveCatalogue* archives) { m_archives = archives; }

    void run();

  private:
    // Makes the report of the range chosen now and hands it to `use` (later, for a batch).
    void makeReport(std::function<void(const HistoryReportData&)> use);
    bool saveTo(const QString& path, const HistoryReportData& report);
    void preview();
    void askForFile();
    void reportReady(const std::optional<HistoryReportData>& report, const QString& problem,
                     const std::function<void(const HistoryReportData&)>& use);
    void rangeChanged();
    void sourceChosen();
    // The chosen source, read afresh, and the request for the range chosen now.
    std::unique_ptr<SeriesSource> source();
    HistoryReportRequest request() const;

    QWidget& m_window;
    SourceFactory m_ring;
    HistoryReportRequest m_base;
    ArchiveCatalogue* m_archives;
    std::vector<ArchiveChoice> m_choices;  // the batches, after the ring in `m_source`
    QDialog* m_dialog = nullptr;
    QComboBox* m_source = nullptr;
    QDateTimeEdit* m_from = nullptr;
    QDateTimeEdit* m_to = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_save = nullptr;
    QLabel* m_status = nullptr;
    std::unique_ptr<QObject> m_making;  // the batch report being made
    std::unique_ptr<QPrinter> m_printer;
};

}  // namespace vt
