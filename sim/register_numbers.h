#pragma once

// Named registers, coils and inputs of the controller, in station numbering (from 1).
namespace vt::sim::reg {

// Holding registers: run registers.
inline constexpr int kOutput = 2;  // output in tenths of a percent
inline constexpr int kSv1 = 3;
inline constexpr int kSv2 = 4;
inline constexpr int kJumpSegment = 6;
inline constexpr int kCurveNumber = 7;
inline constexpr int kProgramFunction = 8;  // 0 stop, 1 run, 2 pause, 4 end, 8 reset, 16 sleep

// Holding registers: alarm settings.
inline constexpr int kAlarm1Setting = 257;  // then hysteresis, delay; alarm 2 three further on
inline constexpr int kAlarmStride = 3;
inline constexpr int kHeaterBreakValue = 263;
inline constexpr int kHeaterBreakOutput = 264;

// Holding registers: configuration block.
inline constexpr int kTempUnit = 4102;
inline constexpr int kInput1Type = 4109;
inline constexpr int kInput1Decimals = 4112;
inline constexpr int kInput2Type = 4120;
inline constexpr int kInput2Decimals = 4123;
inline constexpr int kOutput1High = 4140;  // tenths of a percent
inline constexpr int kOutput1Low = 4141;
inline constexpr int kLineBaud = 4157;
inline constexpr int kLineParity = 4158;
inline constexpr int kLineAddress = 4159;
inline constexpr int kAlarm1Type = 4161;  // alarm 2 follows

// Holding registers: active PID parameters.
inline constexpr int kPidBand1 = 4353;
inline constexpr int kPidIntegral1 = 4354;
inline constexpr int kPidDerivative1 = 4355;  // tenths of a second
inline constexpr int kPidHysteresis1 = 4356;
inline constexpr int kPidBand2 = 4358;
inline constexpr int kPidIntegral2 = 4359;
inline constexpr int kPidDerivative2 = 4360;

// Holding registers: grouped output limits and grouped PID sets (groups 1..20).
inline constexpr int kGroupMode = 4609;  // 0 off, 1 by PV, 2 by SV
inline constexpr int GroupTemperature(int g) { return 4606 + 4 * g; }
inline constexpr int GroupOutputHigh(int g) { return 4607 + 4 * g; }
inline constexpr int GroupOutputLow(int g) { return 4608 + 4 * g; }
inline constexpr int GroupPidSet(int g) { return 4609 + 4 * g; }
inline constexpr int GroupPid(int g, int k) { return 5115 + 6 * g + k; }
inline constexpr int kGroupCount = 20;

// Holding registers: program window of the current curve.
inline constexpr int kProgramWindow = 8193;
inline constexpr int kProgramWindowSize = 208;
inline constexpr int kWaitType = 8193;
inline constexpr int kWaitDeviation = 8194;
inline constexpr int kTimeUnit = 8195;  // 0 hours, 1 minutes, 2 seconds
inline constexpr int kSegmentCount = 8196;
inline constexpr int kProgramRepeats = 8197;
inline constexpr int kStartValueSelect = 8199;  // 0 measured value, 1 set value
inline constexpr int kEndOutput = 8200;         // 0 output 0, 1 keep the last set value
inline constexpr int kLoopRepeats = 8201;
inline constexpr int kLoopFirst = 8202;
inline constexpr int kLoopLast = 8203;
inline constexpr int SegmentField(int n, int k) { return 8201 + 8 * n + k; }
inline constexpr int kSegmentMax = 24;
inline constexpr int kCurveCount = 9;

// Input registers.
inline constexpr int kInPv = 1;
inline constexpr int kInOutput = 2;
inline constexpr int kInSv = 3;
inline constexpr int kInPv1 = 4;
inline constexpr int kInPv2 = 5;
inline constexpr int kInSv1 = 6;
inline constexpr int kInSv2 = 7;
inline constexpr int kInAlarm1Code = 8;
inline constexpr int kInAlarm2Code = 9;
inline constexpr int kInValveHigh = 12;  // hundredths of a percent
inline constexpr int kInValveLow = 13;
inline constexpr int kInTarget = 14;  // tenths
inline constexpr int kInPidInUse = 33;
inline constexpr int kInProgramStatus = 4097;

// Coils.
inline constexpr int kCoilManual = 1;
inline constexpr int kCoilProgram = 2;
inline constexpr int kCoilSv2 = 3;
inline constexpr int kCoilStandby = 4;
inline constexpr int kCoilAutoTune = 7;

// Discrete inputs.
inline constexpr int kDiAlarm1 = 1;
inline constexpr int kDiAlarm2 = 2;
inline constexpr int kDiInput1Open = 5;  // then input-1 short, input-2 open and short
inline constexpr int kDiInput2Short = 8;

}  // namespace vt::sim::reg
