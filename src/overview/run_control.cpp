#include "run_control.h"

#include "entry_text.h"
#include "link_jobs.h"
#include "number_text.h"
#include "overview_decoding.h"

namespace vt {

namespace {

constexpr std::int32_t kRawMin = -10000;
constexpr std::int32_t kRawMax = 30000;
constexpr double kOutputMax = 100.0;

LinkJob Noted(LinkJob job, const QString& before, const QString& entered) {
    job.note.before = before;
    job.note.entered = entered;
    return job;
}

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
    const float before = m_state.RunValue[Area::RunRegisters.element(reg)];
    return Noted(WriteRegisterJob(m_state, reg, raw, RetryRule::OnNoAnswer), NumberText(before),
                 text);
}

std::optional<LinkJob> RunControl::outputWrite(const QString& text) {
    const double value = EntryNumber(text);
    if (!(value >= 0.0 && value <= kOutputMax)) return std::nullopt;
    m_state.LinkSettings[WriteScratchOutput] = RoundHalfEven(value * 10.0);
    return Noted(WriteRegisterJob(m_state, Run::Output.number,
                                  m_state.LinkSettings[WriteScratchOutput], RetryRule::OnNoAnswer),
                 NumberText(m_state.RunValue[Run::Output.element]), text);
}

LinkJob RunControl::toggle(RunToggle toggle) const {
    const int index = CoilIndex(toggle);
    const bool wasSet = m_state.CoilBits[index] != 0;
    return Noted(CoilJob(m_state, index + 1, !wasSet), CoilStateText(index, wasSet),
                 CoilStateText(index, !wasSet));
}

LinkJob RunControl::programWrite(ProgramSelector selector, const QString& entryText) {
    m_state.LinkSettings[WriteScratchProgram] = EntryCode(entryText);
    const std::int32_t reg = ProgramRegister(selector);
    return Noted(WriteRegisterJob(m_state, reg, m_state.LinkSettings[WriteScratchProgram],
                                  RetryRule::OnNoAnswer),
                 QString::number(m_state.RunRaw[Area::RunRegisters.element(reg)]), entryText);
}

}  // namespace vt
