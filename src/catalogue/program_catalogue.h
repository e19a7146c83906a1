#pragma once

#include <array>

#include "parameter.h"

namespace vt {

// One program parameter as the program window offers it: its offset in the parameter block,
// its descriptor, and the control names of its editor and "DOWN" button.
struct ProgramParameterEntry {
    int offset;
    Parameter parameter;
    const char* input;   // `CB1` .. `CB6` or `TextA_<offset>`
    const char* button;  // `Command1b` .. `Command1g` or `Command1_<offset>`
};

inline constexpr int kProgramParameterRows = 12;

// The twelve parameters in the order the window lays them out, column by column (four columns
// of three). Lists are written as the number at the start of the box's text, the wait deviation
// through the main input's scaling with its decimals, the other numbers rounded; every write is
// sent again only on "no valid answer".
const std::array<ProgramParameterEntry, kProgramParameterRows>& ProgramParameters();

// One column of the segment grid: its head and width; data columns also their segment field.
struct SegmentColumn {
    const char* head;
    int widthTwips;
};
inline constexpr int kSegmentColumns = 7;  // the segment number, then fields 0..5
const std::array<SegmentColumn, kSegmentColumns>& SegmentColumns();

// The current curve's number (holding register 7), as the program window's "当前曲线" shows it;
// choosing a curve writes it, sent again only on "no valid answer".
const Parameter& CurveNumberParameter();

// Field k (0..5) of segment n (1..24) as one cell write: the set point in whole engineering
// units through the main input's scaling, the other fields rounded; each within its column's
// range (none for the PID set) and sent again on any failure.
Parameter SegmentFieldParameter(int n, int k);

}  // namespace vt
