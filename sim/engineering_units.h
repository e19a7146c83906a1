#pragma once

#include <cstdint>

#include "value_conversion.h"

namespace vt::sim {

// The process is simulated in degrees Celsius; the controller shows and sets values in the
// engineering unit of its inputs: Celsius, Fahrenheit or Kelvin for temperature sensors, and
// for linear inputs (type 14 and above) a transmitter that reads degrees Celsius one to one.
double CelsiusToEngineering(double celsius, int inputType, int tempUnit);

// Engineering units per degree Celsius of a temperature difference (bands, deviations).
double EngineeringPerCelsius(int inputType, int tempUnit);

// Register values of inputs 1 and 2: nearest integer (halves to even), limited to 16 bits.
std::int16_t RawOfInput1(const InputScaling& scaling, double value);
std::int16_t RawOfInput2(const InputScaling& scaling, double value);
std::int16_t ClampToRegister(double value);

}  // namespace vt::sim
