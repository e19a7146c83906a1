#pragma once

#include <QTimer>
#include <memory>

#include "db_connection.h"
#include "guarded_window.h"
#include "station_context.h"

namespace vt {

class ArchiveCatalogue;
class HistoryReadouts;
class HistoryReportCommand;
class RingReader;
class TrendChart;

// The history window `lsqx` "历史长周期曲线": the trend chart over the ten-second ring, with
// live appends as the logger writes that ring, the six live readouts, the ways to the history
// table and to the journal of writes ("操作记录"), and back to the overview. Made loaded: the
// constructor runs the load sequence and arms the close guard; a refused close leaves the window
// fully working.
class HistoryWindow : public GuardedWindow {
    Q_OBJECT
  public:
    explicit HistoryWindow(StationContext& context, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    TrendChart* chart() const { return m_chart; }
    // The batches' archives "历史报告" offers beside the ring (none: the ring alone).
    void setArchives(ArchiveCatalogue* archives);

    // One tick of the display timer `Timer1`: axis labels, a new ten-second sample, readouts.
    void refreshDisplay();

  private:
    void buildWidgets();
    void connectParts();
    HistoryReportCommand* makeReportCommand();
    void load();
    void unload() override;
    void displayPausedChanged(bool paused);
    void openTable();
    void openJournal();
    void goBack();

    StationContext& m_context;
    DbConnection m_db;
    std::unique_ptr<RingReader> m_reader;
    TrendChart* m_chart = nullptr;
    HistoryReadouts* m_readouts = nullptr;
    HistoryReportCommand* m_report = nullptr;
    QTimer m_displayTimer{this};  // Timer1
    QTimer m_redrawTimer{this};   // Timer2
    bool m_loaded = false;
};

}  // namespace vt
