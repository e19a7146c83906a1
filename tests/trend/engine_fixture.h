#pragma once

#include <gtest/gtest.h>

#include "controller_state.h"
#include "memory_ring.h"
#include "trend_engine.h"

namespace vt::test {

// An engine over an in-memory ring, with the start-up value axis (0..1500).
class EngineFixture : public ::testing::Test {
  protected:
    explicit EngineFixture(TrendSettings settings = OverviewTrendSettings())
        : engine(std::move(settings), shared) {
        shared.YSpan = 1500;
        engine.setSource(&ring);
    }

    // Writes `records` records, one every `seconds` from `start`, and opens the window.
    void open(int records, double start = kSomeDay + 0.5, int seconds = 1) {
        ring.write(records, start, seconds);
        engine.initialise();
    }

    // Appends one live sample the way the logger and the window's timer do.
    bool append(float value) {
        ring.write(1, kSomeDay + 0.75 + m_appended++ / 86400.0);
        std::array<float, kPenCount> values{};
        values.fill(value);
        return engine.appendLiveSample(values, kSomeDay, 0.75);
    }

    // Id of the record a row was loaded from (value 0 of record i is i).
    int idAt(int row) const { return static_cast<int>(engine.state().TrendValue[row][0]); }
    const TrendState& s() const { return engine.state(); }

    ControllerState shared;
    MemoryRing ring;
    TrendEngine engine;

  private:
    int m_appended = 0;
};

}  // namespace vt::test
