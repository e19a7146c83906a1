#include "wire_timing.h"

#include <array>
#include <cmath>

namespace vt {

namespace {

constexpr std::array<int, 9> kBaudRates = {4800,   9600,   19200,  38400, 57600,
                                           115200, 230400, 460800, 921600};

// Turnaround of the controller plus the latency of a USB serial adapter in both directions.
constexpr std::chrono::microseconds kTurnaroundAllowance{80'000};

// Above 19200 baud the end-of-frame silence is fixed at 1.75 ms.
constexpr double kFixedGapSeconds = 0.00175;

double CharacterSeconds(int baud, std::int32_t parityCode) {
    const int bits = 1 + 8 + (parityCode == 0 ? 0 : 1) + 1;
    return static_cast<double>(bits) / baud;
}

double GapSeconds(int baud, std::int32_t parityCode) {
    return baud > 19200 ? kFixedGapSeconds : 3.5 * CharacterSeconds(baud, parityCode);
}

}  // namespace

int BaudRate(std::int32_t baudCode) {
    if (baudCode < 0 || baudCode >= static_cast<std::int32_t>(kBaudRates.size())) return 0;
    return kBaudRates[static_cast<std::size_t>(baudCode)];
}

double ExchangeSeconds(int requestBytes, int answerBytes, std::int32_t baudCode,
                       std::int32_t parityCode) {
    const int baud = BaudRate(baudCode);
    if (baud == 0) return 0.0;
    return (requestBytes + answerBytes) * CharacterSeconds(baud, parityCode) +
           2.0 * GapSeconds(baud, parityCode);
}

std::chrono::microseconds ResponseBudget(int requestBytes, int answerBytes, std::int32_t baudCode,
                                         std::int32_t parityCode) {
    const double wire = ExchangeSeconds(requestBytes, answerBytes, baudCode, parityCode);
    return kTurnaroundAllowance + std::chrono::microseconds(std::lround(2.0 * wire * 1e6));
}

}  // namespace vt
