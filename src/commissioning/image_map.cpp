#include "image_map.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "alarm_parameters.h"
#include "config_catalogue.h"
#include "controller_map.h"
#include "group_catalogue.h"
#include "pid_parameters.h"
#include "program_catalogue.h"

namespace vt {

namespace {

constexpr std::int32_t kMaxBlock = 64;
constexpr int kSegmentRegisters = 8;
constexpr int kSegmentFields = 6;  // fields 6 and 7 of a segment have no column

struct AreaInfo {
    ImageArea area;
    const char* key;
    const char* name;
    RegisterSpan span;
};

constexpr std::array kAreas = {
    AreaInfo{ImageArea::Configuration, "configuration", "系统配置", Area::Configuration},
    AreaInfo{ImageArea::Pid, "pid", "PID参数", Area::PidParameters},
    AreaInfo{ImageArea::Alarms, "alarms", "报警设置", Area::AlarmSettings},
    AreaInfo{ImageArea::GroupPid, "groupPid", "PID分组", {Area::GroupPid.first, 120}},
    AreaInfo{ImageArea::GroupLimits, "groupLimits", "分组限幅", Area::GroupLimits},
    AreaInfo{ImageArea::CurveNumber, "curve", "当前曲线", {Run::CurveNumber.number, 1}},
    AreaInfo{ImageArea::ProgramParameters, "program", "曲线参数", Area::ProgramParameters},
    AreaInfo{ImageArea::Segments, "segments", "曲线段", Area::Segments},
};

const AreaInfo& InfoOf(ImageArea area) { return kAreas[static_cast<std::size_t>(area)]; }

// A register no window shows: plain number, sent again on "no valid answer".
Parameter Unshown(std::int32_t reg) { return NumberParameter(reg, "", ScalingRule::Raw); }

ImageRegister Row(ImageArea area, const Parameter& parameter) {
    return {area, QString::fromUtf8(parameter.caption), parameter};
}

ImageRegister Row(ImageArea area, const std::string& caption, const Parameter& parameter) {
    return {area, QString::fromStdString(caption), parameter};
}

void AddConfiguration(std::vector<ImageRegister>& rows) {
    for (std::int32_t reg = Area::Configuration.first; reg <= Area::Configuration.last(); ++reg) {
        const ConfigEntry* entry = ConfigEntryOfRegister(reg);
        rows.push_back(Row(ImageArea::Configuration, entry ? entry->parameter : Unshown(reg)));
    }
}

template <std::size_t N>
void AddTable(std::vector<ImageRegister>& rows, ImageArea area,
              const std::array<Parameter, N>& table) {
    const RegisterSpan span = InfoOf(area).span;
    for (std::int32_t reg = span.first; reg <= span.last(); ++reg) {
        const auto offset = static_cast<std::size_t>(span.element(reg));
        rows.push_back(Row(area, offset < N ? table[offset] : Unshown(reg)));
    }
}

void AddGroups(std::vector<ImageRegister>& rows) {
    for (int g = 1; g <= Group::Count; ++g) {
        for (int k = 0; k < kGroupPidFields; ++k)
            rows.push_back(
                Row(ImageArea::GroupPid, GroupPidCaption(g, k), GroupPidParameter(g, k)));
    }
    rows.push_back(Row(ImageArea::GroupLimits, GroupModeParameter()));
    for (int g = 1; g <= Group::Count; ++g) {
        for (int c = 1; c <= kGroupLimitColumns; ++c) {
            rows.push_back(
                Row(ImageArea::GroupLimits, GroupLimitCaption(g, c), GroupLimitParameter(g, c)));
        }
    }
}

void AddProgram(std::vector<ImageRegister>& rows) {
    rows.push_back(Row(ImageArea::CurveNumber, CurveNumberParameter()));
    std::array<Parameter, ProgramMirror::kParameterCount> parameters{};
    for (int offset = 0; offset < ProgramMirror::kParameterCount; ++offset)
        parameters[static_cast<std::size_t>(offset)] = Unshown(Program::Parameter(offset));
    for (const ProgramParameterEntry& entry : ProgramParameters())
        parameters[static_cast<std::size_t>(entry.offset)] = entry.parameter;
    AddTable(rows, ImageArea::ProgramParameters, parameters);
    for (int n = 1; n <= Program::SegmentCount; ++n) {
        const std::string segment = "第" + std::to_string(n) + "段";
        for (int k = 0; k < kSegmentRegisters; ++k) {
            if (k < kSegmentFields) {
                const Parameter field = SegmentFieldParameter(n, k);
                rows.push_back(Row(ImageArea::Segments, segment + " " + field.caption, field));
            } else {
                // Segments are written as the program editor writes them: again on any failure.
                Parameter spare = Unshown(Program::SegmentField(n, k));
                spare.retry = RetryRule::OnAnyFailure;
                rows.push_back(Row(ImageArea::Segments, segment, spare));
            }
        }
    }
}

std::vector<ImageRegister> BuildRegisters() {
    std::vector<ImageRegister> rows;
    AddConfiguration(rows);
    AddTable(rows, ImageArea::Pid, PidParameters());
    AddTable(rows, ImageArea::Alarms, AlarmParameters());
    AddGroups(rows);
    AddProgram(rows);
    return rows;
}

void AddBlocks(std::vector<ReadBlock>& blocks, RegisterSpan span) {
    for (std::int32_t first = span.first; first <= span.last(); first += kMaxBlock)
        blocks.push_back({first, std::min(kMaxBlock, span.last() - first + 1)});
}

}  // namespace

QString AreaKey(ImageArea area) { return QString::fromLatin1(InfoOf(area).key); }

QString AreaName(ImageArea area) { return QString::fromUtf8(InfoOf(area).name); }

const std::vector<ImageRegister>& ImageRegisters() {
    static const std::vector<ImageRegister> rows = BuildRegisters();
    return rows;
}

std::optional<std::size_t> ImageIndexOf(std::int32_t reg) {
    static const std::unordered_map<std::int32_t, std::size_t> index = [] {
        std::unordered_map<std::int32_t, std::size_t> byRegister;
        const std::vector<ImageRegister>& rows = ImageRegisters();
        for (std::size_t i = 0; i < rows.size(); ++i) byRegister[rows[i].reg()] = i;
        return byRegister;
    }();
    const auto found = index.find(reg);
    if (found == index.end()) return std::nullopt;
    return found->second;
}

bool InCurveWindow(std::int32_t reg) {
    return Area::ProgramParameters.contains(reg) || Area::Segments.contains(reg);
}

std::vector<ReadBlock> ImageReadBlocks() {
    std::vector<ReadBlock> blocks;
    // The configuration block as its window reads it: three of 32 and the last 16.
    for (std::int32_t first = Area::Configuration.first; first <= Area::Configuration.last();
         first += 32)
        blocks.push_back({first, std::min(32, Area::Configuration.last() - first + 1)});
    for (const AreaInfo& info : kAreas) {
        if (info.area != ImageArea::Configuration) AddBlocks(blocks, info.span);
    }
    blocks.push_back({Run::CurveNumber.number, 1});
    return blocks;
}

}  // namespace vt
