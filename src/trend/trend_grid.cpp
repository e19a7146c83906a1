#include "trend_grid.h"

#include <vector>

#include "number_text.h"
#include "trend_geometry.h"

namespace vt {

namespace {

std::vector<QLineF> BuildGrid() {
    constexpr double w = kSurfaceWidth;
    constexpr double h = kSurfaceHeight;
    std::vector<QLineF> lines;
    lines.emplace_back(0, 0, w, 0);
    lines.emplace_back(0, kGridHeight, w, kGridHeight);
    for (int i = 0; i <= 24; ++i) {
        const double y = RoundHalfEven(i * 312.5);
        lines.emplace_back(0, y, w, y);
    }
    lines.emplace_back(8, 0, 8, h);
    lines.emplace_back(9000, 0, 9000, h);
    for (int i = 0; i <= 32; ++i) {
        const double x = RoundHalfEven(i * 375.0);
        lines.emplace_back(x, 0, x, h);
    }
    return lines;
}

}  // namespace

std::span<const QLineF> TrendGridLines() {
    static const std::vector<QLineF> grid = BuildGrid();
    return grid;
}

}  // namespace vt
