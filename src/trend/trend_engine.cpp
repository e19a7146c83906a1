#include "trend_engine.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "number_text.h"
#include "trend_picture_builder.h"

namespace vt {

namespace {

struct ZoomRow {
    float sampleStep;
    std::int16_t firstIndex;
};

// SampleStep x ZoomLevel is always 150 and FirstIndex = 240 - 60 x ZoomLevel: row r is drawn at
// x = (r - FirstIndex) x SampleStep, so row 240, the last one drawn after a live load, lies on
// the x = 9000 grid line at every level.
constexpr std::array<ZoomRow, kMaxZoomLevel> kZoomTable{
    {{150.0f, 180}, {75.0f, 120}, {50.0f, 60}, {37.5f, 0}}};

// End id of the page `distance` records back from the newest record, across the ring's wrap.
std::int32_t PageEnd(std::int32_t newest, std::int32_t distance) {
    return newest > distance ? newest - distance : kRingCapacity - (distance - newest);
}

// Whether a row at `time` begins after a gap in the series, following a row at `previous` (time 0
// when it holds no record). A change of day counts as a gap as well.
bool AfterGap(double previous, double time) { return std::fabs(time - previous) > kGapThreshold; }

// A page whose end would lie at or below record 321 holds the ring's first records already;
// across the wrap, paging back a whole ring is the same limit.
bool BeyondOldest(std::int32_t newest, std::int32_t distance) {
    if (newest > distance) return newest - distance <= kPagedLoadCount;
    return distance >= kRingCapacity - kPagedLoadCount;
}

}  // namespace

TrendEngine::TrendEngine(TrendSettings settings, ControllerState& shared)
    : m_settings(std::move(settings)), m_shared(shared) {}

void TrendEngine::initialise() {
    m_state.ZoomLevel = 1;
    m_state.PageBack = 0;
    m_state.OldestReached = false;
    m_state.RulerOn = false;
    m_state.GapMark = {};
    m_rulerLine = {};
    m_rulerValue = 0;
    m_sliderStep = kInitialSliderStep;
    applyZoom();
    liveLoad();
}

void TrendEngine::clearBuffer() {
    m_state.TrendValue = {};
    m_state.TrendDate = {};
    m_state.TrendTime = {};
}

void TrendEngine::loadWindow() {
    clearBuffer();
    m_state.GapMark = {};
    m_state.FirstRecordRow = kBufferRows;
    const std::int32_t end = m_state.LoadEndId;
    const std::int32_t count = m_state.LoadCount;
    m_state.LoadStartId = end >= count ? end - count : kRingCapacity - (count - end);
    if (m_source) fillRows(m_source->readWindow(end, count));
    markGaps();
    ++m_windowLoads;
}

// The newest record goes to the window's last row, as in a full window; when the ring holds
// fewer records than the window, the rows before the oldest one stay without a record.
void TrendEngine::fillRows(const std::vector<RingRecord>& records) {
    const int lastRow = std::clamp(m_state.LoadCount, 0, kLastRow);
    const int rows = static_cast<int>(std::min<std::size_t>(records.size(), lastRow));
    const std::size_t skipped = records.size() - static_cast<std::size_t>(rows);
    m_state.FirstRecordRow = static_cast<std::int16_t>(rows > 0 ? lastRow - rows + 1 : kBufferRows);
    for (int i = 0; i < rows; ++i) {
        const RingRecord& record = records[skipped + static_cast<std::size_t>(i)];
        const int row = m_state.FirstRecordRow + i;
        m_state.TrendDate[row] = record.date;
        m_state.TrendTime[row] = record.time;
        std::copy_n(record.values.begin(), kLoggedColumns, m_state.TrendValue[row].begin());
    }
}

// The row before the oldest record holds time 0, so that record's row is marked unless it lies
// within five minutes after midnight (row 1 of a full window); rows without a record never are.
void TrendEngine::markGaps() {
    const int last = std::clamp(m_state.LoadCount, 0, kLastRow - 1);
    for (int i = std::max<int>(1, m_state.FirstRecordRow); i <= last; ++i) {
        if (AfterGap(m_state.TrendTime[i - 1], m_state.TrendTime[i]))
            m_state.GapMark[i] = static_cast<std::int16_t>(i);
    }
}

void TrendEngine::applyZoom() {
    if (m_state.ZoomLevel < 1 || m_state.ZoomLevel > kMaxZoomLevel) return;
    const ZoomRow& row = kZoomTable[m_state.ZoomLevel - 1];
    m_state.SampleStep = row.sampleStep;
    m_state.FirstIndex = row.firstIndex;
}

void TrendEngine::liveLoad() {
    if (m_source) m_state.NewestId = std::clamp(m_source->newestId(), 0, kRingCapacity);
    m_state.LoadCount = kLiveLoadCount;
    m_state.LoadEndId = m_state.PageEndId = m_state.NewestId;
    m_state.MarkIndex = m_state.WriteIndex = kLiveRow;
    m_pageHold = false;
    loadWindow();
}

bool TrendEngine::appendLiveSample(const std::array<float, kPenCount>& values, double date,
                                   double time) {
    if (displayPaused()) return false;
    ++m_state.MarkIndex;
    ++m_state.WriteIndex;
    if (reloadIfFull()) return true;
    const int row = m_state.WriteIndex;
    if (row < 1 || row > kLastRow) return true;
    std::copy(values.begin(), values.end(), m_state.TrendValue[row].begin());
    m_state.TrendDate[row] = date;
    m_state.TrendTime[row] = time;
    m_state.FirstRecordRow = std::min<std::int16_t>(m_state.FirstRecordRow, row);
    // The first sample after an outage shows it at once, not only from the next reload on.
    if (AfterGap(m_state.TrendTime[row - 1], time))
        m_state.GapMark[row] = static_cast<std::int16_t>(row);
    return true;
}

// The live window is full once MarkIndex reaches the row just past the right edge. Reached or
// passed: lowering the zoom level can leave MarkIndex beyond the new limit.
bool TrendEngine::reloadIfFull() {
    if (m_state.MarkIndex < kLiveRowsPerZoom * m_state.ZoomLevel + kLiveRow) return false;
    liveLoad();
    return true;
}

bool TrendEngine::changeZoom(int delta) {
    const int level = m_state.ZoomLevel + delta;
    if (level < 1 || level > kMaxZoomLevel) return false;
    m_state.ZoomLevel = static_cast<std::int16_t>(level);
    applyZoom();
    m_sliderStep = RoundHalfEven(m_state.SampleStep);
    if (!displayPaused()) reloadIfFull();
    return true;
}

bool TrendEngine::pageOlder() {
    if (m_state.OldestReached) return false;
    ++m_state.PageBack;
    m_pageHold = true;
    const std::int32_t distance = kPageSamples * m_state.PageBack;
    if (m_state.NewestId > distance) m_state.PageEndId = m_state.NewestId - distance;
    if (BeyondOldest(m_state.NewestId, distance)) {
        m_state.OldestReached = true;
        return false;
    }
    loadPage(distance);
    return true;
}

bool TrendEngine::pageNewer() {
    if (m_state.PageBack <= 0) return false;
    --m_state.PageBack;
    m_state.OldestReached = false;
    if (m_state.PageBack == 0) {
        liveLoad();
        return true;
    }
    const std::int32_t distance = kPageSamples * m_state.PageBack;
    if (m_state.NewestId > distance) m_state.PageEndId = m_state.NewestId - distance;
    m_pageHold = true;
    loadPage(distance);
    return true;
}

void TrendEngine::loadPage(std::int32_t distance) {
    m_state.LoadEndId = PageEnd(m_state.NewestId, distance);
    m_state.LoadCount = kPagedLoadCount;
    m_state.MarkIndex = m_state.WriteIndex = kPagedLoadCount;
    loadWindow();
}

void TrendEngine::enterRuler() {
    if (m_state.RulerOn) return;
    m_state.RulerOn = true;
    m_rulerValue = 0;
    m_rulerLine = {true, 1, 0, 330, kRulerEnterRgb, 2};
}

void TrendEngine::leaveRuler() {
    if (!m_state.RulerOn) return;
    m_state.RulerOn = false;
    m_rulerValue = 0;
    m_rulerLine = {true, 0, 0, 330, kRulerLeaveRgb, 2};
    liveLoad();
}

bool TrendEngine::moveRuler(int value) {
    if (!m_state.RulerOn) return false;
    value = std::clamp(value, kSliderMin, kSliderMax);
    bool reloaded = false;
    if (value == kSliderMin && !m_state.OldestReached) reloaded = pageOlder();
    if (value == kSliderMax && m_state.PageBack > 0) reloaded = pageNewer();
    m_rulerValue = value;
    m_rulerLine = {true, value, 0, kGridHeight, kRulerMoveRgb, 2};
    return reloaded;
}

RulerReading TrendEngine::rulerReading() const {
    const int row = std::clamp(
        RoundHalfEven(m_rulerValue / m_state.SampleStep) + m_state.FirstIndex, 0, kLastRow);
    RulerReading reading{RowStamp(m_state, m_settings, row), {}, row >= m_state.FirstRecordRow};
    if (reading.recorded)
        std::copy_n(m_state.TrendValue[row].begin(), kPenCount, reading.values.begin());
    return reading;
}

// Maximum within -12000..36000, minimum within -12000..35000 and not above the maximum. Equal
// bounds are refused too: a zero span gives no axis, so the previous axis stays.
bool TrendEngine::changeValueAxis(double maximum, double minimum) {
    if (!(maximum >= kAxisLowerLimit && maximum <= kAxisMaximumLimit)) return false;
    if (!(minimum >= kAxisLowerLimit && minimum <= kAxisMinimumLimit) || minimum > maximum)
        return false;
    const std::int32_t top = RoundHalfEven(maximum);
    const std::int32_t bottom = RoundHalfEven(minimum);
    if (top == bottom) return false;
    m_shared.YMin = bottom;
    m_shared.YMax = top;
    m_shared.YSpan = top - bottom;
    return true;
}

std::array<std::int32_t, kAxisLabelCount> TrendEngine::valueAxisLabels() const {
    std::array<std::int32_t, kAxisLabelCount> labels{};
    for (int i = 0; i < kAxisLabelCount; ++i)
        labels[i] = RoundHalfEven(i * static_cast<double>(m_shared.YSpan) / 6.0) + m_shared.YMin;
    return labels;
}

TrendPicture TrendEngine::buildPicture() {
    m_scales.setValueAxis(m_shared.YSpan, m_shared.YMin);
    m_shared.YOffset = m_scales.valueOffset();
    return BuildTrendPicture(m_state, m_settings, m_scales);
}

}  // namespace vt
