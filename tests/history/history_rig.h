#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "controller_link.h"
#include "link_connection.h"
#include "polling_cycle.h"
#include "port_directory.h"
#include "ring_fixture.h"
#include "station_context.h"
#include "temp_station.h"
#include "window_navigator.h"

namespace vt::test {

// Writes down, in order, every step of the window flow a window asks for.
class FlowLog : public WindowNavigator {
  public:
    void openEditor(StationWindow) override { calls << QStringLiteral("openEditor"); }
    void returnFromEditor(StationWindow) override { calls << QStringLiteral("returnFromEditor"); }
    void openHistory() override { calls << QStringLiteral("openHistory"); }
    void returnFromHistory() override { calls << QStringLiteral("returnFromHistory"); }
    void openHistoryTable() override { calls << QStringLiteral("openHistoryTable"); }
    void returnFromHistoryTable() override { calls << QStringLiteral("returnFromHistoryTable"); }
    void exitStation() override { calls << QStringLiteral("exitStation"); }

    QStringList calls;
};

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
