#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <cstdint>

#include "link_job.h"

namespace vt {

class ControllerLink;

// The line settings a test read goes out with.
struct ProbeSettings {
    std::int32_t port = 1;
    std::int32_t baudCode = 2;
    std::int32_t parityCode = 0;
    std::int32_t slave = 1;
};

// How one test read of the controller came out, and how long it took.
struct ProbeResult {
    enum class Outcome { Answered, NoAnswer, Exception, PortFailed };
    Outcome outcome = Outcome::NoAnswer;
    LinkFailure failure = LinkFailure::None;  // why, when the port failed
    std::int32_t exceptionCode = 0;
    qint64 elapsedMs = 0;
};

ProbeResult ProbeResultOf(const LinkReply& reply, qint64 elapsedMs);
// The result for the operator: "有应答（23 ms）", "无应答（180 ms）", "异常应答 2（15 ms）", ...
QString ProbeText(const ProbeResult& result);

// One test read of the controller through the station's link: the first live block. With the
// station's port closed it opens the chosen port with the chosen settings for that read and
// closes it again; with the port open it reads over it as it is, at the chosen address.
class PortProbe : public QObject {
    Q_OBJECT
  public:
    explicit PortProbe(ControllerLink& link, QObject* parent = nullptr);

    void run(const ProbeSettings& settings, bool portAlreadyOpen);
    bool running() const { return m_running; }

  signals:
    void finished(const vt::ProbeResult& result);

  private:
    void read();
    void closeIfOpenedHere();
    void done(const ProbeResult& result);

    ControllerLink& m_link;
    QElapsedTimer m_clock;
    ProbeSettings m_settings;
    bool m_openedHere = false;  // the probe opened the port and closes it again
    bool m_running = false;
};

}  // namespace vt

Q_DECLARE_METATYPE(vt::ProbeResult)
