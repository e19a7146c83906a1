#pragma once

#include <gtest/gtest.h>

#include <QDateTime>
#include <QWidget>
#include <string>

#include "controller_link.h"
#include "flow_log.h"
#include "journal_entry.h"
#include "link_connection.h"
#include "polling_cycle.h"
#include "ring_fixture.h"
#include "simulated_line.h"
#include "station_context.h"
#include "temp_station.h"

namespace vt::test {

inline constexpr int kWaitMs = 10000;

// Everything a station window is made with: a simulated controller on port 1, the real link
// with its polling cycle (every 100 ms) and connection, a fresh database in a temporary folder
// and a window flow that only records; every write is journaled in that database, as in the
// station. One rig for every window test and benchmark.
struct WindowRig {
    explicit WindowRig(sim::SimulatorOptions options = SimulatedLine::Frozen());

    // Opens port 1 to the simulator at `baudCode` (its time-outs sized for that rate) and waits
    // for the first full polling tick, so the scaling settings are the simulator's.
    bool openPort(int baudCode = kFastBaud);

    // Waits until the simulator has carried out `write` ("holding 4354 120") since `mark` writes.
    bool waitForWrite(const std::string& write, std::size_t mark = 0);
    // The writes the simulator carried out since `mark`.
    std::vector<std::string> writesSince(std::size_t mark) const;
    std::size_t writeCount() const { return line.writes().size(); }
    // Waits until no job is queued or in flight on the link.
    bool waitIdle();
    // The journal of writes, oldest entry first (complete once the link is idle).
    std::vector<JournalEntry> journal() const;

    // Fills the ten-second ring with `count` records ten seconds apart, the first at id
    // `firstId`, so that its newest record lies at `newestTime` (values as FillRing's).
    std::int32_t fillTenSecondRing(std::int32_t firstId, std::int32_t count,
                                   const QDateTime& newestTime,
                                   const vt::testing::RecordValues& values = {});

    SimulatedLine line;
    vt::testing::TempStation station;
    ControllerState state;
    ControllerLink link;
    PollingCycle polling;
    LinkConnection connection;
    FlowLog flow;
    StationContext context;
};

// Shows `window` and waits until it is the active window, so focus and keys reach it.
bool ShowActive(QWidget* window);

// The child control of `window` named `name` (object name); fails the test when missing.
template <typename T = QWidget>
T* Find(const QWidget* window, const QString& name) {
    T* child = window->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

}  // namespace vt::test
