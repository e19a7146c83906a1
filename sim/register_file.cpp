#include "register_file.h"

#include <algorithm>

namespace vt::sim {

namespace {

constexpr int kHoldingLast = 8400;
constexpr int kInputLast = 4112;

template <typename Container>
bool Holds(const Container& c, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < c.size();
}

}  // namespace

RegisterFile::RegisterFile() : m_holding(kHoldingLast + 1, 0), m_input(kInputLast + 1, 0) {}

bool RegisterFile::InWindow(int reg) {
    return reg >= reg::kProgramWindow && reg < reg::kProgramWindow + reg::kProgramWindowSize;
}

std::int16_t RegisterFile::holding(int reg) const {
    if (InWindow(reg)) return curveRegister(currentCurve(), reg);
    return Holds(m_holding, reg) ? m_holding[static_cast<std::size_t>(reg)] : 0;
}

void RegisterFile::storeHolding(int reg, std::int16_t value) {
    if (InWindow(reg)) {
        storeCurveRegister(currentCurve(), reg, value);
    } else if (Holds(m_holding, reg)) {
        m_holding[static_cast<std::size_t>(reg)] = value;
    }
}

std::int16_t RegisterFile::input(int reg) const {
    return Holds(m_input, reg) ? m_input[static_cast<std::size_t>(reg)] : 0;
}

void RegisterFile::storeInput(int reg, std::int16_t value) {
    if (Holds(m_input, reg)) m_input[static_cast<std::size_t>(reg)] = value;
}

bool RegisterFile::coil(int n) const {
    return Holds(m_coils, n) && m_coils[static_cast<std::size_t>(n)];
}

void RegisterFile::storeCoil(int n, bool on) {
    if (Holds(m_coils, n)) m_coils[static_cast<std::size_t>(n)] = on;
}

bool RegisterFile::discrete(int n) const {
    return Holds(m_discretes, n) && m_discretes[static_cast<std::size_t>(n)];
}

void RegisterFile::storeDiscrete(int n, bool on) {
    if (Holds(m_discretes, n)) m_discretes[static_cast<std::size_t>(n)] = on;
}

int RegisterFile::currentCurve() const {
    return std::clamp<int>(m_holding[reg::kCurveNumber], 0, reg::kCurveCount - 1);
}

std::int16_t RegisterFile::curveRegister(int curve, int reg) const {
    if (!Holds(m_curves, curve) || !InWindow(reg)) return 0;
    return m_curves[static_cast<std::size_t>(curve)]
                   [static_cast<std::size_t>(reg - reg::kProgramWindow)];
}

void RegisterFile::storeCurveRegister(int curve, int reg, std::int16_t value) {
    if (!Holds(m_curves, curve) || !InWindow(reg)) return;
    m_curves[static_cast<std::size_t>(curve)][static_cast<std::size_t>(reg - reg::kProgramWindow)] =
        value;
}

InputScaling RegisterFile::scaling() const {
    InputScaling s;
    s.TempUnit = holding(reg::kTempUnit);
    s.Input1Type = holding(reg::kInput1Type);
    s.Input1Decimals = holding(reg::kInput1Decimals);
    s.Input2Type = holding(reg::kInput2Type);
    s.Input2Decimals = holding(reg::kInput2Decimals);
    return s;
}

}  // namespace vt::sim
