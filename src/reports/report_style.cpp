#include "report_style.h"

#include <cmath>

namespace vt {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;
constexpr double kNoLigatureSpacing = 0.02;  // device pixels: the least Qt keeps

}  // namespace

QFont ReportFont(double points, bool bold) {
    // Latin from DejaVu Sans, Chinese from Droid Sans Fallback: with Noto Sans CJK the PDF's
    // text layer comes out wrong (characters that share a glyph with a radical are extracted as
    // the radical, digits in Latin runs are lost), so copying and searching would fail. Noto
    // Sans CJK stays as the last resort.
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Droid Sans Fallback"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(Mm(points * kMmPerPoint))));
    font.setBold(bold);
    // Any letter spacing turns the shaper's ligatures off: "ff" in a chain head would otherwise
    // reach the text layer as one character, and a copied or searched hash would not match.
    font.setLetterSpacing(QFont::AbsoluteSpacing, kNoLigatureSpacing);
    return font;
}

QPen LinePen(const QColor& colour, double widthMm, Qt::PenStyle style) {
    QPen pen(colour, Mm(widthMm), style, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(false);
    return pen;
}

}  // namespace vt
