#pragma once

#include "controller_link.h"
#include "flow_log.h"
#include "link_connection.h"
#include "polling_cycle.h"
#include "simulated_line.h"
#include "station_context.h"
#include "temp_station.h"

namespace vt::test {

// Everything an overview is made with: a simulated controller on port 1, the real link with its
// polling cycle and connection, a fresh database in a temporary folder and a window flow that
// only records.
struct OverviewRig {
    explicit OverviewRig(sim::SimulatorOptions options = SimulatedLine::Frozen());

    SimulatedLine line;
    vt::testing::TempStation station;
    ControllerState state;
    ControllerLink link;
    PollingCycle polling;
    LinkConnection connection;
    FlowLog flow;
    StationContext context;
};

inline constexpr int kWaitMs = 10000;

}  // namespace vt::test
