#pragma once

#include <QColor>
#include <QFont>
#include <QPen>

namespace vt {

// Reports are laid out in tenths of a millimetre on the paper.
inline constexpr double kUnitsPerMm = 10.0;
inline constexpr double Mm(double mm) { return mm * kUnitsPerMm; }

// The report's typefaces (embedded in a PDF as subsets) at a size in points.
QFont ReportFont(double points, bool bold = false);

// A line of `widthMm` on the paper (never cosmetic, so a printout and a PDF agree).
QPen LinePen(const QColor& colour, double widthMm, Qt::PenStyle style = Qt::SolidLine);

}  // namespace vt
