#include "controller_defaults.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace vt::sim {

namespace {

using Setting = std::pair<int, int>;

void Store(RegisterFile& regs, std::initializer_list<Setting> settings) {
    for (const auto& [r, v] : settings) regs.storeHolding(r, static_cast<std::int16_t>(v));
}

void LoadRunAndAlarms(RegisterFile& regs) {
    Store(regs, {{reg::kSv1, 1000}, {reg::kSv2, 500}, {reg::kJumpSegment, 1}});
    // Alarm 1: high limit 300.0, hysteresis 1.0; alarm 2: low limit 0.0, hysteresis 1.0.
    Store(regs, {{257, 3000}, {258, 10}, {259, 0}, {260, 0}, {261, 10}, {262, 0}});
}

void LoadConfiguration(RegisterFile& regs, const SimulatorOptions& o) {
    Store(regs,
          {{4098, 2},     {4099, 2},     {4100, 2},     {4101, 1},    {4103, 10},    {4106, 13000},
           {4107, -2000}, {4110, 13000}, {4111, -2000}, {4112, 1},    {4121, 13000}, {4122, -2000},
           {4123, 1},     {4129, 6000},  {4130, 4000},  {4140, 1000}, {4145, 1},     {4146, 1},
           {4148, 1000},  {4154, 13000}, {4155, -2000}, {4161, 1},    {4162, 2},     {4166, 3},
           {4167, 1},     {4185, 300},   {4188, 20}});
    Store(regs, {{reg::kLineBaud, o.baudCode <= 2 ? o.baudCode : 2},
                 {reg::kLineParity, o.parityCode},
                 {reg::kLineAddress, o.slaveAddress}});
    for (int k = 1; k <= 8; ++k) {  // multipoint correction: a straight line
        Store(regs, {{4167 + 2 * k, (k - 1) * 2500}, {4168 + 2 * k, (k - 1) * 1000}});
    }
    Store(regs, {{4192, 192},
                 {4193, 168},
                 {4194, 1},
                 {4195, 100},
                 {4196, 255},
                 {4197, 255},
                 {4198, 255},
                 {4199, 0},
                 {4200, 192},
                 {4201, 168},
                 {4202, 1},
                 {4203, 1}});
}

void LoadPid(RegisterFile& regs) {
    // Band 30.0, integral 180 s, derivative 10.0 s, hysteresis 0.5, cycle 2.0 s, for both outputs.
    Store(regs, {{4353, 300},
                 {4354, 180},
                 {4355, 100},
                 {4356, 5},
                 {4357, 20},
                 {4358, 300},
                 {4359, 180},
                 {4360, 100},
                 {4361, 5},
                 {4362, 20},
                 {4363, 0},
                 {4364, 4},
                 {4365, 0},
                 {4366, 0},
                 {4367, 10},
                 {4368, 10}});
    for (int g = 1; g <= reg::kGroupCount; ++g) {
        Store(regs, {{reg::GroupTemperature(g), g * 500},
                     {reg::GroupOutputHigh(g), 100},
                     {reg::GroupOutputLow(g), 0},
                     {reg::GroupPidSet(g), g}});
        Store(regs, {{reg::GroupPid(g, 0), 20},
                     {reg::GroupPid(g, 1), 120},
                     {reg::GroupPid(g, 2), 100},
                     {reg::GroupPid(g, 3), 20},
                     {reg::GroupPid(g, 4), 120},
                     {reg::GroupPid(g, 5), 100}});
    }
}

// Curve c: ramp to 100.0 + 50 c in 10 minutes, soak 20 minutes, ramp down to 50.0 in
// 10 minutes, soak 10 minutes.
void LoadCurve(RegisterFile& regs, int c) {
    const Setting params[] = {{reg::kWaitType, 0},       {reg::kWaitDeviation, 50},
                              {reg::kTimeUnit, 1},       {reg::kSegmentCount, 4},
                              {reg::kProgramRepeats, 1}, {reg::kStartValueSelect, 0},
                              {reg::kEndOutput, 1},      {reg::kLoopRepeats, 0},
                              {reg::kLoopFirst, 1},      {reg::kLoopLast, 1}};
    for (const auto& [r, v] : params) regs.storeCurveRegister(c, r, static_cast<std::int16_t>(v));
    const int peak = 1000 + 500 * c;
    const int segments[4][6] = {{peak, 10, 1, 0, 0, 0},
                                {peak, 20, 1, 0, 0, 1},
                                {500, 10, 0, 0, 0, 0},
                                {500, 10, 0, 0, 0, 0}};
    for (int n = 1; n <= 4; ++n) {
        for (int k = 0; k < 6; ++k) {
            regs.storeCurveRegister(c, reg::SegmentField(n, k),
                                    static_cast<std::int16_t>(segments[n - 1][k]));
        }
    }
}

}  // namespace

void LoadDefaults(RegisterFile& regs, const SimulatorOptions& options) {
    LoadRunAndAlarms(regs);
    LoadConfiguration(regs, options);
    LoadPid(regs);
    for (int c = 0; c < reg::kCurveCount; ++c) LoadCurve(regs, c);
}

}  // namespace vt::sim
