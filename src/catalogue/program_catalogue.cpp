#include "program_catalogue.h"

#include "controller_map.h"
#include "program_mirror.h"

namespace vt {

namespace {

constexpr OptionEntry Entry(const char* text) { return {text, text}; }

constexpr std::array kWaitTypes = {Entry("0:禁止 "), Entry("1:下偏差等待 "), Entry("2:上偏差等待 "),
                                   Entry("3:偏差带等待 ")};
constexpr std::array kTimeUnits = {Entry("0:小时 "), Entry("1:分钟 "), Entry("2:秒 ")};
constexpr std::array kPowerReturn = {
    Entry("0:来电继续 "), Entry("1:来电停止 "), Entry("2:来电从第一段运行 "),
    Entry("3:无偏差继续运行，有偏差停 "), Entry("4:来电进入暂停 ")};
constexpr std::array kStartValues = {Entry("0:测量值 "), Entry("1:设定值 ")};
constexpr std::array kEndOutputs = {Entry("0:输出控制为0 "), Entry("1:保持最后SV控制 ")};
constexpr std::array kThirdLine = {Entry("0:段号 "), Entry("1:剩余时间 ")};

constexpr ProgramParameterEntry List(int offset, const char* caption, OptionList options,
                                     const char* input, const char* button) {
    return {offset, ListParameter(Program::Parameter(offset), caption, options), input, button};
}

constexpr ProgramParameterEntry Number(int offset, const char* caption, ScalingRule rule,
                                       const char* input, const char* button) {
    return {offset, NumberParameter(Program::Parameter(offset), caption, rule), input, button};
}

constexpr std::array<ProgramParameterEntry, kProgramParameterRows> kParameters = {
    List(0, "程序等待类型", kWaitTypes, "CB1", "Command1b"),
    List(2, "曲线时间单位", kTimeUnits, "CB2", "Command1c"),
    List(5, "电源掉电处理", kPowerReturn, "CB3", "Command1d"),
    Number(1, "等待偏差值", ScalingRule::MainScale, "TextA_1", "Command1_1"),
    Number(3, "程序段数", ScalingRule::Raw, "TextA_3", "Command1_3"),
    Number(4, "程序次数", ScalingRule::Raw, "TextA_4", "Command1_4"),
    List(6, "开始值选择", kStartValues, "CB4", "Command1e"),
    List(7, "曲线结束OUT", kEndOutputs, "CB5", "Command1f"),
    Number(8, "循环段次数", ScalingRule::Raw, "TextA_8", "Command1_8"),
    Number(9, "循环开始段", ScalingRule::Raw, "TextA_9", "Command1_9"),
    Number(10, "循环结束段", ScalingRule::Raw, "TextA_10", "Command1_10"),
    List(11, "第三行显示", kThirdLine, "CB6", "Command1g"),
};

constexpr std::array<SegmentColumn, kSegmentColumns> kColumns = {{{"段号 ", 550},
                                                                  {"温度", 750},
                                                                  {"时间", 750},
                                                                  {"IO状态 ", 800},
                                                                  {"PID组", 750},
                                                                  {"限幅组", 800},
                                                                  {"NAlm", 750}}};

// Ranges of fields 0..5 in entered units; the PID set has none.
constexpr std::array<std::optional<EntryRange>, ProgramMirror::kFieldCount> kFieldRanges = {
    EntryRange{-10000, 30000}, EntryRange{0, 999}, EntryRange{0, 1}, std::nullopt,
    EntryRange{0, 20},         EntryRange{0, 1}};

constexpr Parameter kCurveNumber =
    NumberParameter(Run::CurveNumber.number, "当前曲线", ScalingRule::Raw);

}  // namespace

const Parameter& CurveNumberParameter() { return kCurveNumber; }

const std::array<ProgramParameterEntry, kProgramParameterRows>& ProgramParameters() {
    return kParameters;
}

const std::array<SegmentColumn, kSegmentColumns>& SegmentColumns() { return kColumns; }

Parameter SegmentFieldParameter(int n, int k) {
    Parameter field = NumberParameter(
        Program::SegmentField(n, k), kColumns[static_cast<std::size_t>(k) + 1].head,
        k == 0 ? ScalingRule::MainWhole : ScalingRule::Raw, "", RetryRule::OnAnyFailure);
    field.range = kFieldRanges[static_cast<std::size_t>(k)];
    return field;
}

}  // namespace vt
