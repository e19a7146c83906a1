#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "block_read.h"
#include "parameter.h"

namespace vt {

// The parameter areas a controller image holds, in the order an image lists them.
enum class ImageArea {
    Configuration,      // 4097..4208
    Pid,                // 4353..4368
    Alarms,             // 257..272
    GroupPid,           // 5121..5240
    GroupLimits,        // 4609..4689
    CurveNumber,        // 7
    ProgramParameters,  // 8193..8208, the current curve's
    Segments,           // 8209..8400, the current curve's
};

// How an image file names an area ("configuration") and how the station shows it ("系统配置").
QString AreaKey(ImageArea area);
QString AreaName(ImageArea area);

// One register of an image: its area, its caption (empty for a register no window shows) and
// the parameter a window shows and writes it by (display rule, options, retry rule).
struct ImageRegister {
    ImageArea area;
    QString caption;
    Parameter parameter;
    std::int32_t reg() const { return parameter.reg; }
};

// Every register of an image, area by area, each area in register order. Built from the
// windows' own tables.
const std::vector<ImageRegister>& ImageRegisters();
// Where register `reg` stands in ImageRegisters(); none for a register outside the image.
std::optional<std::size_t> ImageIndexOf(std::int32_t reg);

// Whether `reg` lies in the current curve's window (its parameters and segments), which shows
// whichever curve register 7 selects.
bool InCurveWindow(std::int32_t reg);

// The reads that take a whole image, in the image's order, none longer than 64 registers (the
// blocks the windows read). The current curve's number is read before and after its window.
std::vector<ReadBlock> ImageReadBlocks();

}  // namespace vt
