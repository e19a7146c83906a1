#include "alarm_parameters.h"

namespace vt {

const std::array<Parameter, kAlarmParameterCount>& AlarmParameters() {
    using enum ScalingRule;
    // The delays and the heater-break output send their write again on any failure.
    constexpr RetryRule kAgainOnFailure = RetryRule::OnAnyFailure;
    static constexpr std::array<Parameter, kAlarmParameterCount> kRows = {{
        NumberParameter(257, "报警1设定值/偏差值", MainScale, "-10000~ 30000"),
        NumberParameter(258, "报警1动作回差", MainScale, "0 - 2000 LSB"),
        NumberParameter(259, "报警1动作延迟时间", Whole, "0 - 600 S", kAgainOnFailure),
        NumberParameter(260, "报警2设定值/偏差值", MainScale, "-10000~ 30000"),
        NumberParameter(261, "报警2动作回差", MainScale, "0 - 2000 LSB"),
        NumberParameter(262, "报警2动作延迟时间", Whole, "0 - 600 S", kAgainOnFailure),
        NumberParameter(263, "加热器断线报警值", AuxScale, "-10000~ 30000"),
        NumberParameter(264, "加热器断线判断输出值", TenthsPlain, "0.0% ~ 100.0%", kAgainOnFailure),
    }};
    return kRows;
}

}  // namespace vt
