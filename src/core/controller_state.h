#pragma once

#include <array>
#include <cstdint>

#include "controller_map.h"
#include "program_mirror.h"
#include "value_conversion.h"

namespace vt {

// Slots of the link-settings table.
enum LinkSlot : int {
    PortNumber = 0,    // serial port 1..20 (list index port-1 after a restore, until opened)
    BaudCode = 1,      // 0..8
    ParityCode = 2,    // 0 none, 1 odd, 2 even
    SlaveAddress = 3,  // 1..16 (list index address-1 after a restore, until opened)
    WriteScratchProgram = 19,
    OpenResult = 20,
    WriteScratchEditor = 21,
    WriteScratchOutput = 24,
};

// The station's one store of controller values and settings. It lives on the user-interface
// thread: the polling cycle writes each block into it there, every window reads it there.
// Element types and bounds are the contract the windows rely on.
struct ControllerState {
    // Live tables, filled by the polling cycle.
    std::array<float, 301> LiveValue{};
    std::array<std::int32_t, 501> RawInput{};
    std::array<std::int32_t, 101> ActivePid{};
    std::array<std::int32_t, 21> ProgramStatus{};
    std::array<std::int32_t, 501> RunRaw{};
    std::array<float, 301> RunValue{};
    std::array<float, 51> PidParam{};
    std::array<std::int32_t, 101> InputBits{};
    std::array<std::int32_t, 101> CoilBits{};

    // Input scaling: holding registers 4102..4133 and the five settings derived from them.
    std::array<std::int32_t, 33> InputConfig{};
    InputScaling Scaling;  // TempUnit, Input1Type, Input1Decimals, Input2Type, Input2Decimals

    std::array<std::int32_t, 501> LinkSettings{};

    // The current curve's parameters and segments as the program window last read or wrote them.
    ProgramMirror CurveMirror;

    // Value axis shared by both trend windows. 32-bit: the accepted range (maximum up to 36000,
    // minimum down to -12000, so spans up to 48000) does not fit 16 bits.
    std::int32_t YMin = 0;
    std::int32_t YMax = 0;
    std::int32_t YSpan = 0;
    std::int32_t YOffset = 0;

    // Set by the data logger, consumed by the trend windows.
    bool TrendWindowOpen = false;
    bool NewSampleFlag = false;
    bool NewHistorySampleFlag = false;

    // Date (day serial) and time of day (fraction) of the newest record of each ring.
    double PvLastTime = 0.0;
    double PvLastDate = 0.0;
    double LpvLastTime = 0.0;
    double LpvLastDate = 0.0;

    // Copies the five scaling settings out of InputConfig, as after every read of that block.
    void RefreshScalingFromConfig() {
        Scaling.TempUnit = InputConfig[vt::Scaling::TempUnit.element];
        Scaling.Input1Type = InputConfig[vt::Scaling::Input1Type.element];
        Scaling.Input1Decimals = InputConfig[vt::Scaling::Input1Decimals.element];
        Scaling.Input2Type = InputConfig[vt::Scaling::Input2Type.element];
        Scaling.Input2Decimals = InputConfig[vt::Scaling::Input2Decimals.element];
    }
};

}  // namespace vt
