#include "group_catalogue.h"

#include "controller_map.h"

namespace vt {

namespace {

constexpr std::array<GroupPidField, kGroupPidFields> kPidFields = {{
    {" 加热比例带", "0~99999", "主输出过程设定值为单位的比例带，单位：过程值，默认值：20"},
    {" 加热积分时间 ", "0-3600 S", "主输出的积分时间，单位：秒，默认值：120"},
    {" 加热微分时间 ", "0-360.0 S", "主输出的微分时间，单位：秒，默认值：10"},
    {" 制冷比例带 ", "0~99999", "付输出过程设定值为单位的比例带，单位：过程值，默认值：20"},
    {" 制冷积分时间 ", "0-3600 S", "付输出的积分时间，单位：秒，默认值：120"},
    {" 制冷微分时间 ", "0-360.0 S", "付输出的微分时间，单位：秒，默认值：10"},
}};

constexpr const char* kLimitHeads[kGroupLimitColumns] = {"温度", "输出上限福", "输出下限福",
                                                         "PID组"};

constexpr EntryRange kTemperatureRange{-10000, 30000};
constexpr EntryRange kLimitRange{0, 100};

constexpr OptionEntry kModes[] = {{"0:禁止 ", "0"}, {"1:按PV切换 ", "1"}, {"2:按SV切换 ", "2"}};
constexpr Parameter kMode = ListParameter(Group::Mode, "当前功能", kModes);

std::string GroupName(int g) { return "分组 " + std::to_string(g); }

}  // namespace

const std::array<GroupPidField, kGroupPidFields>& GroupPidFields() { return kPidFields; }

Parameter GroupPidParameter(int g, int k) {
    // The derivative times (fields 2 and 5) are held in tenths of a second.
    const ScalingRule rule = k % 3 == 2 ? ScalingRule::TenthsPlain : ScalingRule::Raw;
    return NumberParameter(Group::Pid(g, k), kPidFields[static_cast<std::size_t>(k)].name, rule, "",
                           RetryRule::OnAnyFailure);
}

std::string GroupPidCaption(int g, int k) {
    return GroupName(g) + kPidFields[static_cast<std::size_t>(k)].name;
}

const char* GroupLimitHead(int column) { return kLimitHeads[column - 1]; }

Parameter GroupLimitParameter(int g, int column) {
    constexpr RetryRule kRetry = RetryRule::OnAnyFailure;
    const char* head = GroupLimitHead(column);
    Parameter cell;
    switch (column) {
        case 1:
            cell = NumberParameter(Group::Temperature(g), head, ScalingRule::MainWhole, "", kRetry);
            cell.range = kTemperatureRange;
            break;
        case 2:
            cell = NumberParameter(Group::OutputHigh(g), head, ScalingRule::Raw, "", kRetry);
            cell.range = kLimitRange;
            break;
        case 3:
            cell = NumberParameter(Group::OutputLow(g), head, ScalingRule::Raw, "", kRetry);
            cell.range = kLimitRange;
            break;
        default:
            cell = NumberParameter(Group::PidSet(g), head, ScalingRule::Raw, "", kRetry);
            break;
    }
    return cell;
}

std::string GroupLimitCaption(int g, int column) {
    return GroupName(g) + " " + GroupLimitHead(column);
}

const Parameter& GroupModeParameter() { return kMode; }

}  // namespace vt
