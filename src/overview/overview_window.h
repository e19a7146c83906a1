#pragma once

#include <QTimer>
#include <memory>

#include "db_connection.h"
#include "guarded_window.h"
#include "overview_readouts.h"
#include "station_context.h"

namespace vt {

class LinkHealthView;
class NavigationBar;
class PortPanel;
class RingReader;
class RunControlBar;
class SavedLinkSettings;
class TrendChart;
class TrendReadouts;

// The station's main window `ssqx`: every live value of the controller with its decoded
// status, the real-time trend, the run commands, the port panel and the way to every other
// window. It reads the shared store on its own timers and never polls the controller itself.
// Made loaded: the constructor runs the load sequence and arms the close guard.
class OverviewWindow : public GuardedWindow {
    Q_OBJECT
  public:
    explicit OverviewWindow(StationContext& context, QWidget* parent = nullptr);
    ~OverviewWindow() override;

    // "打开" with the panel's settings (for a station started with --open).
    void openWithCurrentSettings();

    // Puts `line` (the alarm line) above the navigation bar; the window owns it from then on.
    void addStatusLine(QWidget* line);

    // One tick of the display timer: ruler colours, axis labels, the live sample, every
    // readout and the sample step.
    void refreshDisplay();

  private:
    void buildWidgets();
    void makeMoments();
    void connectParts();
    void load();
    void unload() override;
    void showClock();
    void displayPausedChanged(bool paused);
    void goToHistory();
    void exitStation();

    StationContext& m_context;
    DbConnection m_db;
    std::unique_ptr<RingReader> m_reader;
    std::unique_ptr<SavedLinkSettings> m_saved;
    OverviewReadouts m_readouts;
    RunControlBar* m_runBar = nullptr;
    TrendChart* m_chart = nullptr;
    PortPanel* m_portPanel = nullptr;
    NavigationBar* m_navigation = nullptr;
    LinkHealthView* m_linkHealth = nullptr;
    ReadoutLabel* m_date = nullptr;        // Label2_9
    ReadoutLabel* m_time = nullptr;        // Label2_10
    ReadoutLabel* m_sampleStep = nullptr;  // Label19
    ReadoutLabel* m_surface = nullptr;     // Label20
    TrendReadouts* m_moments = nullptr;    // Label2_9, Label2_10, D_3W_0..5
    QTimer m_displayTimer;                 // Timer1
    QTimer m_redrawTimer;                  // Timer2
    QTimer m_clockTimer;                   // Timer3
    bool m_loaded = false;
};

}  // namespace vt
