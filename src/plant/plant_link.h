#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QThread>

#include "plant_link_state.h"
#include "plant_options.h"
#include "plant_snapshots.h"
#include "plant_tuning.h"

namespace vt {

class PlantWorker;

// The station's plant link: it publishes what the station knows to the plant's MQTT broker
// under vt5800/<station>/ and subscribes to nothing. The client, its outbox and its retries run
// on a thread of their own; every call here only queues its values there, so no caller ever
// waits for the network or the outbox file. Destroying it stops cleanly: "offline" is published
// and acknowledged (or the stop wait runs out) before the thread ends.
class PlantLink : public QObject {
    Q_OBJECT
  public:
    explicit PlantLink(PlantOptions options, PlantTuning tuning = {}, QObject* parent = nullptr);
    ~PlantLink() override;

    // Opens the outbox and starts connecting.
    void start();

    // The eight logged values of this second (`live`, or `history` while the broker is away).
    void publishLive(const LiveSample& sample);
    // What `status` says besides online/offline; republished when it changes.
    void publishStatus(const StationStatus& status);
    // The controller's scaling and curve; republished (retained) when they change.
    void publishSettings(const StationSettings& settings);
    // A completed entry of the journal of writes, on `journal`.
    void publishJournal(const JournalRecord& record);
    // Any event (`alarm`, `batch`, ...): `body` goes through the outbox at QoS 1 to
    // vt5800/<station>/<topic>, stamped with the time of this call and the topic's next
    // sequence number. Safe to call from any thread.
    void publishEvent(const QString& topic, const QJsonObject& body);

    const PlantLinkState& state() const { return m_state; }
    const PlantOptions& options() const { return m_options; }

  signals:
    void stateChanged(const PlantLinkState& state);

  private:
    PlantOptions m_options;
    QThread m_thread;
    PlantWorker* m_worker = nullptr;
    PlantLinkState m_state;
};

}  // namespace vt
