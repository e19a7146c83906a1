#pragma once

#include <random>

#include "simulator_options.h"

namespace vt::sim {

// Decides, request by request, which answers go astray: the first N requests and a fraction
// of the rest are lost, a fraction of the answers is corrupted or late. Draws come from one
// seeded generator, and only for faults whose rate is above zero, so a seed repeats a run.
class FaultPlan {
  public:
    explicit FaultPlan(const SimulatorOptions& options);

    bool loseRequest();
    bool corruptAnswer();
    bool lateAnswer();

  private:
    bool draw(double rate);

    std::mt19937 m_random;
    int m_failFirstLeft;
    double m_dropRate;
    double m_corruptRate;
    double m_lateRate;
};

}  // namespace vt::sim
