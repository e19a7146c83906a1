#pragma once

#include <span>
#include <vector>

#include "report_chart_data.h"

namespace vt {

// Reduces samples over [0, span] seconds to `columns` evenly spaced columns per pen, keeping
// each column's minimum and maximum, so a chart of any length draws a fixed number of points.
class ColumnReducer {
  public:
    ColumnReducer(double spanSeconds, int columns, int pens);

    // One sample at `seconds` after the start; values[i] is pen i. Samples outside the span are
    // not kept.
    void add(double seconds, std::span<const float> values);
    const std::vector<ColumnRange>& pen(int index) const { return m_pens[std::size_t(index)]; }

  private:
    double m_span;
    int m_columns;
    std::vector<std::vector<ColumnRange>> m_pens;
};

}  // namespace vt
