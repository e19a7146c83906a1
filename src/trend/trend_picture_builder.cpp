#include "trend_picture_builder.h"

#include <algorithm>
#include <cmath>

#include "number_text.h"
#include "trend_grid.h"

namespace vt {

namespace {

constexpr double kSecondsPerDay = 86400.0;

// Labels 7 and 8 of the live window: n = 1, 2 label steps after row 241.
TrendStamp ExtrapolatedStamp(const TrendState& state, const TrendSettings& settings, int n) {
    const TrendStamp newest = RowStamp(state, settings, kLiveRow);
    if (!newest.known) return newest;
    const double step = n * state.ZoomLevel * kGapThreshold / 30.0 * settings.SecondsPerRecord;
    double time = static_cast<float>(newest.time + step);
    double date = newest.date;
    if (time > 1.0) {
        date += 1.0;
        time -= 1.0;
    }
    return {date, time};
}

std::vector<QLineF> GapMarkLines(const TrendState& state) {
    std::vector<QLineF> lines;
    const int count = kPageSamples * state.ZoomLevel + state.MarkIndex - kLiveRow;
    for (int i = 1; i <= count && i + state.FirstIndex <= kLastRow; ++i) {
        if (state.GapMark[i + state.FirstIndex] <= 0) continue;
        const double x = i * static_cast<double>(state.SampleStep);
        lines.emplace_back(x, 0.0, x, kGapMarkBottom);
    }
    return lines;
}

// Rows without a record are not drawn.
TrendPolyline PenLine(const TrendState& state, const TrendScales& scales, const TrendPenSpec& pen,
                      TrendScale scale) {
    TrendPolyline line{pen.rgb, pen.width, {}};
    const int segments = kPageSamples * state.ZoomLevel + state.WriteIndex - kLiveRow;
    if (segments < 1 || state.FirstIndex < 0) return line;
    const int last = std::min(state.FirstIndex + segments, kLastRow);
    const int first = std::max<int>(state.FirstIndex, state.FirstRecordRow);
    if (first > last) return line;
    line.points.reserve(static_cast<std::size_t>(last - first + 1));
    for (int row = first; row <= last; ++row) {
        const int i = row - state.FirstIndex;
        const double x = RoundHalfEven(static_cast<float>(i) * state.SampleStep);
        line.points.emplace_back(x, scales.y(scale, state.TrendValue[row][pen.column]));
    }
    return line;
}

}  // namespace

TrendStamp RowStamp(const TrendState& state, const TrendSettings& settings, int row) {
    const int first = state.FirstRecordRow;
    if (first > kLastRow) return {0.0, 0.0, false};
    if (row >= first) return {state.TrendDate[row], state.TrendTime[row]};
    // Records lie SecondsPerRecord apart: step back from the oldest one.
    const double seconds = (row - first) * static_cast<double>(settings.SecondsPerRecord);
    const double moment = state.TrendTime[first] + seconds / kSecondsPerDay;
    const double days = std::floor(moment);
    return {state.TrendDate[first] + days, moment - days};
}

TrendStamp TimeLabelStamp(const TrendState& state, const TrendSettings& settings, int index) {
    const bool liveWindow = state.LoadCount < 320;
    if (liveWindow && index >= kTimeLabelCount - 2)
        return ExtrapolatedStamp(state, settings, index - (kTimeLabelCount - 3));
    const int row = std::clamp(index * state.ZoomLevel * 10 + state.FirstIndex + 1, 0, kLastRow);
    return RowStamp(state, settings, row);
}

TrendPicture BuildTrendPicture(const TrendState& state, const TrendSettings& settings,
                               const TrendScales& scales) {
    TrendPicture picture;
    picture.grid = TrendGridLines();
    for (int i = 0; i < kTimeLabelCount; ++i)
        picture.timeLabels[i] = TimeLabelStamp(state, settings, i);
    picture.gapMarks = GapMarkLines(state);
    for (int p = 0; p < kPenCount; ++p) {
        const TrendPenSpec& pen = kTrendPens[p];
        const TrendScale scale = p == kSettingScalePen ? settings.OutputPenScale : pen.scale;
        picture.pens[p] = PenLine(state, scales, pen, scale);
    }
    return picture;
}

}  // namespace vt
