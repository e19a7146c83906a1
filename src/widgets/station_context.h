#pragma once

#include <QString>

#include "controller_state.h"

namespace vt {

class ControllerLink;
class PollingCycle;
class LinkConnection;
class PlantLink;
class PortDirectory;
class WindowNavigator;

// What every station window is handed when it is made: the shared store, the controller link
// with its polling cycle and connection, the database file and the window flow.
struct StationContext {
    ControllerState& state;
    ControllerLink& link;
    PollingCycle& polling;
    LinkConnection& connection;
    const PortDirectory& ports;
    QString databasePath;
    WindowNavigator& navigator;
    PlantLink* plant = nullptr;  // the plant link, when the station publishes to a broker
};

}  // namespace vt
