#include "plant_worker.h"

#include <QEventLoop>
#include <QLoggingCategory>
#include <algorithm>

#include "plant_payloads.h"

namespace vt {

namespace {

Q_LOGGING_CATEGORY(lcPlant, "station.plant")

constexpr int kDrainTickMs = 20;
constexpr int kFlushDelayMs = 100;
constexpr int kBoundsIntervalMs = 60000;
constexpr int kReportDelayMs = 250;
constexpr int kReadAhead = 256;
constexpr std::int64_t kHistorySeconds = 10;

}  // namespace

PlantWorker::PlantWorker(PlantOptions options, PlantTuning tuning)
    : m_options(std::move(options)),
      m_tuning(tuning),
      m_outbox(m_options.outboxPath, tuning.limits),
      m_session(this),
      m_backOff(tuning.firstRetryMs, tuning.maxRetryMs),
      m_retry(this),
      m_drainTimer(this),
      m_flushTimer(this),
      m_boundsTimer(this),
      m_reportTimer(this) {
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &PlantWorker::connectToBroker);
    m_drainTimer.setInterval(kDrainTickMs);
    connect(&m_drainTimer, &QTimer::timeout, this, &PlantWorker::drain);
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(kFlushDelayMs);
    connect(&m_flushTimer, &QTimer::timeout, this, &PlantWorker::flushAcknowledged);
    m_boundsTimer.setInterval(kBoundsIntervalMs);
    connect(&m_boundsTimer, &QTimer::timeout, this, [this] {
        m_outbox.keepBounds(QDateTime::currentDateTime());
        reportState();
    });
    m_reportTimer.setSingleShot(true);
    m_reportTimer.setInterval(kReportDelayMs);
    connect(&m_reportTimer, &QTimer::timeout, this, [this] {
        if (m_state == m_reported) return;
        m_reported = m_state;
        emit stateChanged(m_state);
    });
    connect(&m_session, &MqttSession::connected, this, &PlantWorker::onConnected);
    connect(&m_session, &MqttSession::lost, this, &PlantWorker::onLost);
    connect(&m_session, &MqttSession::acknowledged, this, &PlantWorker::onAcknowledged);
}

PlantWorker::~PlantWorker() = default;

QString PlantWorker::topic(const QString& name) const {
    return PlantTopic(m_options.stationName, name);
}

void PlantWorker::start() {
    if (!m_outbox.open()) {
        m_state.failure = PlantFailure::Outbox;
        m_state.detail = m_options.outboxPath;
        reportState();
    }
    m_outbox.keepBounds(QDateTime::currentDateTime());
    m_boundsTimer.start();
    connectToBroker();
}

QByteArray PlantWorker::statusPayload(bool online, bool will) {
    QJsonObject body = StatusBody(m_status, online, m_outbox.counters());
    if (will) body.insert(QStringLiteral("will"), true);
    return CompactJson(
        Stamped(body, QDateTime::currentDateTime(), m_outbox.takeSequence(PlantTopicName::Status)));
}

void PlantWorker::connectToBroker() {
    SessionSettings settings;
    settings.host = m_options.host;
    settings.port = m_options.port;
    settings.tls = m_options.tls;
    settings.caFile = m_options.caFile;
    settings.user = m_options.user;
    settings.password = m_options.password;
    settings.clientId = QStringLiteral("vt5800-") + m_options.stationName;
    settings.willTopic = topic(PlantTopicName::Status);
    settings.willPayload = statusPayload(false, true);
    settings.keepAliveSeconds = m_tuning.keepAliveSeconds;
    m_session.open(settings);
}

void PlantWorker::onConnected() {
    qCInfo(lcPlant) << "connected to the broker" << m_options.host << m_options.port;
    m_backOff.reset();
    m_state.connected = true;
    m_state.failure = PlantFailure::None;
    m_state.detail.clear();
    publishStatus(true);
    publishSettings();
    m_cursor = 0;
    m_queued.clear();
    m_inflight.clear();
    m_tokens = 0.0;
    m_sinceRefill.start();
    m_drainTimer.start();
    drain();
    reportState();
}

void PlantWorker::onLost(PlantFailure failure, const QString& detail) {
    m_drainTimer.stop();
    flushAcknowledged();
    m_inflight.clear();
    m_queued.clear();
    m_state.connected = false;
    m_state.failure = failure;
    m_state.detail = detail;
    const int wait = m_backOff.next();
    qCInfo(lcPlant) << "broker not reached:" << PlantFailureKey(failure) << detail << "; again in"
                    << wait << "ms";
    m_retry.start(wait);
    reportState();
}

void PlantWorker::publishStatus(bool online) {
    m_session.publish(topic(PlantTopicName::Status), statusPayload(online, false), 1, true);
}

void PlantWorker::publishSettings() {
    if (!m_settingsPayload.isEmpty())
        m_session.publish(topic(PlantTopicName::Settings), m_settingsPayload, 1, true);
}

void PlantWorker::takeStatus(const StationStatus& status) {
    if (status == m_status) return;
    m_status = status;
    if (m_state.connected) publishStatus(true);
}

void PlantWorker::takeSettings(const StationSettings& settings) {
    if (m_settings == settings) return;
    m_settings = settings;
    m_settingsPayload = CompactJson(Stamped(SettingsBody(settings), QDateTime::currentDateTime(),
                                            m_outbox.takeSequence(PlantTopicName::Settings)));
    if (m_state.connected) publishSettings();
}

void PlantWorker::takeLive(const LiveSample& sample) {
    if (!m_state.connected) {
        keepHistory(sample);
        return;
    }
    const QJsonObject body = LiveBody(sample);
    m_session.publish(
        topic(PlantTopicName::Live),
        CompactJson(Stamped(body, sample.time, m_outbox.takeSequence(PlantTopicName::Live))), 0,
        false);
}

// While the broker is away one measured sample per ten clock seconds waits in the outbox.
void PlantWorker::keepHistory(const LiveSample& sample) {
    const std::int64_t slot = sample.time.toSecsSinceEpoch() / kHistorySeconds;
    if (!sample.valid || slot == m_historySlot) return;
    m_historySlot = slot;
    m_outbox.add(PlantTopicName::History, HistoryBody(sample), sample.time);
    reportState();
}

void PlantWorker::takeEvent(const QString& name, const QJsonObject& body, const QDateTime& time) {
    m_outbox.add(name, body, time);
    reportState();
    if (!m_state.connected) return;
    if (!m_drainTimer.isActive()) m_drainTimer.start();
    drain();
}

std::optional<OutboxEntry> PlantWorker::nextEntry() {
    if (m_queued.empty()) {
        for (OutboxEntry& entry : m_outbox.after(m_cursor, kReadAhead)) {
            m_cursor = entry.id;
            m_queued.push_back(std::move(entry));
        }
    }
    if (m_queued.empty()) return std::nullopt;
    OutboxEntry entry = std::move(m_queued.front());
    m_queued.pop_front();
    return entry;
}

// Sends waiting messages in order, no faster than the drain rate and with no more than the
// window unacknowledged, so that live messages always find the connection free.
void PlantWorker::drain() {
    if (!m_session.isConnected()) return;
    const double rate = m_tuning.drainPerSecond;
    m_tokens = std::min(std::max(1.0, rate * kDrainTickMs / 1000.0),
                        m_tokens + rate * m_sinceRefill.restart() / 1000.0);
    while (m_tokens >= 1.0 && m_inflight.size() < m_tuning.window) {
        std::optional<OutboxEntry> entry = nextEntry();
        if (!entry) {
            m_drainTimer.stop();  // nothing waits: no wake-ups until something does
            return;
        }
        const int mid = m_session.publish(topic(entry->topic), entry->payload, 1, false);
        if (mid == 0) return;
        m_inflight.insert(mid, std::move(*entry));
        m_tokens -= 1.0;
    }
}

void PlantWorker::onAcknowledged(int mid) {
    if (mid == m_offlineMid) m_offlineMid = -1;
    const auto found = m_inflight.find(mid);
    if (found == m_inflight.end()) return;
    m_acked.push_back(std::move(found.value()));
    m_inflight.erase(found);
    if (!m_flushTimer.isActive()) m_flushTimer.start();
    drain();
}

// Acknowledged messages leave the outbox together, a few times a second.
void PlantWorker::flushAcknowledged() {
    m_outbox.remove(m_acked);
    m_acked.clear();
    reportState();
}

void PlantWorker::reportState() {
    const OutboxCounters counters = m_outbox.counters();
    m_state.waiting = counters.waiting;
    m_state.dropped = counters.dropped;
    m_state.droppedHistory = counters.droppedHistory;
    if (!m_reportTimer.isActive()) m_reportTimer.start();
}

void PlantWorker::stop() {
    m_retry.stop();
    m_drainTimer.stop();
    flushAcknowledged();
    if (m_session.isConnected()) {
        m_offlineMid =
            m_session.publish(topic(PlantTopicName::Status), statusPayload(false, false), 1, true);
        QEventLoop wait;
        QTimer deadline;
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, &wait, &QEventLoop::quit);
        connect(&m_session, &MqttSession::acknowledged, &wait, [this, &wait] {
            if (m_offlineMid == -1) wait.quit();
        });
        connect(&m_session, &MqttSession::lost, &wait, &QEventLoop::quit);
        deadline.start(m_tuning.stopWaitMs);
        if (m_offlineMid > 0) wait.exec();
        flushAcknowledged();
    }
    m_session.disconnectCleanly();
}

}  // namespace vt
