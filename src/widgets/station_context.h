#pragma once

#include <QString>
#include <span>

#include "controller_state.h"
#include "editor_descriptor.h"

namespace vt {

class ControllerLink;
class PollingCycle;
class LinkConnection;
class PlantLink;
class PortDirectory;
class WindowNavigator;

// What every station window is handed when it is made: the shared store, the controller link
// with its polling cycle and connection, the database file, the window flow and the editor
// windows' descriptors.
struct StationContext {
    ControllerState& state;
    ControllerLink& link;
    PollingCycle& polling;
    LinkConnection& connection;
    const PortDirectory& ports;
    QString databasePath;
    WindowNavigator& navigator;
    std::span<const EditorDescriptor> editors{};
    PlantLink* plant = nullptr;  // the plant link, when the station publishes to a broker
};

}  // namespace vt
