#include "run_control.h"

#include "entry_text.h"
#include "link_jobs.h"
#include "number_text.h"

namespace vt {

namespace {

constexpr std::int32_t kOutputRegister = 2;
constexpr std::int32_t kSv1Register = 3;
constexpr std::int32_t kSv2Register = 4;
constexpr std::int32_t kRawMin = -10000;
constexpr std::int32_t kRawMax = 30000;
constexpr double kOutputMax = 100.0;

std::int32_t ProgramRegister(ProgramSelector selector) {
    switch (selector) {
        case ProgramSelector::Function:
            return 8;
        case ProgramSelector::Process:
            return 7;
        case ProgramSelector::Jump:
            return 6;
    }
    return 8;
}

}  // namespace

int RunControl::CoilIndex(RunToggle toggle) {
    switch (toggle) {
        case RunToggle::AutoManual:
            return 0;
        case RunToggle::FixProgram:
            return 1;
        case RunToggle::SvSelect:
            return 2;
        case RunToggle::Standby:
            return 3;
        case RunToggle::AutoTune:
            return 6;
    }
    return 0;
}

std::optional<LinkJob> RunControl::entryWrite(RunEntry entry, const QString& text) {
    switch (entry) {
        case RunEntry::Output:
            return outputWrite(text);
        case RunEntry::SV1:
            return setValueWrite(kSv1Register, text);
        case RunEntry::SV2:
            return setValueWrite(kSv2Register, text);
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
    return WriteRegisterJob(m_state, kOutputRegister, m_state.LinkSettings[WriteScratchOutput],
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
