#include "program_picture_builder.h"

#include <cstdlib>

#include "entry_text.h"
#include "number_text.h"

namespace vt {

namespace {

constexpr int kGridSpacing = 200;
constexpr int kHorizontalGridLines = kPreviewPlotHeight / kGridSpacing + 1;  // y = 0 .. 9000
constexpr int kLeftGridLine = 2;

std::vector<QLineF> BuildGrid() {
    std::vector<QLineF> lines;
    for (int i = 0; i < kHorizontalGridLines; ++i)
        lines.emplace_back(0, kGridSpacing * i, kPreviewWidth, kGridSpacing * i);
    lines.emplace_back(kLeftGridLine, 0, kLeftGridLine, kPreviewHeight);
    for (int j = 1; j < kPreviewTimeLabels; ++j)
        lines.emplace_back(kPreviewDivision * j, 0, kPreviewDivision * j, kPreviewHeight);
    return lines;
}

std::span<const QLineF> PreviewGrid() {
    static const std::vector<QLineF> grid = BuildGrid();
    return grid;
}

void AddCurve(ProgramPicture& picture, const ProgramMirror& mirror, const ProgramScales& scales,
              std::int32_t startValue) {
    std::int64_t t = 0;
    picture.curve.emplace_back(0, scales.y(startValue));
    for (int n = 1; n <= Program::SegmentCount; ++n) {
        t += mirror.time(n);
        const double x = scales.x(static_cast<double>(t));
        picture.boundaries.emplace_back(x, 0, x, kPreviewPlotHeight);
        picture.curve.emplace_back(RoundHalfEven(x), scales.y(mirror.setPoint(n)));
    }
}

void AddLabels(ProgramPicture& picture, const ProgramScales& scales) {
    for (int i = 0; i < kPreviewTimeLabels; ++i)
        picture.timeLabels[i] = QString::number(static_cast<qint64>(i) * scales.timeStep);
    for (int i = 0; i < kPreviewValueLabels; ++i)
        picture.valueLabels[i] = ZeroPadded(scales.minimum + i * scales.valueStep);
    picture.maximum = QString::number(scales.maximum);
    picture.minimum = QString::number(scales.minimum);
    picture.valueStep = NumberText(scales.valueStep);
}

}  // namespace

QString ZeroPadded(double value) {
    const std::int32_t whole = RoundHalfEven(value);
    const QString digits = QString::number(std::abs(static_cast<qint64>(whole)));
    return (whole < 0 ? QStringLiteral("-") : QString()) +
           digits.rightJustified(5, QLatin1Char('0'));
}

ProgramPicture BuildProgramPicture(const ProgramMirror& mirror, std::int32_t startValue) {
    const ProgramScales scales = ComputeProgramScales(mirror);
    ProgramPicture picture;
    picture.grid = PreviewGrid();
    picture.boundaries.reserve(Program::SegmentCount);
    picture.curve.reserve(Program::SegmentCount + 1);
    AddCurve(picture, mirror, scales, startValue);
    AddLabels(picture, scales);
    return picture;
}

}  // namespace vt
