#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "controller_state.h"
#include "ring_record.h"
#include "trend_engine.h"
#include "trend_settings.h"

class QLabel;
class QPushButton;

namespace vt {

class TrendAxisEditor;
class TrendPlotArea;
class TrendSurface;

// The chart frame of a trend window: the surface with its axes and legend, the buttons F1..F7,
// the ruler slider `hc` and the value-axis editor, over one TrendEngine. The window owns the
// timers and calls in: refreshAxisLabels every 200 ms, appendLiveSample when its sample flag
// is set (while not displayPaused), redraw every second.
class TrendChart : public QWidget {
    Q_OBJECT
  public:
    TrendChart(const TrendSettings& settings, ControllerState& state, QWidget* parent = nullptr);

    void setSource(RingWindowSource* source);  // not owned; nullptr = no database (rows stay zero)
    // Opening: zoom level 1, page 0, ruler off, slider disabled, buttons, live load, picture.
    void initialise();
    void liveLoad();
    // Live append from LiveValue[0..5] at the current date and time (the caller checks and
    // clears its sample flag).
    void appendLiveSample();
    void refreshAxisLabels();  // Label5 texts (the window's 200 ms timer)
    // One tick of the window's display timer: the axis labels, then the live sample when the
    // logger set `newSample` (which is cleared).
    void displayTick(bool& newSample);
    void redraw();  // full redraw (the window's 1 s timer)
    // F1..F7 as the keyboard table says (F3 asks for a printout: printRequested); true for
    // these keys, false for any other.
    bool handleKey(int qtKey);
    // The trend keys of the window the chart sits in, wherever its focus is: F1..F7 as
    // handleKey, Esc calls `escape`.
    void installWindowKeys(QWidget* window, std::function<void()> escape);
    bool displayPaused() const;  // ruler on or paged back: the window's display timer stops
    bool rulerOn() const;
    TrendEngine& engine() { return m_engine; }
    TrendSurface* surface() const;

  signals:
    void displayPausedChanged(bool paused);
    // "F3 打印" or the F3 key: the window prints the chart as it stands.
    void printRequested();
    // The ruler's reading; the window shows it in Label2(9)/(10) and D_3W(0..5).
    void rulerMoved(const vt::RulerReading& reading);
    // A window of records was loaded: date and time of its first visible row, row FirstIndex+1
    // (not told while the window holds no record).
    void windowLoaded(double date, double time);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildLegendRow();
    QWidget* buildButtonRow();
    void raiseZoom();
    void lowerZoom();
    void toggleRuler();
    void pageNewer();
    void pageOlder();
    void moveRuler(int value);
    void changeValueAxis();
    void resetSlider(bool rulerOn);
    void syncControls();

    ControllerState& m_state;
    TrendEngine m_engine;
    TrendPlotArea* m_plot;
    TrendAxisEditor* m_editor;
    QPushButton* m_raiseZoom = nullptr;
    QPushButton* m_lowerZoom = nullptr;
    QPushButton* m_ruler = nullptr;
    QPushButton* m_newer = nullptr;
    QPushButton* m_older = nullptr;
    bool m_paused = false;
    int m_seenLoads = 0;
};

}  // namespace vt
