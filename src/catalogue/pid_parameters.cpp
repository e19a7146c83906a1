#include "pid_parameters.h"

namespace vt {

namespace {

constexpr RetryRule kOnNoAnswer = RetryRule::OnNoAnswer;
constexpr RetryRule kOnFailure = RetryRule::OnAnyFailure;  // the tenths rows
constexpr ScalingRule kMain = ScalingRule::MainScale;
constexpr ScalingRule kWhole = ScalingRule::Whole;
constexpr ScalingRule kTenths = ScalingRule::TenthsPlain;

}  // namespace

const std::array<Parameter, kPidParameterCount>& PidParameters() {
    static constexpr std::array<Parameter, kPidParameterCount> kRows = {{
        NumberParameter(4353, "输出1比例带", kMain, "0-10000工程量", kOnNoAnswer),
        NumberParameter(4354, "输出1积分时间", kWhole, "0-3600 S", kOnNoAnswer),
        NumberParameter(4355, "输出1微分时间", kTenths, "0-360.0 S", kOnFailure),
        NumberParameter(4356, "输出1控制回差", kMain, "0-2000 LSB", kOnNoAnswer),
        NumberParameter(4357, "输出1开关控制周期", kTenths, "0.1~200.0 S", kOnFailure),
        NumberParameter(4358, "输出2比例带", kMain, "0-10000工程量", kOnNoAnswer),
        NumberParameter(4359, "输出2积分时间", kWhole, "0-3600 S", kOnNoAnswer),
        NumberParameter(4360, "输出2微分时间", kTenths, "0-360.0 S", kOnFailure),
        NumberParameter(4361, "输出2控制回差", kMain, "0-2000 LSB", kOnNoAnswer),
        NumberParameter(4362, "输出2开关控制周期", kTenths, "0.1~200.0 S", kOnFailure),
        NumberParameter(4363, "冷却死区", kMain, "0-1000", kOnNoAnswer),
        NumberParameter(4364, "微分滤波系数", kWhole, "1-10", kOnNoAnswer),
        NumberParameter(4365, "双PID切换设定", kWhole, "0-5", kOnNoAnswer),
        NumberParameter(4366, "双PID值切换值", kWhole, "-10000--30000", kOnNoAnswer),
        NumberParameter(4367, "上过冲抑制", kTenths, "1.0--4.0", kOnFailure),
        NumberParameter(4368, "下过冲抑制", kTenths, "1.0--4.0", kOnFailure),
    }};
    return kRows;
}

}  // namespace vt
