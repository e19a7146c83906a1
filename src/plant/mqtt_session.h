#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include "plant_failure.h"

class QSocketNotifier;
struct mosquitto;

namespace vt {

// Where and as whom one connection goes, with the message the broker sends when it vanishes.
struct SessionSettings {
    QString host;
    int port = 1883;
    bool tls = false;
    QString caFile;  // empty: the system's authorities
    QString user;
    QString password;
    QString clientId;
    QString willTopic;
    QByteArray willPayload;
    int keepAliveSeconds = 30;
};

// One connection to the broker through libmosquitto, driven by the event loop of the thread it
// lives on: the socket is watched for reading and, while something waits to go, for writing, so
// no call ever waits for the network. A failed attempt or a lost connection is reported once
// with its reason; a new open() makes a fresh connection.
class MqttSession : public QObject {
    Q_OBJECT
  public:
    explicit MqttSession(QObject* parent = nullptr);
    ~MqttSession() override;

    // Starts connecting; the outcome comes as connected() or lost().
    void open(const SessionSettings& settings);
    // Says goodbye to the broker (DISCONNECT, so the will is not sent) and closes.
    void disconnectCleanly();
    bool isConnected() const { return m_connected; }

    // The message id, or 0 when it could not be queued (the connection is gone).
    int publish(const QString& topic, const QByteArray& payload, int qos, bool retain);

  signals:
    void connected();
    // The attempt failed or the connection ended; `detail` says it in the library's words.
    void lost(PlantFailure failure, const QString& detail);
    // The broker acknowledged the QoS 1 message `mid`.
    void acknowledged(int mid);

  private:
    static void OnConnect(mosquitto*, void* self, int rc);
    static void OnDisconnect(mosquitto*, void* self, int rc);
    static void OnPublish(mosquitto*, void* self, int mid);
    static void OnLog(mosquitto*, void* self, int level, const char* text);

    bool configure(const SessionSettings& settings);
    void service();
    void afterCall(int rc);
    void watchSocket();
    void release();
    void fail(PlantFailure failure, const QString& detail);
    void fail(int rc);

    mosquitto* m_mosq = nullptr;
    QSocketNotifier* m_read = nullptr;
    QSocketNotifier* m_write = nullptr;
    QTimer m_misc;
    QTimer m_connectTimeout;
    bool m_connected = false;
    bool m_failed = false;
    QString m_lastError;  // the library's last error line (TLS reasons come only this way)
};

}  // namespace vt
