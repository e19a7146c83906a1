#pragma once

#include "register_file.h"

namespace vt::sim {

// The current curve as the program window shows it, read in engineering values and seconds.
class ProgramCurve {
  public:
    explicit ProgramCurve(const RegisterFile& regs) : m_regs(regs) {}

    int segmentCount() const;      // 0..24
    double setPoint(int n) const;  // end value of segment n, input-1 engineering value
    double duration(int n) const;  // seconds
    int field(int n, int k) const;
    int waitType() const;  // 0 none, 1 below, 2 above, 3 outside the band
    double waitDeviation() const;
    int programRepeats() const;  // at least 1
    int loopRepeats() const;
    int loopFirst() const;
    int loopLast() const;
    bool startsFromSetValue() const;
    bool endKeepsLastSetValue() const;
    double unitSeconds() const;  // seconds per unit of segment time

  private:
    const RegisterFile& m_regs;
};

}  // namespace vt::sim
