#pragma once

#include <array>
#include <cstdint>
#include <map>

#include "active_set.h"
#include "alarm_unit.h"
#include "auto_tuner.h"
#include "heated_process.h"
#include "pid_loop.h"
#include "program_runner.h"
#include "register_file.h"
#include "simulator_options.h"

namespace vt::sim {

// The controller's behaviour on its register file, without locking: what a write does, how
// time moves process, program, alarms and auto-tune, and which inputs it publishes.
class Controller {
  public:
    static constexpr double kTick = 0.1;  // s; time advances in whole ticks

    explicit Controller(const SimulatorOptions& options);

    const RegisterFile& registers() const { return m_regs; }

    bool writeHolding(int reg, std::int16_t value);  // false: value refused
    void writeCoil(int n, bool on);
    void forceInput(int reg, std::int16_t value);
    void forceDiscrete(int n, bool on);
    void releaseForced();
    void advance(double seconds);
    double elapsed() const { return m_elapsed; }

  private:
    void tick();
    void programFunction(int code);
    void startProgram();
    double pv() const;
    double pv2() const;
    double fixedSetValue() const;
    double setValue() const;
    ActiveSet activeSet() const;
    double decideOutput(double sv, double pv, const ActiveSet& set);
    void updateAlarms(double dt);
    void finishTuning();
    void publish();
    void publishProgramStatus();

    RegisterFile m_regs;
    HeatedProcess m_process;
    PidLoop m_pid;
    ProgramRunner m_program;
    std::array<AlarmUnit, 2> m_alarms;
    AutoTuner m_tuner;
    double m_output = 0.0;  // percent
    double m_elapsed = 0.0;
    double m_untilTick = 0.0;  // time owed to the next whole tick
    bool m_sleeping = false;
    std::map<int, std::int16_t> m_forcedInputs;
    std::map<int, bool> m_forcedDiscretes;
};

}  // namespace vt::sim
