#include "run_control.h"

#include "entry_text.h"
#include "link_jobs.h"
#include "number_text.h"

namespace vt {

namespace {

constexpr std::int32_t kRawMin = -10000;
constexpr std::int32_t kRawMax = 30000;
constexpr double kOutputMax = 100.0;

std::int32_t ProgramRegister(ProgramSelector selector) {
    switch (selector) {
        case ProgramSelector::Function:
            return Run::ProgramFunction.number;
        case ProgramSelector::Process:
            return Run::CurveNumber.number;
        case ProgramSelector::Jump:
            return Run::JumpSegment.number;
    }
    return Run::ProgramFunction.number;
}

}  // namespace

int RunControl::CoilIndex(RunToggle toggle) {
    switch (toggle) {
        case RunToggle::AutoManual:
            return Coil::Manual.element;
        case RunToggle::FixProgram:
            return Coil::ProgramRun.element;
        case RunToggle::SvSelect:
            return Coil::Sv2Selected.element;
        case RunToggle::Standby:
            return Coil::Standby.element;
        case RunToggle::AutoTune:
            return Coil::AutoTune.element;
    }
    return Coil::Manual.element;
}

std::optional<LinkJob> RunControl::entryWrite(RunEntry entry, const QString& text) {
    switch (entry) {
        case RunEntry::Output:
            return outputWrite(text);
        case RunEntry::SV1:
            return setValueWrite(Run::Sv1.number, text);
        case RunEntry::SV2:
            return setValueWrite(Run::Sv2.number, text);
    }
    return std::nullopt;
}

std::optional<LinkJob> RunControl::setValueWrite(std::int32_t reg, const QString& text) const {
    const float value = static_cast<float>(EntryNumber(text));
    const std::int32_t raw = RoundHalfEven(ValueToRaw1(m_state.Scaling, value));
    if (raw < kRawMin || raw > kRawMax) return std::nullopt;
    return WriteRegisterJob(m_state, reg, raw, RetryRule::OnNoAnswer);
}

std::optional<LinkJob> RunControl::outputWrite(const QString& text) {
    const double value = EntryNumber(text);
    if (!(value >= 0.0 && value <= kOutputMax)) return std::nullopt;
    m_state.LinkSettings[WriteScratchOutput] = RoundHalfEven(value * 10.0);
    return WriteRegisterJob(m_state, Run::Output.number, m_state.LinkSettings[WriteScratchOutput],
                            RetryRule::OnNoAnswer);
}

LinkJob RunControl::toggle(RunToggle toggle) const {
    const int index = CoilIndex(toggle);
    return CoilJob(m_state, index + 1, m_state.CoilBits[index] == 0);
}

LinkJob RunControl::programWrite(ProgramSelector selector, const QString& entryText) {
    m_state.LinkSettings[WriteScratchProgram] = EntryCode(entryText);
    return WriteRegisterJob(m_state, ProgramRegister(selector),
                            m_state.LinkSettings[WriteScratchProgram], RetryRule::OnNoAnswer);
}

}  // namespace vt
