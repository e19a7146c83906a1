#include "report_style.h"

#include <cmath>

namespace vt {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;

}  // namespace

QFont ReportFont(double points, bool bold) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(Mm(points * kMmPerPoint))));
    font.setBold(bold);
    return font;
}

QPen LinePen(const QColor& colour, double widthMm, Qt::PenStyle style) {
    QPen pen(colour, Mm(widthMm), style, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(false);
    return pen;
}

}  // namespace vt
