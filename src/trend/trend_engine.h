#pragma once

#include <array>
#include <cstdint>

#include "controller_state.h"
#include "ring_record.h"
#include "trend_picture.h"
#include "trend_scales.h"
#include "trend_settings.h"
#include "trend_state.h"

namespace vt {

// The ruler mark `Line1` on the surface, in logical units.
struct RulerLine {
    bool visible = false;
    int x = 0;
    int top = 0;
    int bottom = 0;
    std::uint32_t rgb = 0;  // 0xRRGGBB
    int width = 2;
};

// What the ruler reads at its position: date, time and the six pen values of one row. A row
// without a record has a date and time (from the records beside it) but no values.
struct RulerReading {
    TrendStamp moment;
    std::array<float, kPenCount> values{};
    bool recorded = false;
};

// The trend chart of one window, without any widget: its buffer and window state, loading
// windows of records from a ring, live appends, zoom, paging, the ruler and the value axis,
// and the picture of a full redraw. Each trend window owns one; the differences between the
// windows are its settings. The value axis lives in the shared controller state.
class TrendEngine {
  public:
    TrendEngine(TrendSettings settings, ControllerState& shared);

    // Where records come from; not owned. Without a source the rows stay zero.
    void setSource(RingWindowSource* source) { m_source = source; }
    const TrendState& state() const { return m_state; }
    const TrendSettings& settings() const { return m_settings; }

    // Opening: zoom level 1, page 0, ruler off, slider step 50, then the live load.
    void initialise();
    void clearBuffer();  // ClearBuffer
    // Loads LoadCount records ending at LoadEndId into rows 1.., then marks the gaps (LoadWindow).
    void loadWindow();
    void applyZoom();  // ApplyZoom
    // Newest record at row 241: reads NewestId, loads 241 records, resumes live appends.
    void liveLoad();
    // One new sample at row WriteIndex + 1 (marked as after a gap when it is, as a load would
    // mark it), or the live load once the live window is full. Ignored (false) while the display
    // is paused.
    bool appendLiveSample(const std::array<float, kPenCount>& values, double date, double time);

    // F1 raises ZoomLevel (shows more samples), F2 lowers it; F6 pages newer, F7 older.
    bool canRaiseZoom() const { return m_state.ZoomLevel < kMaxZoomLevel; }
    bool canLowerZoom() const { return m_state.ZoomLevel > 1; }
    bool canPageNewer() const { return m_state.PageBack > 0; }
    bool canPageOlder() const { return !m_state.OldestReached; }
    bool raiseZoom() { return changeZoom(1); }
    bool lowerZoom() { return changeZoom(-1); }
    // False when refused at the oldest page: PageBack stays raised, the buffer is unchanged.
    bool pageOlder();
    bool pageNewer();

    void enterRuler();
    void leaveRuler();
    // Slider value -1..12001; -1 pages older, 12001 newer. True when the buffer was reloaded.
    bool moveRuler(int value);
    RulerReading rulerReading() const;
    const RulerLine& rulerLine() const { return m_rulerLine; }
    // Small and large change of the ruler slider.
    int sliderStep() const { return m_sliderStep; }

    // The "修改Y" rule; true when the shared value axis was changed.
    bool changeValueAxis(double maximum, double minimum);
    // Value-axis labels, bottom to top.
    std::array<std::int32_t, kAxisLabelCount> valueAxisLabels() const;

    // Live appends stop while the ruler is on or a paged window is shown.
    bool displayPaused() const { return m_state.RulerOn || m_pageHold; }
    // Counts window loads, so a view can tell that the buffer was reloaded.
    int windowLoads() const { return m_windowLoads; }

    // The picture of a full redraw; derives YOffset into the shared state.
    TrendPicture buildPicture();

  private:
    bool changeZoom(int delta);
    bool reloadIfFull();
    void loadPage(std::int32_t distance);
    void fillRows(const std::vector<RingRecord>& records);
    void markGaps();

    TrendSettings m_settings;
    ControllerState& m_shared;
    RingWindowSource* m_source = nullptr;
    TrendState m_state;
    TrendScales m_scales;
    RulerLine m_rulerLine;
    int m_rulerValue = 0;
    int m_sliderStep = kInitialSliderStep;
    bool m_pageHold = false;
    int m_windowLoads = 0;
};

}  // namespace vt
