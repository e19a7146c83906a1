#include "program_scales.h"

#include <algorithm>
#include <cstdlib>

#include "number_text.h"
#include "program_picture.h"

namespace vt {

namespace {

constexpr int kTimeDivisions = 15;
constexpr double kHeadroom = 1.2;  // the top line stands at 1.2 x span above the minimum
constexpr int kValueDivisions = kPreviewValueLabels - 1;

}  // namespace

std::int32_t ProgramScales::y(std::int32_t value) const {
    return kPreviewHeight + bottomOffset - RoundHalfEven(value * vertical);
}

ProgramScales ComputeProgramScales(const ProgramMirror& mirror) {
    ProgramScales s;
    s.maximum = s.minimum = mirror.setPoint(1);
    for (int n = 1; n <= Program::SegmentCount; ++n) {
        s.totalTime += mirror.time(n);
        s.maximum = std::max(s.maximum, mirror.setPoint(n));
        s.minimum = std::min(s.minimum, mirror.setPoint(n));
    }
    s.timeStep = std::max(1, s.totalTime / kTimeDivisions + 1);
    s.horizontal = static_cast<double>(kPreviewDivision) / s.timeStep;

    s.span = std::abs(s.maximum - s.minimum);
    if (s.span > 0) {
        s.valueStep = s.span * kHeadroom / kValueDivisions;
        s.vertical = kPreviewPlotHeight / (s.span * kHeadroom);
    } else {
        // All set points equal: step 0, every label at the minimum, and the whole curve, start
        // point included, on the bottom line.
        s.valueStep = 0.0;
        s.vertical = 0.0;
    }
    s.bottomOffset = s.minimum != 0 ? RoundHalfEven(s.minimum * s.vertical) : 0;
    return s;
}

}  // namespace vt
