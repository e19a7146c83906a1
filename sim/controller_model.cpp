#include "controller_model.h"

#include "controller.h"
#include "register_numbers.h"
#include "write_rules.h"

namespace vt::sim {

ControllerModel::ControllerModel(const SimulatorOptions& options)
    : m_controller(std::make_unique<Controller>(options)) {}

ControllerModel::~ControllerModel() = default;

std::int16_t ControllerModel::holding(int reg) const {
    std::lock_guard lock(m_mutex);
    return m_controller->registers().holding(reg);
}

bool ControllerModel::setHolding(int reg, std::int16_t value) {
    std::lock_guard lock(m_mutex);
    return m_controller->writeHolding(reg, value);
}

std::int16_t ControllerModel::input(int reg) const {
    std::lock_guard lock(m_mutex);
    return m_controller->registers().input(reg);
}

void ControllerModel::setInput(int reg, std::int16_t value) {
    std::lock_guard lock(m_mutex);
    m_controller->forceInput(reg, value);
}

bool ControllerModel::coil(int n) const {
    std::lock_guard lock(m_mutex);
    return m_controller->registers().coil(n);
}

void ControllerModel::setCoil(int n, bool on) {
    std::lock_guard lock(m_mutex);
    m_controller->writeCoil(n, on);
}

bool ControllerModel::discreteInput(int n) const {
    std::lock_guard lock(m_mutex);
    return m_controller->registers().discrete(n);
}

void ControllerModel::setDiscreteInput(int n, bool on) {
    std::lock_guard lock(m_mutex);
    m_controller->forceDiscrete(n, on);
}

void ControllerModel::setInputFault(int input, InputFault fault) {
    if (input < 1 || input > 2) return;
    const int open = reg::kDiInput1Open + (input - 1) * 2;
    std::lock_guard lock(m_mutex);
    m_controller->forceDiscrete(open, fault == InputFault::Open);
    m_controller->forceDiscrete(open + 1, fault == InputFault::Short);
}

void ControllerModel::releaseForcedInputs() {
    std::lock_guard lock(m_mutex);
    m_controller->releaseForced();
}

void ControllerModel::step(double seconds) {
    std::lock_guard lock(m_mutex);
    m_controller->advance(seconds);
}

double ControllerModel::simulatedSeconds() const {
    std::lock_guard lock(m_mutex);
    return m_controller->elapsed();
}

std::vector<std::int16_t> ControllerModel::holdingBlock(int first, int count) const {
    std::lock_guard lock(m_mutex);
    std::vector<std::int16_t> values;
    for (int r = first; r < first + count; ++r)
        values.push_back(m_controller->registers().holding(r));
    return values;
}

std::vector<std::int16_t> ControllerModel::inputBlock(int first, int count) const {
    std::lock_guard lock(m_mutex);
    std::vector<std::int16_t> values;
    for (int r = first; r < first + count; ++r)
        values.push_back(m_controller->registers().input(r));
    return values;
}

std::vector<bool> ControllerModel::coilBlock(int first, int count) const {
    std::lock_guard lock(m_mutex);
    std::vector<bool> bits;
    for (int n = first; n < first + count; ++n) bits.push_back(m_controller->registers().coil(n));
    return bits;
}

std::vector<bool> ControllerModel::discreteBlock(int first, int count) const {
    std::lock_guard lock(m_mutex);
    std::vector<bool> bits;
    for (int n = first; n < first + count; ++n) {
        bits.push_back(m_controller->registers().discrete(n));
    }
    return bits;
}

bool ControllerModel::writeHoldingBlock(int first, const std::vector<std::int16_t>& values) {
    std::lock_guard lock(m_mutex);
    for (std::size_t i = 0; i < values.size(); ++i) {  // all or nothing
        if (!WriteAccepted(first + static_cast<int>(i), values[i])) return false;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        m_controller->writeHolding(first + static_cast<int>(i), values[i]);
    }
    return true;
}

}  // namespace vt::sim
