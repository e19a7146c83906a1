#pragma once

#include <array>
#include <string>

#include "parameter.h"

namespace vt {

// The grouped tables as data: the twenty PID sets (5121..5240) and the twenty output-limit
// groups with their switching mode (4609..4689). Every cell is sent again on any failure.

// One parameter of a PID set: its text after the set number, its range and its description.
struct GroupPidField {
    const char* name;
    const char* range;
    const char* description;
};
inline constexpr int kGroupPidFields = 6;
// Heating band, integral and derivative time, then the cooling three.
const std::array<GroupPidField, kGroupPidFields>& GroupPidFields();

// Parameter k (0..5) of PID set g (1..20): whole numbers, the derivative times in tenths.
Parameter GroupPidParameter(int g, int k);
// "分组 <g>" followed by the field's name: how the table names that parameter.
std::string GroupPidCaption(int g, int k);

// Columns 1..4 of a limit group: temperature (whole engineering units of the main input, -10000
// to 30000), output upper and lower limit (0..100) and PID set (no range).
inline constexpr int kGroupLimitColumns = 4;
const char* GroupLimitHead(int column);
Parameter GroupLimitParameter(int g, int column);
// "分组 <g>" followed by the column's head.
std::string GroupLimitCaption(int g, int column);

// The switching mode "当前功能" (0 off, 1 by PV, 2 by SV), shown as its code.
const Parameter& GroupModeParameter();

}  // namespace vt
