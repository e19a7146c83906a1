#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>

#include "controller_state.h"
#include "plant_snapshots.h"

namespace vt {

class LinkConnection;
class PlantLink;
class PollingCycle;
class PortDirectory;

// Feeds the plant link from the station's parts on the user-interface thread: once per clock
// second the eight logged values (right after the polling tick that read them, or from its own
// timer while no tick comes back), the station's status whenever it changes, and the scaling and
// curve whenever the controller reports new ones.
class PlantFeed : public QObject {
    Q_OBJECT
  public:
    PlantFeed(PlantLink& plant, const ControllerState& state, PollingCycle& polling,
              LinkConnection& connection, const PortDirectory& ports, QObject* parent = nullptr);

    // What the plant link is handed now.
    LiveSample sample() const;
    StationStatus status() const;
    StationSettings settings() const;

  private:
    void tickDone();
    void secondPassed();
    void publish();
    ControllerLinkState linkState() const;

    PlantLink& m_plant;
    const ControllerState& m_state;
    PollingCycle& m_polling;
    LinkConnection& m_connection;
    const PortDirectory& m_ports;
    QTimer m_second;
    std::int64_t m_lastSecond = -1;
};

}  // namespace vt
