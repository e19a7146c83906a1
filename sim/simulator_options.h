#pragma once

#include <cstdint>
#include <set>

namespace vt::sim {

// Everything that shapes one simulated controller: its line settings, its misbehaviour on
// purpose, and how fast its process runs.
struct SimulatorOptions {
    int slaveAddress = 1;  // Modbus unit id the simulator answers (1..16)
    int baudCode = 2;      // 0..8 = 4800 .. 921600; used for wire-time emulation
    int parityCode = 0;    // 0 none, 1 odd, 2 even (11 bits per char with parity, 10 without)
    bool emulateWireTime = false;  // delay each answer by the wire time of request and answer
    double dropRate = 0.0;         // fraction of requests left unanswered
    double corruptRate = 0.0;      // fraction of answers sent with a bad CRC
    double lateRate = 0.0;         // fraction of answers sent after lateDelayMs
    int lateDelayMs = 1500;
    int failFirstAnswers = 0;  // the first N requests get no answer (for retry tests)
    std::set<int> exceptionHoldingRegisters;  // station numbering: any access gets exception 02
    std::set<int> exceptionInputRegisters;
    std::uint32_t seed = 1;
    double timeFactor = 1.0;  // process and program time run this many times faster than real time
    bool runProcess = true;   // false freezes the process model (values only change by writes)
};

}  // namespace vt::sim
