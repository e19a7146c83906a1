#include "value_conversion.h"

namespace vt {

namespace {

constexpr std::int32_t kFirstLinearType = 14;
constexpr std::int32_t kCelsius = 0;
constexpr std::int32_t kKelvin = 2;

// Register units per engineering unit for one input.
float ScaleFactor(std::int32_t type, std::int32_t decimals, std::int32_t unit) {
    if (type >= kFirstLinearType) {
        static constexpr float kPowers[] = {1.0f, 10.0f, 100.0f, 1000.0f, 10000.0f};
        // Decimal settings outside 0..4 are not offered by the controller; treat them as 0.
        return decimals >= 0 && decimals <= 4 ? kPowers[decimals] : 1.0f;
    }
    // Tenths of a degree in Celsius and Kelvin; whole degrees in Fahrenheit and any other unit.
    return unit == kCelsius || unit == kKelvin ? 10.0f : 1.0f;
}

int DecimalsOf(float factor) {
    int places = 0;
    for (float f = factor; f >= 10.0f; f /= 10.0f) ++places;
    return places;
}

float ToValue(std::int32_t raw, float factor) {
    return static_cast<float>(static_cast<double>(raw) / static_cast<double>(factor));
}

}  // namespace

float RawToValue1(const InputScaling& s, std::int32_t raw) {
    return ToValue(raw, ScaleFactor(s.Input1Type, s.Input1Decimals, s.TempUnit));
}

float RawToValue2(const InputScaling& s, std::int32_t raw) {
    return ToValue(raw, ScaleFactor(s.Input2Type, s.Input2Decimals, s.TempUnit));
}

float ValueToRaw1(const InputScaling& s, float value) {
    return value * ScaleFactor(s.Input1Type, s.Input1Decimals, s.TempUnit);
}

float ValueToRaw2(const InputScaling& s, float value) {
    return value * ScaleFactor(s.Input2Type, s.Input2Decimals, s.TempUnit);
}

int ValueDecimals1(const InputScaling& s) {
    return DecimalsOf(ScaleFactor(s.Input1Type, s.Input1Decimals, s.TempUnit));
}

int ValueDecimals2(const InputScaling& s) {
    return DecimalsOf(ScaleFactor(s.Input2Type, s.Input2Decimals, s.TempUnit));
}

}  // namespace vt
