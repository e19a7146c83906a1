#pragma once

#include <cstdint>

namespace vt {

// Scaling of the two inputs as the controller's configuration block sets it. Sensor types
// 0..13 are temperature sensors, 14 and above linear inputs.
struct InputScaling {
    std::int32_t TempUnit = 0;  // 0 Celsius, 1 Fahrenheit, 2 Kelvin
    std::int32_t Input1Type = 0;
    std::int32_t Input1Decimals = 0;
    std::int32_t Input2Type = 0;
    std::int32_t Input2Decimals = 0;
};

// Register value of input 1 or 2 to engineering value, and back. The value-to-raw results are
// still fractional: callers round them with RoundHalfEven and check their range before writing.
float RawToValue1(const InputScaling& scaling, std::int32_t raw);
float RawToValue2(const InputScaling& scaling, std::int32_t raw);
float ValueToRaw1(const InputScaling& scaling, float value);
float ValueToRaw2(const InputScaling& scaling, float value);
// Decimal places input 1 or 2 shows its values with (0..4).
int ValueDecimals1(const InputScaling& scaling);
int ValueDecimals2(const InputScaling& scaling);

}  // namespace vt
