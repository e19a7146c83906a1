#include "program_runner.h"

#include <algorithm>
#include <cmath>

namespace vt::sim {

namespace {
constexpr double kTimeSlack = 1e-6;  // a segment ends even if its ticks add up a hair short
}

void ProgramRunner::start(const ProgramCurve& curve, double startValue) {
    m_elapsed = 0.0;
    m_loopsDone = 0;
    m_repeatsDone = 0;
    m_waiting = false;
    m_target = startValue;
    if (curve.segmentCount() == 0) {
        m_segment = 0;
        m_state = ProgramState::Ended;
        return;
    }
    begin(1, startValue);
    m_state = ProgramState::Running;
}

void ProgramRunner::stop() {
    m_state = ProgramState::Stopped;
    m_segment = 0;
    m_waiting = false;
}

void ProgramRunner::pause() {
    if (m_state == ProgramState::Running) m_state = ProgramState::Paused;
}

void ProgramRunner::resume() {
    if (m_state == ProgramState::Paused) m_state = ProgramState::Running;
}

void ProgramRunner::finish() {
    m_state = ProgramState::Ended;
    m_waiting = false;
}

void ProgramRunner::jump(const ProgramCurve& curve, int segment) {
    if (!active() || segment < 1 || segment > curve.segmentCount()) return;
    begin(segment, m_target);
}

void ProgramRunner::begin(int segment, double from) {
    m_segment = segment;
    m_from = from;
    m_inSegment = 0.0;
    m_waiting = false;
}

void ProgramRunner::advance(double dt, const ProgramCurve& curve, double pv) {
    if (m_state != ProgramState::Running) return;
    m_elapsed += dt;
    if (!m_waiting) m_inSegment += dt;
    while (m_inSegment >= curve.duration(m_segment) - kTimeSlack) {
        if (waitHolds(curve, pv)) {
            m_waiting = true;
            m_inSegment = curve.duration(m_segment);
            break;
        }
        const double leftover = m_inSegment - curve.duration(m_segment);
        const double reached = curve.setPoint(m_segment);
        if (!enterNext(curve)) {
            m_target = reached;
            finish();
            return;
        }
        m_inSegment = leftover;
    }
    const double duration = curve.duration(m_segment);
    const double share = duration > 0.0 ? std::min(1.0, m_inSegment / duration) : 1.0;
    m_target = m_from + (curve.setPoint(m_segment) - m_from) * share;
}

bool ProgramRunner::enterNext(const ProgramCurve& curve) {
    const double reached = curve.setPoint(m_segment);
    int next = m_segment + 1;
    if (loopValid(curve) && m_segment == curve.loopLast() && m_loopsDone < curve.loopRepeats()) {
        ++m_loopsDone;
        next = curve.loopFirst();
    } else if (next > curve.segmentCount()) {
        if (m_repeatsDone + 1 >= curve.programRepeats()) return false;
        ++m_repeatsDone;
        m_loopsDone = 0;
        next = 1;
    }
    begin(next, reached);
    return true;
}

bool ProgramRunner::waitHolds(const ProgramCurve& curve, double pv) const {
    const double sp = curve.setPoint(m_segment);
    const double dev = curve.waitDeviation();
    switch (curve.waitType()) {
        case 1:
            return pv < sp - dev;
        case 2:
            return pv > sp + dev;
        case 3:
            return std::abs(pv - sp) > dev;
        default:
            return false;
    }
}

bool ProgramRunner::loopValid(const ProgramCurve& curve) const {
    return curve.loopFirst() >= 1 && curve.loopFirst() <= curve.loopLast() &&
           curve.loopLast() <= curve.segmentCount();
}

double ProgramRunner::span(const ProgramCurve& curve, int first, int last) const {
    double total = 0.0;
    for (int n = first; n <= last; ++n) total += curve.duration(n);
    return total;
}

double ProgramRunner::segmentRemaining(const ProgramCurve& curve) const {
    if (!active()) return 0.0;
    return std::max(0.0, curve.duration(m_segment) - m_inSegment);
}

double ProgramRunner::totalRemaining(const ProgramCurve& curve) const {
    if (!active()) return 0.0;
    const int count = curve.segmentCount();
    const double loopSpan =
        loopValid(curve) ? span(curve, curve.loopFirst(), curve.loopLast()) : 0.0;
    double rest = segmentRemaining(curve) + span(curve, m_segment + 1, count);
    if (loopValid(curve) && m_segment <= curve.loopLast()) {
        rest += (curve.loopRepeats() - m_loopsDone) * loopSpan;
    }
    const double wholeRun = span(curve, 1, count) + curve.loopRepeats() * loopSpan;
    return rest + (curve.programRepeats() - m_repeatsDone - 1) * wholeRun;
}

}  // namespace vt::sim
