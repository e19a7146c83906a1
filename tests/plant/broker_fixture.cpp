#include "broker_fixture.h"

#include <arpa/inet.h>
#include <mosquitto.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QFile>
#include <QJsonDocument>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <chrono>

namespace vt::test {

namespace {

bool Run(const QString& program, const QStringList& arguments, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool MakeAuthority(const QString& folder, const QString& name) {
    return Run(QStringLiteral("openssl"),
               {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                "/CN=" + name, "-keyout", name + ".key", "-out", name + ".crt"},
               folder);
}

bool Accepts(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

Certificates::Certificates() {
    const QString folder = dir.path();
    QFile extensions(dir.filePath(QStringLiteral("san.ext")));
    made = extensions.open(QIODevice::WriteOnly) &&
           extensions.write("subjectAltName=DNS:localhost,IP:127.0.0.1\n") > 0;
    extensions.close();
    made = made && MakeAuthority(folder, QStringLiteral("ca")) &&
           MakeAuthority(folder, QStringLiteral("other-ca")) &&
           Run(QStringLiteral("openssl"),
               {"req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=localhost", "-keyout",
                "server.key", "-out", "server.csr"},
               folder) &&
           Run(QStringLiteral("openssl"),
               {"x509", "-req", "-in", "server.csr", "-CA", "ca.crt", "-CAkey", "ca.key",
                "-CAcreateserial", "-days", "2", "-extfile", "san.ext", "-out", "server.crt"},
               folder);
}

int FreeLoopbackPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

Broker::Broker(Setup setup) : m_setup(std::move(setup)), m_port(FreeLoopbackPort()) {
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

Broker::~Broker() { stop(); }

QString Broker::url() const {
    return QStringLiteral("%1://localhost:%2")
        .arg(m_setup.tls ? QStringLiteral("mqtts") : QStringLiteral("mqtt"))
        .arg(m_port);
}

bool Broker::writeConfig() {
    // Persistent, so that a subscriber's session and what was queued for it survive a stop.
    QStringList lines{
        QStringLiteral("listener %1 127.0.0.1").arg(m_port), QStringLiteral("persistence true"),
        // A subscriber that falls behind loses nothing.
        QStringLiteral("max_queued_messages 0"), "persistence_location " + m_dir.path() + "/"};
    // Run as root, the broker would turn into a user that cannot read the temporary folder.
    if (::geteuid() == 0) lines << QStringLiteral("user root");
    if (m_setup.tls) {
        lines << "cafile " + m_setup.tls->ca() << "certfile " + m_setup.tls->cert()
              << "keyfile " + m_setup.tls->key();
    }
    if (m_setup.user.isEmpty()) {
        lines << QStringLiteral("allow_anonymous true");
    } else {
        if (!Run(QStringLiteral("mosquitto_passwd"),
                 {"-c", "-b", passwordFile(), m_setup.user, m_setup.password}, m_dir.path()))
            return false;
        lines << QStringLiteral("allow_anonymous false") << "password_file " + passwordFile();
    }
    QFile config(m_dir.filePath(QStringLiteral("mosquitto.conf")));
    return config.open(QIODevice::WriteOnly) &&
           config.write((lines.join('\n') + '\n').toUtf8()) > 0;
}

bool Broker::start() {
    if (!writeConfig()) return false;
    m_process.start(QStringLiteral("mosquitto"),
                    {"-c", m_dir.filePath(QStringLiteral("mosquitto.conf"))});
    if (!m_process.waitForStarted(10000)) return false;
    return QTest::qWaitFor(
               [this] { return m_process.state() != QProcess::Running || Accepts(m_port); },
               kBrokerWaitMs) &&
           m_process.state() == QProcess::Running;
}

void Broker::stop() {
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.terminate();
    if (!m_process.waitForFinished(10000)) m_process.kill();
    m_process.waitForFinished(10000);
}

Subscriber::Subscriber(int port, const QString& filter) : m_filter(filter.toUtf8()) {
    static std::atomic<int> count{0};
    mosquitto_lib_init();
    const QByteArray id =
        QByteArray("subscriber-") + QByteArray::number(port) + '-' + QByteArray::number(++count);
    m_mosq = mosquitto_new(id.constData(), false, this);
    mosquitto_connect_callback_set(m_mosq, &Subscriber::OnConnect);
    mosquitto_subscribe_callback_set(m_mosq, &Subscriber::OnSubscribe);
    mosquitto_message_callback_set(m_mosq, &Subscriber::OnMessage);
    mosquitto_reconnect_delay_set(m_mosq, 1, 1, false);
    mosquitto_connect_async(m_mosq, "127.0.0.1", port, 5);
    mosquitto_loop_start(m_mosq);
}

Subscriber::~Subscriber() {
    mosquitto_disconnect(m_mosq);
    mosquitto_loop_stop(m_mosq, true);
    mosquitto_destroy(m_mosq);
}

void Subscriber::OnConnect(mosquitto* mosq, void* self, int rc) {
    if (rc == 0)
        mosquitto_subscribe(mosq, nullptr, static_cast<Subscriber*>(self)->m_filter.constData(), 1);
}

void Subscriber::OnSubscribe(mosquitto*, void* self, int, int, const int*) {
    auto* subscriber = static_cast<Subscriber*>(self);
    const std::lock_guard lock(subscriber->m_mutex);
    subscriber->m_subscribed = true;
}

void Subscriber::OnMessage(mosquitto*, void* self, const mosquitto_message* message) {
    auto* subscriber = static_cast<Subscriber*>(self);
    const auto received = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    const QByteArray payload(static_cast<const char*>(message->payload), message->payloadlen);
    const std::lock_guard lock(subscriber->m_mutex);
    subscriber->m_messages.push_back({QString::fromUtf8(message->topic),
                                      QJsonDocument::fromJson(payload).object(), message->retain,
                                      received.count()});
}

bool Subscriber::waitSubscribed() {
    return QTest::qWaitFor(
        [this] {
            const std::lock_guard lock(m_mutex);
            return m_subscribed;
        },
        kBrokerWaitMs);
}

bool Subscriber::waitFor(const std::function<bool(const std::vector<Received>&)>& done,
                         int timeoutMs) {
    return QTest::qWaitFor([&] { return done(messages()); }, timeoutMs);
}

std::vector<Received> Subscriber::messages() const {
    const std::lock_guard lock(m_mutex);
    return m_messages;
}

std::vector<Received> Subscriber::on(const QString& suffix) const {
    std::vector<Received> found;
    for (const Received& message : messages()) {
        if (message.topic.endsWith(QLatin1Char('/') + suffix)) found.push_back(message);
    }
    return found;
}

std::vector<qint64> FirstSeen(const std::vector<Received>& messages) {
    std::vector<qint64> seen;
    for (const Received& message : messages) {
        const qint64 seq = message.body.value(QStringLiteral("seq")).toInteger();
        if (std::find(seen.begin(), seen.end(), seq) == seen.end()) seen.push_back(seq);
    }
    return seen;
}

}  // namespace vt::test
