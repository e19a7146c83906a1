#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "trend_page.h"

class QPrinter;
class QWidget;

namespace vt {

struct ControllerState;
class TrendChart;

// F3 of a trend window: takes the page of the chart as it stands and offers "打印…" (a print
// preview with the print dialog) or "保存PDF…" (a file dialog, then an atomic save). Every
// dialog is window-modal and opened without blocking, so the window's timers go on.
class TrendPrintCommand : public QObject {
    Q_OBJECT
  public:
    TrendPrintCommand(TrendChart& chart, QWidget& window, QString title,
                      const ControllerState& state);
    ~TrendPrintCommand() override;

    // Takes the page and shows the choice `TrendPrintChoice`.
    void run();
    const TrendPageData& page() const { return m_page; }
    // Saves the page taken last to `path`; a failure is told in a message box.
    bool saveTo(const QString& path);

  private:
    void preview();
    void askForFile();

    TrendChart& m_chart;
    QWidget& m_window;
    QString m_title;
    const ControllerState& m_state;
    TrendPageData m_page;
    std::unique_ptr<QPrinter> m_printer;
};

// "<host> · 端口 N · 地址 M": the station as a printout names it.
QString StationText(const ControllerState& state);

}  // namespace vt
