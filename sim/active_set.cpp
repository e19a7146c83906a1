#include "active_set.h"

#include <algorithm>
#include <iterator>

#include "engineering_units.h"

namespace vt::sim {

namespace {

bool IsGroup(int g) { return g >= 1 && g <= reg::kGroupCount; }

int LimitGroupBySwitching(const RegisterFile& regs, double pv, double sv) {
    const int mode = regs.holding(reg::kGroupMode);
    if (mode != 1 && mode != 2) return 0;
    const double value = mode == 1 ? pv : sv;
    for (int g = 1; g <= reg::kGroupCount; ++g) {
        if (value <= RawToValue1(regs.scaling(), regs.holding(reg::GroupTemperature(g)))) return g;
    }
    return reg::kGroupCount;
}

// Band, integral and derivative of the main and the secondary output, as registers.
void UsePidRegisters(const RegisterFile& regs, ActiveSet& set) {
    const InputScaling scaling = regs.scaling();
    set.pid.band = RawToValue1(scaling, regs.holding(reg::kPidBand1));
    set.pid.integral = regs.holding(reg::kPidIntegral1);
    set.pid.derivative = regs.holding(reg::kPidDerivative1) / 10.0;
    set.pid.hysteresis = RawToValue1(scaling, regs.holding(reg::kPidHysteresis1));
    const int sources[] = {reg::kPidBand1, reg::kPidIntegral1, reg::kPidDerivative1,
                           reg::kPidBand2, reg::kPidIntegral2, reg::kPidDerivative2};
    for (std::size_t i = 0; i < std::size(sources); ++i)
        set.inUse[i + 1] = regs.holding(sources[i]);
}

// A grouped set holds its bands as whole engineering values.
void UsePidGroup(const RegisterFile& regs, int g, ActiveSet& set) {
    const InputScaling scaling = regs.scaling();
    set.pid.band = regs.holding(reg::GroupPid(g, 0));
    set.pid.integral = regs.holding(reg::GroupPid(g, 1));
    set.pid.derivative = regs.holding(reg::GroupPid(g, 2)) / 10.0;
    set.pid.hysteresis = RawToValue1(scaling, regs.holding(reg::kPidHysteresis1));
    for (std::size_t k = 0; k < 6; ++k) {
        const std::int16_t v = regs.holding(reg::GroupPid(g, static_cast<int>(k)));
        set.inUse[k + 1] = k % 3 == 0 ? RawOfInput1(scaling, v) : v;
    }
}

void UseLimits(const RegisterFile& regs, ActiveSet& set) {
    if (IsGroup(set.limitGroup)) {
        set.outputHigh = regs.holding(reg::GroupOutputHigh(set.limitGroup));
        set.outputLow = regs.holding(reg::GroupOutputLow(set.limitGroup));
    } else {
        set.outputHigh = regs.holding(reg::kOutput1High) / 10.0;
        set.outputLow = regs.holding(reg::kOutput1Low) / 10.0;
    }
    set.outputHigh = std::clamp(set.outputHigh, 0.0, 100.0);
    set.outputLow = std::clamp(set.outputLow, 0.0, set.outputHigh);
}

}  // namespace

ActiveSet SelectActiveSet(const RegisterFile& regs, double pv, double sv, int segmentPidGroup,
                          int segmentLimitGroup) {
    ActiveSet set;
    set.limitGroup =
        IsGroup(segmentLimitGroup) ? segmentLimitGroup : LimitGroupBySwitching(regs, pv, sv);
    set.pidGroup = IsGroup(segmentPidGroup)  ? segmentPidGroup
                   : IsGroup(set.limitGroup) ? regs.holding(reg::GroupPidSet(set.limitGroup))
                                             : 0;
    if (!IsGroup(set.pidGroup)) set.pidGroup = 0;
    if (set.pidGroup > 0) {
        UsePidGroup(regs, set.pidGroup, set);
    } else {
        UsePidRegisters(regs, set);
    }
    UseLimits(regs, set);
    set.inUse[0] = static_cast<std::int16_t>(set.pidGroup);
    set.inUse[8] = static_cast<std::int16_t>(set.limitGroup);
    set.inUse[9] = ClampToRegister(set.outputHigh);
    set.inUse[10] = ClampToRegister(set.outputLow);
    return set;
}

}  // namespace vt::sim
