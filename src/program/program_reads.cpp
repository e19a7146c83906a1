#include "program_reads.h"

#include <algorithm>

#include "number_text.h"

namespace vt {

namespace {

constexpr int kUploadBlockCount = 3;
constexpr int kRegistersPerSegment = 8;
constexpr int kUploadBlockSize = 64;
constexpr int kSegmentsPerBlock = kUploadBlockSize / kRegistersPerSegment;
constexpr int kWaitDeviation = 1;
constexpr int kStartValueSelect = 6;
constexpr int kLivePv1 = 0;
constexpr int kLiveSv1 = 2;

std::int32_t WholeUnits(std::int32_t raw, const InputScaling& scaling) {
    return RoundHalfEven(RawToValue1(scaling, raw));
}

}  // namespace

ReadBlock ProgramParameterBlock() {
    return {Area::ProgramParameters.first, Area::ProgramParameters.count};
}

std::vector<ReadBlock> SegmentUploadBlocks() {
    std::vector<ReadBlock> blocks;
    for (int b = 0; b < kUploadBlockCount; ++b)
        blocks.push_back({Area::Segments.first + b * kUploadBlockSize, kUploadBlockSize});
    return blocks;
}

void StoreParameterBlock(ProgramMirror& mirror, std::span<const std::int32_t> values,
                         const InputScaling& scaling) {
    const std::size_t count = std::min(values.size(), mirror.Parameters.size());
    std::copy_n(values.begin(), count, mirror.Parameters.begin());
    if (count > kWaitDeviation)
        mirror.Parameters[kWaitDeviation] = WholeUnits(values[kWaitDeviation], scaling);
}

void StoreSegmentBlock(ProgramMirror& mirror, int index, std::span<const std::int32_t> values,
                       const InputScaling& scaling) {
    if (index < 0 || index >= kUploadBlockCount) return;
    const int whole = static_cast<int>(values.size()) / kRegistersPerSegment;
    for (int s = 0; s < std::min(whole, kSegmentsPerBlock); ++s) {
        const int n = index * kSegmentsPerBlock + s + 1;
        const auto record = values.subspan(static_cast<std::size_t>(s) * kRegistersPerSegment);
        for (int k = 0; k < ProgramMirror::kFieldCount; ++k) mirror.Segments[n][k] = record[k];
        mirror.Segments[n][0] = WholeUnits(record[0], scaling);
    }
}

std::int32_t StartValue(const ControllerState& state) {
    const bool fromPv = state.CurveMirror.Parameters[kStartValueSelect] == 0;
    return RoundHalfEven(state.LiveValue[fromPv ? kLivePv1 : kLiveSv1]);
}

}  // namespace vt
