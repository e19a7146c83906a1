#pragma once

#include <QString>
#include <vector>

#include "controller_link.h"
#include "link_connection.h"
#include "polling_cycle.h"
#include "simulated_line.h"
#include "station_context.h"
#include "temp_station.h"
#include "window_navigator.h"

namespace vt::test {

// Records what the windows ask of the window flow.
class RecordingNavigator : public WindowNavigator {
  public:
    void openEditor(StationWindow editor) override { editors.push_back(editor); }
    void returnFromEditor(StationWindow) override {}
    void openHistory() override { ++historyOpened; }
    void returnFromHistory() override {}
    void openHistoryTable() override {}
    void returnFromHistoryTable() override {}
    void exitStation() override { ++exits; }

    std::vector<StationWindow> editors;
    int historyOpened = 0;
    int exits = 0;
};

// Everything an overview is made with: a simulated controller on port 1, the real link with its
// polling cycle and connection, a fresh database in a temporary folder and a navigator that
// only records.
struct OverviewRig {
    explicit OverviewRig(sim::SimulatorOptions options = SimulatedLine::Frozen());

    SimulatedLine line;
    vt::testing::TempStation station;
    ControllerState state;
    ControllerLink link;
    PollingCycle polling;
    LinkConnection connection;
    RecordingNavigator navigator;
    StationContext context;
};

inline constexpr int kWaitMs = 10000;

}  // namespace vt::test
