#include "wire_time.h"

#include <algorithm>
#include <array>

namespace vt::sim {

namespace {

constexpr std::array<int, 9> kBaudRates = {4800,   9600,   19200,  38400, 57600,
                                           115200, 230400, 460800, 921600};
constexpr int kFixedGapAboveBaud = 19200;
constexpr double kFixedGapSeconds = 0.00175;
constexpr double kGapChars = 3.5;

}  // namespace

int BaudRateOfCode(int baudCode) {
    return kBaudRates[static_cast<std::size_t>(std::clamp(baudCode, 0, 8))];
}

int BitsPerChar(int parityCode) { return parityCode == 0 ? 10 : 11; }

double FrameGapSeconds(int baudCode, int parityCode) {
    const int baud = BaudRateOfCode(baudCode);
    if (baud > kFixedGapAboveBaud) return kFixedGapSeconds;
    return kGapChars * BitsPerChar(parityCode) / baud;
}

double TheoreticalWireSeconds(int requestBytes, int answerBytes, int baudCode, int parityCode) {
    const double chars = static_cast<double>(requestBytes) + answerBytes;
    return chars * BitsPerChar(parityCode) / BaudRateOfCode(baudCode) +
           2.0 * FrameGapSeconds(baudCode, parityCode);
}

}  // namespace vt::sim
