#include "column_reducer.h"

#include <algorithm>
#include <cmath>

namespace vt {

ColumnReducer::ColumnReducer(double spanSeconds, int columns, int pens)
    : m_span(std::max(spanSeconds, 1e-9)),
      m_columns(std::max(columns, 1)),
      m_pens(std::size_t(std::max(pens, 0)), std::vector<ColumnRange>(std::size_t(m_columns))) {}

void ColumnReducer::add(double seconds, std::span<const float> values) {
    if (!(seconds >= 0.0 && seconds <= m_span)) return;
    const int column = std::min(int(seconds / m_span * m_columns), m_columns - 1);
    const std::size_t pens = std::min(values.size(), m_pens.size());
    for (std::size_t i = 0; i < pens; ++i) {
        ColumnRange& c = m_pens[i][std::size_t(column)];
        const float v = values[i];
        if (!std::isfinite(v)) continue;
        if (!c.present) {
            c = {v, v, true};
            continue;
        }
        c.minimum = std::min(c.minimum, v);
        c.maximum = std::max(c.maximum, v);
    }
}

}  // namespace vt
