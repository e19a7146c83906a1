#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <mutex>
#include <vector>

struct mosquitto;
struct mosquitto_message;

namespace vt::test {

inline constexpr int kBrokerWaitMs = 20000;

// Certificates made with openssl in a temporary folder: an authority that signed the broker's
// certificate (for localhost and 127.0.0.1), and another authority that signed nothing.
struct Certificates {
    Certificates();
    bool made = false;
    QTemporaryDir dir;
    QString ca() const { return dir.filePath(QStringLiteral("ca.crt")); }
    QString otherCa() const { return dir.filePath(QStringLiteral("other-ca.crt")); }
    QString cert() const { return dir.filePath(QStringLiteral("server.crt")); }
    QString key() const { return dir.filePath(QStringLiteral("server.key")); }
};

// A mosquitto broker of the test's own on a free loopback port, with a configuration written
// into a temporary folder; it keeps its port across stop() and start().
struct BrokerSetup {
    const Certificates* tls = nullptr;  // a TLS listener with these certificates
    QString user;                       // logins required: this user with this password
    QString password;
};

class Broker {
  public:
    using Setup = BrokerSetup;

    explicit Broker(Setup setup = {});
    ~Broker();

    // Starts the broker and waits until it accepts connections.
    bool start();
    // Stops it (its clients' sessions are saved) and waits for its end.
    void stop();
    int port() const { return m_port; }
    qint64 pid() const { return m_process.processId(); }
    QString url() const;
    QString passwordFile() const { return m_dir.filePath(QStringLiteral("passwd")); }

  private:
    bool writeConfig();

    Setup m_setup;
    QTemporaryDir m_dir;
    int m_port = 0;
    QProcess m_process;
};

// One message a subscriber received.
struct Received {
    QString topic;
    QJsonObject body;
    bool retained = false;
    qint64 receivedUs = 0;  // when it came, microseconds since the epoch
};

// A subscriber on its own libmosquitto thread with a lasting session, so that after the broker
// was away it gets what came meanwhile; it reconnects by itself. Waits spin the Qt event loop.
class Subscriber {
  public:
    Subscriber(int port, const QString& filter);
    ~Subscriber();

    // Waits until the subscription stands.
    bool waitSubscribed();
    // Waits until `done` holds for the messages received so far.
    bool waitFor(const std::function<bool(const std::vector<Received>&)>& done,
                 int timeoutMs = kBrokerWaitMs);
    std::vector<Received> messages() const;
    // The messages on topic `suffix` (the part after vt5800/<station>/).
    std::vector<Received> on(const QString& suffix) const;

  private:
    static void OnConnect(mosquitto*, void* self, int rc);
    static void OnSubscribe(mosquitto*, void* self, int, int, const int*);
    static void OnMessage(mosquitto*, void* self, const mosquitto_message* message);

    QByteArray m_filter;
    mosquitto* m_mosq = nullptr;
    mutable std::mutex m_mutex;
    std::vector<Received> m_messages;
    bool m_subscribed = false;
};

// The sequence numbers of `messages`, in the order they came, without repeats.
std::vector<qint64> FirstSeen(const std::vector<Received>& messages);

// A free TCP port on the loopback interface.
int FreeLoopbackPort();

}  // namespace vt::test
