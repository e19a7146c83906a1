#pragma once

namespace vt::sim {

// Serial rate behind a baud code 0..8; codes outside that range count as the nearest valid one.
int BaudRateOfCode(int baudCode);

// Bits on the line per character: start bit, 8 data bits, parity bit if any, one stop bit.
int BitsPerChar(int parityCode);

// The silent interval that ends a frame: 3.5 characters, fixed at 1.75 ms above 19200 baud.
double FrameGapSeconds(int baudCode, int parityCode);

// Time a request and its answer occupy the line, with the frame gap after each of them.
double TheoreticalWireSeconds(int requestBytes, int answerBytes, int baudCode, int parityCode);

}  // namespace vt::sim
