#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QTimer>
#include <deque>
#include <optional>
#include <vector>

#include "back_off.h"
#include "mqtt_session.h"
#include "outbox.h"
#include "plant_link_state.h"
#include "plant_options.h"
#include "plant_snapshots.h"
#include "plant_tuning.h"

namespace vt {

// The plant link's work on its own thread: the broker connection with its retries, the outbox
// and its drain, and what goes on which topic. PlantLink hands it everything by queued calls.
class PlantWorker : public QObject {
    Q_OBJECT
  public:
    PlantWorker(PlantOptions options, PlantTuning tuning);
    ~PlantWorker() override;

    void start();
    // Publishes "offline", waits for its acknowledgement (at most the tuning's stop wait) and
    // leaves the broker.
    void stop();

    void takeLive(const LiveSample& sample);
    void takeStatus(const StationStatus& status);
    void takeSettings(const StationSettings& settings);
    void takeEvent(const QString& topic, const QJsonObject& body, const QDateTime& time);

  signals:
    void stateChanged(const PlantLinkState& state);

  private:
    void connectToBroker();
    void onConnected();
    void onLost(PlantFailure failure, const QString& detail);
    void onAcknowledged(int mid);
    void publishStatus(bool online);
    void publishSettings();
    void keepHistory(const LiveSample& sample);
    void drain();
    std::optional<OutboxEntry> nextEntry();
    void flushAcknowledged();
    void reportState();
    QString topic(const QString& name) const;
    QByteArray statusPayload(bool online, bool will);

    PlantOptions m_options;
    PlantTuning m_tuning;
    Outbox m_outbox;
    MqttSession m_session;
    BackOff m_backOff;
    QTimer m_retry;
    QTimer m_drainTimer;
    QTimer m_flushTimer;
    QTimer m_boundsTimer;
    QTimer m_reportTimer;
    StationStatus m_status;
    QByteArray m_settingsPayload;  // stamped when the settings changed
    std::optional<StationSettings> m_settings;
    QHash<int, OutboxEntry> m_inflight;
    std::vector<OutboxEntry> m_acked;
    std::deque<OutboxEntry> m_queued;  // read from the outbox, not yet sent
    std::int64_t m_cursor = 0;         // the newest outbox id read in this connection
    double m_tokens = 0.0;
    QElapsedTimer m_sinceRefill;
    std::int64_t m_historySlot = -1;
    int m_offlineMid = 0;
    PlantLinkState m_state;
    PlantLinkState m_reported;
};

}  // namespace vt
