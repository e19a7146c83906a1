#include "trend_scales.h"

#include <algorithm>

#include "number_text.h"

namespace vt {

namespace {

// Far beyond the surface, where clipping hides a pen anyway; keeps painter coordinates sane.
constexpr std::int64_t kFarOff = 1'000'000;

int Clamped(std::int64_t y) { return static_cast<int>(std::clamp(y, -kFarOff, kFarOff)); }

}  // namespace

void TrendScales::setValueAxis(std::int32_t span, std::int32_t minimum) {
    if (span != 0) m_factor = static_cast<float>(kGridHeight) / static_cast<float>(span);
    m_offset = minimum != 0 ? RoundHalfEven(m_factor * static_cast<float>(minimum)) : 0;
}

int TrendScales::y(TrendScale scale, float value) const {
    const std::int64_t h = kSurfaceHeight;
    switch (scale) {
        case TrendScale::ValueAxis:
            return Clamped(h + m_offset - RoundHalfEven(m_factor * value));
        case TrendScale::OutputAxis:
            return Clamped(h - 625 - RoundHalfEven(62.5 * value));
        case TrendScale::Percent:
            return Clamped(h - RoundHalfEven(62.5 * value));
    }
    return 0;
}

}  // namespace vt
