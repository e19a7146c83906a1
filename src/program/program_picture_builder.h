#pragma once

#include "program_picture.h"
#include "program_scales.h"

namespace vt {

// The preview of the curve in the mirror, drawn with the scales computed from that same mirror
// (so a freshly uploaded curve is drawn to its own scale at once), starting at `startValue` at
// time 0.
ProgramPicture BuildProgramPicture(const ProgramMirror& mirror, std::int32_t startValue);

// A value label: the value rounded to a whole number, at least five digits ("00125", "-00050").
QString ZeroPadded(double value);

}  // namespace vt
