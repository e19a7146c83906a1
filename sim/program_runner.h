#pragma once

#include "program_curve.h"

namespace vt::sim {

enum class ProgramState { Stopped = 0, Running = 1, Paused = 2, Ended = 4 };

// Runs the ramp/soak segments of the current curve: each segment moves the target linearly
// from where the previous one ended to its own set point over its time, with the deviation
// wait at its end, the segment loop and the program repeats. Values in input-1 engineering
// units, times in seconds.
class ProgramRunner {
  public:
    void start(const ProgramCurve& curve, double startValue);
    void stop();
    void pause();
    void resume();
    void finish();  // ends where the target stands now
    void jump(const ProgramCurve& curve, int segment);
    void advance(double dt, const ProgramCurve& curve, double pv);

    ProgramState state() const { return m_state; }
    bool active() const {
        return m_state == ProgramState::Running || m_state == ProgramState::Paused;
    }
    double target() const { return m_target; }
    int segment() const { return m_segment; }
    bool waiting() const { return m_waiting; }
    int loopsDone() const { return m_loopsDone; }
    double elapsed() const { return m_elapsed; }
    double segmentRemaining(const ProgramCurve& curve) const;
    double totalRemaining(const ProgramCurve& curve) const;

  private:
    void begin(int segment, double from);
    bool enterNext(const ProgramCurve& curve);  // false past the last segment
    bool waitHolds(const ProgramCurve& curve, double pv) const;
    bool loopValid(const ProgramCurve& curve) const;
    double span(const ProgramCurve& curve, int first, int last) const;

    ProgramState m_state = ProgramState::Stopped;
    int m_segment = 0;  // 0 while stopped
    double m_from = 0.0;
    double m_inSegment = 0.0;
    double m_target = 0.0;
    double m_elapsed = 0.0;
    int m_loopsDone = 0;
    int m_repeatsDone = 0;
    bool m_waiting = false;
};

}  // namespace vt::sim
