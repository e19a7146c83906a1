#pragma once

#include <QLineF>
#include <span>

namespace vt {

// The fixed grid of the chart (62 lines in logical units), computed once.
std::span<const QLineF> TrendGridLines();

}  // namespace vt
