#include "controller.h"

#include "controller_defaults.h"

namespace vt::sim {

Controller::Controller(const SimulatorOptions& options) {
    LoadDefaults(m_regs, options);
    publish();
}

bool Controller::writeHolding(int reg, std::int16_t value) {
    m_regs.storeHolding(reg, value);
    return true;
}

void Controller::writeCoil(int n, bool on) { m_regs.storeCoil(n, on); }

void Controller::advance(double seconds) { m_elapsed += seconds; }

void Controller::publish() {
    const auto pv = static_cast<std::int16_t>(ValueToRaw1(m_regs.scaling(), m_pvCelsius));
    m_regs.storeInput(reg::kInPv, pv);
    m_regs.storeInput(reg::kInPv1, pv);
    m_regs.storeInput(reg::kInSv, m_regs.holding(reg::kSv1));
    m_regs.storeInput(reg::kInSv1, m_regs.holding(reg::kSv1));
    m_regs.storeInput(reg::kInSv2, m_regs.holding(reg::kSv2));
}

}  // namespace vt::sim
