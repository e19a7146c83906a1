#include "controller.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "controller_defaults.h"
#include "engineering_units.h"
#include "write_rules.h"

namespace vt::sim {

namespace {
constexpr double kTickSlack = 1e-6;  // rounding of sums of ticks
constexpr int kFunctionStop = 0, kFunctionRun = 1, kFunctionPause = 2, kFunctionEnd = 4,
              kFunctionReset = 8, kFunctionSleep = 16;
}  // namespace

Controller::Controller(const SimulatorOptions& options) : m_process(PlantParameters{}, kTick) {
    LoadDefaults(m_regs, options);
    publish();
}

bool Controller::writeHolding(int reg, std::int16_t value) {
    if (!WriteAccepted(reg, value)) return false;
    m_regs.storeHolding(reg, value);
    if (reg == reg::kOutput && m_regs.coil(reg::kCoilManual)) m_output = value / 10.0;
    if (reg == reg::kJumpSegment) m_program.jump(ProgramCurve(m_regs), value);
    if (reg == reg::kProgramFunction) programFunction(value);
    updateAlarms(0.0);
    publish();
    return true;
}

void Controller::writeCoil(int n, bool on) {
    const bool was = m_regs.coil(n);
    m_regs.storeCoil(n, on);
    if (n == reg::kCoilManual && on && !was) {
        m_regs.storeHolding(reg::kOutput, ClampToRegister(m_output * 10.0));
    } else if (n == reg::kCoilManual && !on && was) {
        m_pid.reset(m_output);
    } else if (n == reg::kCoilProgram && on != was) {
        programFunction(on ? kFunctionRun : kFunctionStop);
    } else if (n == reg::kCoilAutoTune && on && !m_tuner.active()) {
        m_tuner.start();
    } else if (n == reg::kCoilAutoTune && !on) {
        m_tuner.abort();
    }
    updateAlarms(0.0);
    publish();
}

void Controller::forceInput(int reg, std::int16_t value) {
    m_forcedInputs[reg] = value;
    publish();
}

void Controller::forceDiscrete(int n, bool on) {
    m_forcedDiscretes[n] = on;
    updateAlarms(0.0);
    publish();
}

void Controller::releaseForced() {
    for (const auto& [r, v] : m_forcedInputs) m_regs.storeInput(r, 0);  // unless recomputed
    for (const auto& [n, on] : m_forcedDiscretes) m_regs.storeDiscrete(n, false);
    m_forcedInputs.clear();
    m_forcedDiscretes.clear();
    updateAlarms(0.0);
    publish();
}

void Controller::advance(double seconds) {
    if (!(seconds > 0.0)) return;
    m_untilTick += seconds;
    const auto ticks = static_cast<long long>(std::floor(m_untilTick / kTick + kTickSlack));
    m_untilTick = std::max(0.0, m_untilTick - static_cast<double>(ticks) * kTick);
    for (long long i = 0; i < ticks; ++i) tick();
    publish();
}

void Controller::tick() {
    m_program.advance(kTick, ProgramCurve(m_regs), pv());
    m_output = decideOutput(setValue(), pv(), activeSet());
    m_process.advance(m_output);
    if (m_tuner.advance(kTick)) finishTuning();
    updateAlarms(kTick);
    m_elapsed += kTick;
}

void Controller::programFunction(int code) {
    m_sleeping = code == kFunctionSleep;
    switch (code) {
        case kFunctionRun:
            if (m_program.state() == ProgramState::Paused) {
                m_program.resume();
            } else if (m_program.state() != ProgramState::Running) {
                startProgram();
            }
            break;
        case kFunctionPause:
            m_program.pause();
            break;
        case kFunctionEnd:
            if (m_program.active()) m_program.finish();
            break;
        case kFunctionStop:
        case kFunctionReset:
        case kFunctionSleep:
            m_program.stop();
            break;
        default:
            break;
    }
}

void Controller::startProgram() {
    const ProgramCurve curve(m_regs);
    m_program.start(curve, curve.startsFromSetValue() ? fixedSetValue() : pv());
}

double Controller::pv() const {
    const InputScaling s = m_regs.scaling();
    return CelsiusToEngineering(m_process.temperature(), s.Input1Type, s.TempUnit);
}

double Controller::pv2() const {
    const InputScaling s = m_regs.scaling();
    return CelsiusToEngineering(m_process.temperature2(), s.Input2Type, s.TempUnit);
}

double Controller::fixedSetValue() const {
    const int reg = m_regs.coil(reg::kCoilSv2) ? reg::kSv2 : reg::kSv1;
    return RawToValue1(m_regs.scaling(), m_regs.holding(reg));
}

double Controller::setValue() const {
    return m_program.state() == ProgramState::Stopped ? fixedSetValue() : m_program.target();
}

ActiveSet Controller::activeSet() const {
    const ProgramCurve curve(m_regs);
    const bool inSegment = m_program.active();
    return SelectActiveSet(m_regs, pv(), setValue(),
                           inSegment ? curve.field(m_program.segment(), 3) : 0,
                           inSegment ? curve.field(m_program.segment(), 4) : 0);
}

double Controller::decideOutput(double sv, double pv, const ActiveSet& set) {
    const bool endedAtZero =
        m_program.state() == ProgramState::Ended && !ProgramCurve(m_regs).endKeepsLastSetValue();
    if (m_regs.coil(reg::kCoilStandby) || m_sleeping || endedAtZero) {
        m_pid.clear();
        return 0.0;
    }
    if (m_regs.coil(reg::kCoilManual))
        return std::clamp(m_regs.holding(reg::kOutput) / 10.0, 0.0, 100.0);
    if (m_tuner.active()) return m_tuner.output(sv, pv, set.outputLow, set.outputHigh);
    return m_pid.update(kTick, sv, pv, set.pid, set.outputLow, set.outputHigh);
}

void Controller::updateAlarms(double dt) {
    const InputScaling s = m_regs.scaling();
    const ProgramCurve curve(m_regs);
    AlarmSignals signals;
    signals.pv = pv();
    signals.sv = setValue();
    signals.pv2 = pv2();
    signals.output = m_output;
    for (int n = reg::kDiInput1Open; n <= reg::kDiInput2Short; ++n) {
        const auto forced = m_forcedDiscretes.find(n);
        signals.sensorFault |= forced != m_forcedDiscretes.end() && forced->second;
    }
    signals.segmentAlarm =
        m_program.state() == ProgramState::Running && curve.field(m_program.segment(), 5) == 1;
    signals.heaterBreakValue = RawToValue2(s, m_regs.holding(reg::kHeaterBreakValue));
    signals.heaterBreakOutput = m_regs.holding(reg::kHeaterBreakOutput) / 10.0;
    for (int i = 0; i < 2; ++i) {
        const int base = reg::kAlarm1Setting + i * reg::kAlarmStride;
        AlarmSettings a;
        a.type = m_regs.holding(reg::kAlarm1Type + i);
        a.setting = RawToValue1(s, m_regs.holding(base));
        a.hysteresis = RawToValue1(s, m_regs.holding(base + 1));
        a.delay = m_regs.holding(base + 2);
        m_alarms[static_cast<std::size_t>(i)].update(dt, a, signals);
    }
}

void Controller::finishTuning() {
    const InputScaling s = m_regs.scaling();
    const PidSettings tuned =
        AutoTuner::Result(m_process.parameters(), EngineeringPerCelsius(s.Input1Type, s.TempUnit));
    m_regs.storeHolding(reg::kPidBand1, RawOfInput1(s, tuned.band));
    m_regs.storeHolding(reg::kPidIntegral1, ClampToRegister(tuned.integral));
    m_regs.storeHolding(reg::kPidDerivative1, ClampToRegister(tuned.derivative * 10.0));
    m_regs.storeCoil(reg::kCoilAutoTune, false);
    m_pid.reset(m_output);
}

void Controller::publish() {
    const InputScaling s = m_regs.scaling();
    const ActiveSet set = activeSet();
    const std::int16_t pvRaw = RawOfInput1(s, pv());
    const double sv = setValue();
    const std::pair<int, std::int16_t> inputs[] = {
        {reg::kInPv, pvRaw},
        {reg::kInOutput, ClampToRegister(m_output * 10.0)},
        {reg::kInSv, RawOfInput1(s, sv)},
        {reg::kInPv1, pvRaw},
        {reg::kInPv2, RawOfInput2(s, pv2())},
        {reg::kInSv1, m_regs.holding(reg::kSv1)},
        {reg::kInSv2, m_regs.holding(reg::kSv2)},
        {reg::kInAlarm1Code, static_cast<std::int16_t>(m_alarms[0].statusCode())},
        {reg::kInAlarm2Code, static_cast<std::int16_t>(m_alarms[1].statusCode())},
        {reg::kInValveHigh, ClampToRegister(set.outputHigh * 100.0)},
        {reg::kInValveLow, ClampToRegister(set.outputLow * 100.0)},
        {reg::kInTarget, ClampToRegister(sv * 10.0)}};
    for (const auto& [r, v] : inputs) m_regs.storeInput(r, v);
    for (int i = 0; i < 16; ++i) {
        m_regs.storeInput(reg::kInPidInUse + i, set.inUse[static_cast<std::size_t>(i)]);
    }
    publishProgramStatus();
    if (!m_regs.coil(reg::kCoilManual)) {
        m_regs.storeHolding(reg::kOutput, ClampToRegister(m_output * 10.0));
    }
    m_regs.storeCoil(reg::kCoilProgram, m_program.state() != ProgramState::Stopped);
    m_regs.storeCoil(reg::kCoilAutoTune, m_tuner.active());
    m_regs.storeDiscrete(reg::kDiAlarm1, m_alarms[0].active());
    m_regs.storeDiscrete(reg::kDiAlarm2, m_alarms[1].active());
    for (const auto& [r, v] : m_forcedInputs) m_regs.storeInput(r, v);
    for (const auto& [n, on] : m_forcedDiscretes) m_regs.storeDiscrete(n, on);
}

void Controller::publishProgramStatus() {
    const InputScaling s = m_regs.scaling();
    const ProgramCurve curve(m_regs);
    const double unit = curve.unitSeconds();
    const int segment = m_program.segment();
    const double segmentEnd = segment > 0 ? curve.setPoint(segment) : setValue();
    const std::int16_t status[9] = {
        static_cast<std::int16_t>(m_program.state()),
        RawOfInput1(s, setValue()),
        RawOfInput1(s, segmentEnd),
        static_cast<std::int16_t>(segment),
        ClampToRegister(std::ceil(m_program.segmentRemaining(curve) / unit - kTickSlack)),
        ClampToRegister(std::ceil(m_program.totalRemaining(curve) / unit - kTickSlack)),
        ClampToRegister(std::floor(m_program.elapsed() / unit + kTickSlack)),
        static_cast<std::int16_t>(m_program.waiting() ? 1 : 0),
        static_cast<std::int16_t>(m_program.loopsDone())};
    for (int i = 0; i < 9; ++i) m_regs.storeInput(reg::kInProgramStatus + i, status[i]);
    m_regs.storeHolding(reg::kProgramFunction,
                        static_cast<std::int16_t>(
                            m_sleeping ? kFunctionSleep : static_cast<int>(m_program.state())));
}

}  // namespace vt::sim
