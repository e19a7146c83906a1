#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "block_read.h"
#include "controller_state.h"

namespace vt {

// How the program window's registers come into the mirror.

// The parameter block (8193, 16 registers).
ReadBlock ProgramParameterBlock();
// The segment table as an upload reads it: three blocks of 64 registers from 8209, 8273 and
// 8337, eight segments each.
std::vector<ReadBlock> SegmentUploadBlocks();

// Stores a read of the parameter block: the wait deviation converted to whole engineering
// units, the other offsets as read.
void StoreParameterBlock(ProgramMirror& mirror, std::span<const std::int32_t> values,
                         const InputScaling& scaling);
// Stores block `index` (0..2) of an upload: fields 0..5 of its eight segments, the set point
// converted to whole engineering units. Fields 6 and 7 are not kept. A short block stores only
// the segments it holds whole.
void StoreSegmentBlock(ProgramMirror& mirror, int index, std::span<const std::int32_t> values,
                       const InputScaling& scaling);

// Where the curve preview starts: PV1 when "开始值选择" is 0, else SV1, in whole units.
std::int32_t StartValue(const ControllerState& state);

}  // namespace vt
