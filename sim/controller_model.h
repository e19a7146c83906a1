#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "simulator_options.h"

namespace vt::sim {

class Controller;

// What is wrong with a sensor input: its wire open or shorted (discrete inputs 5..8).
enum class InputFault { None, Open, Short };

// The controller's register map and its heated process, safe to use from any thread. Numbers
// are station numbers (from 1). Writes act like Modbus writes, side effects included.
class ControllerModel {
  public:
    explicit ControllerModel(const SimulatorOptions& options = {});
    ~ControllerModel();
    ControllerModel(const ControllerModel&) = delete;
    ControllerModel& operator=(const ControllerModel&) = delete;

    std::int16_t holding(int reg) const;
    bool setHolding(int reg, std::int16_t value);  // false: the controller refuses the value
    std::int16_t input(int reg) const;
    void setInput(int reg, std::int16_t value);  // test hook: holds the input at this value
    bool coil(int n) const;
    void setCoil(int n, bool on);
    bool discreteInput(int n) const;
    void setDiscreteInput(int n, bool on);  // test hook: holds the input at this state
    void releaseForcedInputs();             // inputs follow the controller again
    // Test hook: opens or shorts sensor input 1 or 2 (or mends it); its discrete inputs and the
    // sensor-fault alarm follow.
    void setInputFault(int input, InputFault fault);

    // Advances process, program, alarms and auto-tune by simulated seconds.
    void step(double seconds);
    double simulatedSeconds() const;

    // Consistent blocks for the protocol side.
    std::vector<std::int16_t> holdingBlock(int first, int count) const;
    std::vector<std::int16_t> inputBlock(int first, int count) const;
    std::vector<bool> coilBlock(int first, int count) const;
    std::vector<bool> discreteBlock(int first, int count) const;
    bool writeHoldingBlock(int first, const std::vector<std::int16_t>& values);

  private:
    mutable std::mutex m_mutex;
    std::unique_ptr<Controller> m_controller;
};

}  // namespace vt::sim
