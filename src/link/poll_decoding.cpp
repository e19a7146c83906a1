#include "poll_decoding.h"

#include <algorithm>

#include "number_text.h"

namespace vt {

namespace {

constexpr std::size_t kConfigCount = 32;
constexpr std::size_t kBlockCount = 16;
constexpr std::size_t kRunCount = 8;

// Raw register over a power of ten, worked in double and kept as single.
float Tenths(std::int32_t raw) { return static_cast<float>(raw / 10.0); }
float Hundredths(std::int32_t raw) { return static_cast<float>(raw / 100.0); }

template <typename Table>
bool CopyBlock(Table& table, std::span<const std::int32_t> values, std::size_t count) {
    if (values.size() != count) return false;
    std::copy(values.begin(), values.end(), table.begin());
    return true;
}

void ApplyBitWord(std::array<std::int32_t, 101>& table, std::span<const std::int32_t> values) {
    if (values.size() != 1 || values[0] < 0 || values[0] > 255) return;
    const std::array<std::int32_t, 8> bits = D_Byte(values[0]);
    std::copy(bits.begin(), bits.end(), table.begin());
}

}  // namespace

void ApplyInputConfig(ControllerState& state, std::span<const std::int32_t> values) {
    if (CopyBlock(state.InputConfig, values, kConfigCount)) state.RefreshScalingFromConfig();
}

void ApplyLiveInputs(ControllerState& state, std::span<const std::int32_t> values) {
    if (!CopyBlock(state.RawInput, values, kBlockCount)) return;
    const auto& raw = state.RawInput;
    auto& live = state.LiveValue;
    const InputScaling& s = state.Scaling;
    for (int i : {0, 2, 3, 5, 6}) live[i] = RawToValue1(s, raw[i]);
    live[1] = Tenths(raw[1]);
    live[4] = RawToValue2(s, raw[4]);
    live[7] = static_cast<float>(raw[7]);
    live[8] = static_cast<float>(raw[8]);
    live[11] = Hundredths(raw[11]);
    live[12] = Hundredths(raw[12]);
    live[13] = Tenths(raw[13]);
}

void ApplyActivePid(ControllerState& state, std::span<const std::int32_t> values) {
    if (!CopyBlock(state.ActivePid, values, kBlockCount)) return;
    auto& pid = state.ActivePid;
    for (int i : {1, 4}) pid[i] = RoundHalfEven(RawToValue1(state.Scaling, pid[i]));
    for (int i : {3, 6}) pid[i] = RoundHalfEven(pid[i] / 10.0);
}

void ApplyProgramStatus(ControllerState& state, std::span<const std::int32_t> values) {
    if (!CopyBlock(state.ProgramStatus, values, kBlockCount)) return;
    for (int i : {1, 2}) {
        state.ProgramStatus[i] = RoundHalfEven(RawToValue1(state.Scaling, state.ProgramStatus[i]));
    }
}

void ApplyRunRegisters(ControllerState& state, std::span<const std::int32_t> values) {
    if (!CopyBlock(state.RunRaw, values, kRunCount)) return;
    const auto& raw = state.RunRaw;
    state.RunValue[1] = Tenths(raw[1]);
    state.RunValue[2] = RawToValue1(state.Scaling, raw[2]);
    state.RunValue[3] = RawToValue1(state.Scaling, raw[3]);
    for (int i = 4; i < 8; ++i) state.RunValue[i] = static_cast<float>(raw[i]);
}

void ApplyPidParams(ControllerState& state, std::span<const std::int32_t> values) {
    if (values.size() != kBlockCount) return;
    auto& param = state.PidParam;
    for (int i : {0, 3, 5, 8, 10}) param[i] = RawToValue1(state.Scaling, values[i]);
    for (int i : {2, 4, 7, 9, 14, 15}) param[i] = Tenths(values[i]);
    for (int i : {1, 6, 11, 12, 13}) param[i] = static_cast<float>(values[i]);
}

void ApplyInputBits(ControllerState& state, std::span<const std::int32_t> values) {
    ApplyBitWord(state.InputBits, values);
}

void ApplyCoilBits(ControllerState& state, std::span<const std::int32_t> values) {
    ApplyBitWord(state.CoilBits, values);
}

std::array<std::int32_t, 8> D_Byte(std::int32_t value) {
    std::array<std::int32_t, 8> bits{};
    for (int i = 7; i >= 0; --i) {
        const std::int32_t weight = 1 << i;
        bits[i] = value >= weight ? 1 : 0;
        if (bits[i] == 1) value -= weight;
    }
    return bits;
}

}  // namespace vt
