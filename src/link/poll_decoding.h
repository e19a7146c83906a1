#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "controller_state.h"

namespace vt {

// Conversions of the polled blocks into the controller state. Each takes the values of one
// block that was read successfully and stores them as one unit; a block of the wrong length
// changes nothing.

// Holding 4102..4133 into InputConfig, then the five scaling settings taken from it.
void ApplyInputConfig(ControllerState& state, std::span<const std::int32_t> values);

// Input 1..16 into RawInput, then the engineering values of LiveValue.
void ApplyLiveInputs(ControllerState& state, std::span<const std::int32_t> values);

// Input 33..48 into ActivePid: proportional bands (1, 4) to the nearest whole engineering
// value, derivatives (3, 6) to the nearest tenth of the register, the rest raw.
void ApplyActivePid(ControllerState& state, std::span<const std::int32_t> values);

// Input 4097..4112 into ProgramStatus: the target values (1, 2) to the nearest whole
// engineering value, the rest raw.
void ApplyProgramStatus(ControllerState& state, std::span<const std::int32_t> values);

// Holding 1..8 into RunRaw, then RunValue 1..7.
void ApplyRunRegisters(ControllerState& state, std::span<const std::int32_t> values);

// Holding 4353..4368 into PidParam.
void ApplyPidParams(ControllerState& state, std::span<const std::int32_t> values);

// Packed discrete inputs 1..16 or coils 1..16 into their 0/1 table (element k = number k+1);
// only a word of 0..255 is taken, any other word leaves the table as it was.
void ApplyInputBits(ControllerState& state, std::span<const std::int32_t> values);
void ApplyCoilBits(ControllerState& state, std::span<const std::int32_t> values);

// The eight bits of a byte, least significant first.
std::array<std::int32_t, 8> D_Byte(std::int32_t value);

}  // namespace vt
