#pragma once

#include <cstdint>

#include "register_file.h"
#include "simulator_options.h"

namespace vt::sim {

// The controller's behaviour on its register file, without locking: what a write does, how
// time moves the process, and which inputs it publishes.
class Controller {
  public:
    explicit Controller(const SimulatorOptions& options);

    RegisterFile& registers() { return m_regs; }
    const RegisterFile& registers() const { return m_regs; }

    bool writeHolding(int reg, std::int16_t value);  // false: value refused
    void writeCoil(int n, bool on);
    void advance(double seconds);
    void publish();
    double elapsed() const { return m_elapsed; }

  private:
    RegisterFile m_regs;
    double m_elapsed = 0.0;
    double m_pvCelsius = 25.0;
};

}  // namespace vt::sim
