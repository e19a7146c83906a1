#pragma once

#include "controller_link.h"
#include "flow_log.h"
#include "link_connection.h"
#include "polling_cycle.h"
#include "port_directory.h"
#include "ring_fixture.h"
#include "station_context.h"
#include "temp_station.h"

namespace vt::test {

// What the history windows are made with: a fresh station database in a temporary folder, the
// shared store, an idle controller link (no port is ever opened) and a recording flow.
struct HistoryRig {
    HistoryRig();

    // Fills the ten-second ring with `count` records ten seconds apart, the first at id
    // `firstId`, so that its newest record lies at `newestTime` (values as FillRing's).
    std::int32_t fillTenSecondRing(std::int32_t firstId, std::int32_t count,
                                   const QDateTime& newestTime,
                                   const vt::testing::RecordValues& values = {});

    vt::testing::TempStation station;
    ControllerState state;
    PortDirectory ports;
    ControllerLink link;
    PollingCycle polling;
    LinkConnection connection;
    FlowLog flow;
    StationContext context;
};

}  // namespace vt::test
