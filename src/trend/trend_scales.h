#pragma once

#include <cstdint>

#include "trend_geometry.h"

namespace vt {

// Maps a value to its y on one of the three scales of the chart, in logical units.
class TrendScales {
  public:
    // Takes the shared value axis. A span of zero cannot give a factor: the factor of the last
    // usable span is kept (the start-up span of 1500 before any).
    void setValueAxis(std::int32_t span, std::int32_t minimum);
    std::int32_t valueOffset() const { return m_offset; }  // YOffset
    int y(TrendScale scale, float value) const;

  private:
    float m_factor = static_cast<float>(kGridHeight) / 1500.0f;
    std::int32_t m_offset = 0;
};

}  // namespace vt
