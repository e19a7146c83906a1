#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "history_report.h"

class QDateTimeEdit;
class QDialog;
class QPrinter;
class QPushButton;
class QWidget;

namespace vt {

// "历史报告" of a window: the dialog `HistoryReportDialog` asks for a range within what the
// source holds (`ReportFrom`, `ReportTo`), then prints it (preview) or saves it as a PDF.
class HistoryReportCommand : public QObject {
    Q_OBJECT
  public:
    using SourceFactory = std::function<std::unique_ptr<SeriesSource>()>;
    // `base` gives title, station, pens and gap threshold; the range is the operator's.
    HistoryReportCommand(QWidget& window, SourceFactory source, HistoryReportRequest base);
    ~HistoryReportCommand() override;

    void run();
    // The report of the range chosen now (read from the source).
    HistoryReportData report();
    bool saveTo(const QString& path);

  private:
    void preview();
    void askForFile();
    void rangeChanged();

    QWidget& m_window;
    SourceFactory m_source;
    HistoryReportRequest m_base;
    QDialog* m_dialog = nullptr;
    QDateTimeEdit* m_from = nullptr;
    QDateTimeEdit* m_to = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_save = nullptr;
    std::unique_ptr<QPrinter> m_printer;
};

}  // namespace vt
