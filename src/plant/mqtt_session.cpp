#include "mqtt_session.h"

#include <mosquitto.h>

#include <QLoggingCategory>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <vector>

namespace vt {

namespace {

Q_LOGGING_CATEGORY(lcMqtt, "station.plant.mqtt")

constexpr int kMiscIntervalMs = 1000;
constexpr int kConnectTimeoutMs = 15000;
constexpr int kVerifyPeer = 1;         // SSL_VERIFY_PEER
constexpr int kServerUnavailable = 3;  // CONNACK: the broker cannot serve now
const char* const kSystemAuthorities = "/etc/ssl/certs";

void InitialiseLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { mosquitto_lib_init(); });
}

QByteArray Utf8OrNull(const QString& text) { return text.isEmpty() ? QByteArray() : text.toUtf8(); }

const char* OrNull(const QByteArray& bytes) { return bytes.isNull() ? nullptr : bytes.constData(); }

// What the callbacks saw during one library call; handled once the call has returned, so that
// nothing is published from inside a callback.
struct CallbackEvents {
    int connack = -1;        // CONNACK code, -1 when none came
    int disconnect = -1;     // disconnect reason, -1 when the connection did not end
    std::vector<int> acked;  // QoS 1 messages the broker acknowledged
};

thread_local CallbackEvents* tEvents = nullptr;

}  // namespace

MqttSession::MqttSession(QObject* parent) : QObject(parent), m_misc(this), m_connectTimeout(this) {
    InitialiseLibrary();
    m_misc.setInterval(kMiscIntervalMs);
    connect(&m_misc, &QTimer::timeout, this, &MqttSession::service);
    m_connectTimeout.setSingleShot(true);
    m_connectTimeout.setInterval(kConnectTimeoutMs);
    connect(&m_connectTimeout, &QTimer::timeout, this, [this] {
        fail(PlantFailure::Unreachable, QStringLiteral("no answer from the broker"));
    });
}

MqttSession::~MqttSession() { release(); }

void MqttSession::OnConnect(mosquitto*, void*, int rc) {
    if (tEvents) tEvents->connack = rc;
}

void MqttSession::OnDisconnect(mosquitto*, void*, int rc) {
    if (tEvents) tEvents->disconnect = rc;
}

void MqttSession::OnPublish(mosquitto*, void*, int mid) {
    if (tEvents) tEvents->acked.push_back(mid);
}

void MqttSession::OnLog(mosquitto*, void* self, int level, const char* text) {
    if (level != MOSQ_LOG_ERR && level != MOSQ_LOG_WARNING) return;
    static_cast<MqttSession*>(self)->m_lastError = QString::fromUtf8(text);
    qCDebug(lcMqtt) << text;
}

bool MqttSession::configure(const SessionSettings& s) {
    m_mosq = mosquitto_new(s.clientId.toUtf8().constData(), true, this);
    if (!m_mosq) return false;
    mosquitto_connect_callback_set(m_mosq, &MqttSession::OnConnect);
    mosquitto_disconnect_callback_set(m_mosq, &MqttSession::OnDisconnect);
    mosquitto_publish_callback_set(m_mosq, &MqttSession::OnPublish);
    mosquitto_log_callback_set(m_mosq, &MqttSession::OnLog);
    mosquitto_int_option(m_mosq, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    mosquitto_max_inflight_messages_set(m_mosq, 0);  // the outbox keeps its own window
    if (!s.user.isEmpty()) {
        const QByteArray password = Utf8OrNull(s.password);
        mosquitto_username_pw_set(m_mosq, s.user.toUtf8().constData(), OrNull(password));
    }
    if (s.tls) {
        const QByteArray ca = Utf8OrNull(s.caFile);
        if (mosquitto_tls_set(m_mosq, OrNull(ca), ca.isNull() ? kSystemAuthorities : nullptr,
                              nullptr, nullptr, nullptr) != MOSQ_ERR_SUCCESS ||
            mosquitto_tls_opts_set(m_mosq, kVerifyPeer, nullptr, nullptr) != MOSQ_ERR_SUCCESS)
            return false;
    }
    const QByteArray willTopic = s.willTopic.toUtf8();
    return mosquitto_will_set(m_mosq, willTopic.constData(), static_cast<int>(s.willPayload.size()),
                              s.willPayload.constData(), 1, true) == MOSQ_ERR_SUCCESS;
}

void MqttSession::open(const SessionSettings& settings) {
    release();
    m_failed = false;
    m_lastError.clear();
    if (!configure(settings)) {
        fail(PlantFailure::Tls, m_lastError.isEmpty()
                                    ? QStringLiteral("cannot use the certificate authority file")
                                    : m_lastError);
        return;
    }
    CallbackEvents events;
    tEvents = &events;
    const int rc = mosquitto_connect_async(m_mosq, settings.host.toUtf8().constData(),
                                           settings.port, settings.keepAliveSeconds);
    tEvents = nullptr;
    if (rc != MOSQ_ERR_SUCCESS) {
        fail(rc);
        return;
    }
    watchSocket();
    m_misc.start();
    m_connectTimeout.start();
    service();
}

void MqttSession::watchSocket() {
    const int fd = mosquitto_socket(m_mosq);
    if (fd < 0) return;
    m_read = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    m_write = new QSocketNotifier(fd, QSocketNotifier::Write, this);
    connect(m_read, &QSocketNotifier::activated, this, &MqttSession::service);
    connect(m_write, &QSocketNotifier::activated, this, &MqttSession::service);
}

// One turn of the library without waiting: read what came, write what waits, keep alive.
void MqttSession::service() {
    if (!m_mosq) return;
    CallbackEvents events;
    tEvents = &events;
    int rc = mosquitto_loop(m_mosq, 0, 1);
    tEvents = nullptr;
    if (events.connack > 0) {
        fail(events.connack == kServerUnavailable ? PlantFailure::Unreachable
                                                  : PlantFailure::LoginRefused,
             QString::fromUtf8(mosquitto_connack_string(events.connack)));
        return;
    }
    if (events.disconnect > 0 && rc == MOSQ_ERR_SUCCESS) rc = events.disconnect;
    if (rc != MOSQ_ERR_SUCCESS) {
        fail(rc);
        return;
    }
    if (events.connack == 0) {
        m_connected = true;
        m_connectTimeout.stop();
        emit connected();
    }
    for (int mid : events.acked) emit acknowledged(mid);
    if (m_write && m_mosq) m_write->setEnabled(mosquitto_want_write(m_mosq));
}

int MqttSession::publish(const QString& topic, const QByteArray& payload, int qos, bool retain) {
    if (!m_mosq || !m_connected) return 0;
    int mid = 0;
    const int rc =
        mosquitto_publish(m_mosq, &mid, topic.toUtf8().constData(),
                          static_cast<int>(payload.size()), payload.constData(), qos, retain);
    if (rc != MOSQ_ERR_SUCCESS) return 0;
    if (m_write) m_write->setEnabled(mosquitto_want_write(m_mosq));
    return mid;
}

void MqttSession::disconnectCleanly() {
    if (m_mosq && m_connected) {
        mosquitto_disconnect(m_mosq);
        mosquitto_loop_write(m_mosq, 1);
    }
    release();
}

void MqttSession::release() {
    m_misc.stop();
    m_connectTimeout.stop();
    delete m_read;
    delete m_write;
    m_read = nullptr;
    m_write = nullptr;
    if (m_mosq) mosquitto_destroy(m_mosq);
    m_mosq = nullptr;
    m_connected = false;
}

void MqttSession::fail(int rc) {
    const bool wasConnected = m_connected;
    const bool tlsLine = m_lastError.contains(QStringLiteral("OpenSSL")) ||
                         m_lastError.contains(QStringLiteral("certificate"));
    if (rc == MOSQ_ERR_TLS || rc == MOSQ_ERR_TLS_HANDSHAKE || (!wasConnected && tlsLine)) {
        fail(PlantFailure::Tls,
             m_lastError.isEmpty() ? QString::fromUtf8(mosquitto_strerror(rc)) : m_lastError);
        return;
    }
    const QString detail = rc == MOSQ_ERR_ERRNO ? QString::fromLocal8Bit(std::strerror(errno))
                           : rc == MOSQ_ERR_EAI ? QStringLiteral("unknown host")
                                                : QString::fromUtf8(mosquitto_strerror(rc));
    fail(wasConnected ? PlantFailure::ConnectionLost : PlantFailure::Unreachable, detail);
}

void MqttSession::fail(PlantFailure failure, const QString& detail) {
    release();
    if (m_failed) return;
    m_failed = true;
    qCInfo(lcMqtt) << "broker connection:" << PlantFailureKey(failure) << detail;
    emit lost(failure, detail);
}

}  // namespace vt
