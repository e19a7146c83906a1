#include "fault_plan.h"

namespace vt::sim {

FaultPlan::FaultPlan(const SimulatorOptions& o)
    : m_random(o.seed),
      m_failFirstLeft(o.failFirstAnswers),
      m_dropRate(o.dropRate),
      m_corruptRate(o.corruptRate),
      m_lateRate(o.lateRate) {}

bool FaultPlan::draw(double rate) {
    if (rate <= 0.0) return false;
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random) < rate;
}

bool FaultPlan::loseRequest() {
    if (m_failFirstLeft > 0) {
        --m_failFirstLeft;
        return true;
    }
    return draw(m_dropRate);
}

bool FaultPlan::corruptAnswer() { return draw(m_corruptRate); }

bool FaultPlan::lateAnswer() { return draw(m_lateRate); }

}  // namespace vt::sim
