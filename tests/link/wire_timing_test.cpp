#include "wire_timing.h"

#include <gtest/gtest.h>

#include "wire_time.h"

using namespace vt;

// The master's response budgets rest on the same line model the simulator emulates; the two
// are written apart, so each checks the other.
TEST(WireTiming, AgreesWithTheSimulatorsLineModel) {
    for (int baud = 0; baud <= 8; ++baud) {
        for (int parity = 0; parity <= 2; ++parity) {
            const double ours = ExchangeSeconds(8, 37, baud, parity);
            EXPECT_NEAR(ours, sim::TheoreticalWireSeconds(8, 37, baud, parity), 1e-9)
                << baud << " " << parity;
            EXPECT_GT(ResponseBudget(8, 37, baud, parity).count() * 1e-6, 2 * ours);
        }
    }
    EXPECT_EQ(BaudRate(0), 4800);
    EXPECT_EQ(BaudRate(8), 921600);
    EXPECT_EQ(BaudRate(9), 0);
}
