#include "program_curve.h"

#include <algorithm>

namespace vt::sim {

namespace {
constexpr double kUnitSeconds[] = {3600.0, 60.0, 1.0};  // hours, minutes, seconds
}

int ProgramCurve::segmentCount() const {
    return std::clamp<int>(m_regs.holding(reg::kSegmentCount), 0, reg::kSegmentMax);
}

double ProgramCurve::setPoint(int n) const { return RawToValue1(m_regs.scaling(), field(n, 0)); }

double ProgramCurve::duration(int n) const { return std::max(0, field(n, 1)) * unitSeconds(); }

int ProgramCurve::field(int n, int k) const { return m_regs.holding(reg::SegmentField(n, k)); }

int ProgramCurve::waitType() const { return m_regs.holding(reg::kWaitType); }

double ProgramCurve::waitDeviation() const {
    return RawToValue1(m_regs.scaling(), m_regs.holding(reg::kWaitDeviation));
}

int ProgramCurve::programRepeats() const {
    return std::max<int>(1, m_regs.holding(reg::kProgramRepeats));
}

int ProgramCurve::loopRepeats() const {
    return std::max<int>(0, m_regs.holding(reg::kLoopRepeats));
}

int ProgramCurve::loopFirst() const { return m_regs.holding(reg::kLoopFirst); }

int ProgramCurve::loopLast() const { return m_regs.holding(reg::kLoopLast); }

bool ProgramCurve::startsFromSetValue() const {
    return m_regs.holding(reg::kStartValueSelect) == 1;
}

bool ProgramCurve::endKeepsLastSetValue() const { return m_regs.holding(reg::kEndOutput) == 1; }

double ProgramCurve::unitSeconds() const {
    return kUnitSeconds[std::clamp<int>(m_regs.holding(reg::kTimeUnit), 0, 2)];
}

}  // namespace vt::sim
