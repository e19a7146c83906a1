#pragma once

#include <cstdint>

namespace vt {

// The controller's register map in the station's numbering (everything from 1), named once so
// that code says what it means. A named entry gives the register (or coil or input) and the
// element of the station table that holds it.

// Consecutive registers read as one block.
struct RegisterSpan {
    std::int32_t first;
    std::int32_t count;
    constexpr std::int32_t last() const { return first + count - 1; }
    constexpr bool contains(std::int32_t reg) const { return reg >= first && reg <= last(); }
    constexpr int element(std::int32_t reg) const { return reg - first; }
};

// A register, coil or input and the element of its table.
struct MapEntry {
    std::int32_t number;
    int element;
};

namespace Area {
inline constexpr RegisterSpan RunRegisters{1, 8};            // holding: output, set values, program
inline constexpr RegisterSpan AlarmSettings{257, 16};        // holding: alarm 1, 2, heater break
inline constexpr RegisterSpan Configuration{4097, 112};      // holding: the parameter block
inline constexpr RegisterSpan InputConfiguration{4102, 32};  // holding: the scaling part of it
inline constexpr RegisterSpan PidParameters{4353, 16};       // holding: the active PID set
inline constexpr RegisterSpan GroupLimits{4609, 81};         // holding: mode and 20 limit groups
inline constexpr RegisterSpan GroupPid{5121, 120};           // holding: 20 PID sets of 6
inline constexpr RegisterSpan ProgramParameters{8193, 16};   // holding: the current curve's
inline constexpr RegisterSpan Segments{8209, 192};           // holding: its 24 segments of 8
inline constexpr RegisterSpan LiveInputs{1, 16};             // input registers
inline constexpr RegisterSpan PidInUse{33, 16};              // input registers
inline constexpr RegisterSpan ProgramStatus{4097, 16};       // input registers
}  // namespace Area

// Run registers (holding 1..8), elements of RunRaw and RunValue.
namespace Run {
inline constexpr MapEntry Output{2, 1};  // tenths of a percent
inline constexpr MapEntry Sv1{3, 2};
inline constexpr MapEntry Sv2{4, 3};
inline constexpr MapEntry JumpSegment{6, 5};
inline constexpr MapEntry CurveNumber{7, 6};
inline constexpr MapEntry ProgramFunction{8, 7};
}  // namespace Run

// The scaling settings of the configuration block, elements of InputConfig.
namespace Scaling {
inline constexpr MapEntry TempUnit{4102, 0};
inline constexpr MapEntry Input1Type{4109, 7};
inline constexpr MapEntry Input1Decimals{4112, 10};
inline constexpr MapEntry AuxFunction{4119, 17};
inline constexpr MapEntry Input2Type{4120, 18};
inline constexpr MapEntry Input2Decimals{4123, 21};
}  // namespace Scaling

// Coils, elements of CoilBits (coil number = element + 1).
namespace Coil {
inline constexpr MapEntry Manual{1, 0};
inline constexpr MapEntry ProgramRun{2, 1};
inline constexpr MapEntry Sv2Selected{3, 2};
inline constexpr MapEntry Standby{4, 3};
inline constexpr MapEntry AutoTune{7, 6};
}  // namespace Coil

// Discrete inputs, elements of InputBits (input number = element + 1).
namespace Discrete {
inline constexpr MapEntry Alarm1{1, 0};
inline constexpr MapEntry Alarm2{2, 1};
inline constexpr MapEntry Input1Open{5, 4};  // then input-1 short, input-2 open and short
}  // namespace Discrete

// Grouped output limits: group g (1..20) at 4606 + 4g .. 4609 + 4g.
namespace Group {
inline constexpr std::int32_t Mode = 4609;  // 0 off, 1 by PV, 2 by SV
inline constexpr int Count = 20;
constexpr std::int32_t Temperature(int g) { return 4606 + 4 * g; }
constexpr std::int32_t OutputHigh(int g) { return 4607 + 4 * g; }
constexpr std::int32_t OutputLow(int g) { return 4608 + 4 * g; }
constexpr std::int32_t PidSet(int g) { return 4609 + 4 * g; }
// Parameter k (0..5) of PID set g: heating band, integral, derivative, then the cooling three.
constexpr std::int32_t Pid(int g, int k) { return 5115 + 6 * g + k; }
}  // namespace Group

// The program window of the current curve.
namespace Program {
inline constexpr int SegmentCount = 24;
inline constexpr int CurveCount = 9;  // curves 0..8
constexpr std::int32_t Parameter(int offset) { return 8193 + offset; }
// Field k (0 set point, 1 time, 2 IO, 3 PID set, 4 limit group, 5 segment alarm) of segment n.
constexpr std::int32_t SegmentField(int n, int k) { return 8201 + 8 * n + k; }
}  // namespace Program

}  // namespace vt
