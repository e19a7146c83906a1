#pragma once

#include <chrono>
#include <cstdint>

namespace vt {

// Serial rate of a baud code 0..8 (4800 .. 921600); 0 for any other code.
int BaudRate(std::int32_t baudCode);

// Seconds one request and its answer occupy the line at a baud and parity code (8 data bits,
// 1 stop bit), each frame followed by the 3.5-character silence that ends it.
double ExchangeSeconds(int requestBytes, int answerBytes, std::int32_t baudCode,
                       std::int32_t parityCode);

// How long the master waits for a whole answer: twice the exchange's wire time (room for a
// line or adapter slower than nominal) plus a fixed allowance for the controller's turnaround
// and the USB adapter's latency. The budget covers the complete answer, not only its first byte.
std::chrono::microseconds ResponseBudget(int requestBytes, int answerBytes, std::int32_t baudCode,
                                         std::int32_t parityCode);

}  // namespace vt
