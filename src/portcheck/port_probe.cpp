#include "port_probe.h"

#include "controller_link.h"
#include "failure_text.h"
#include "link_jobs.h"
#include "poll_blocks.h"

namespace vt {

ProbeResult ProbeResultOf(const LinkReply& reply, qint64 elapsedMs) {
    ProbeResult result;
    result.elapsedMs = elapsedMs;
    result.failure = reply.failure;
    if (reply.ok()) {
        result.outcome = ProbeResult::Outcome::Answered;
    } else if (reply.failure == LinkFailure::Exception) {
        result.outcome = ProbeResult::Outcome::Exception;
        result.exceptionCode = -reply.result;
    } else if (IsPortFailure(reply.failure) || reply.failure == LinkFailure::PortClosed) {
        result.outcome = ProbeResult::Outcome::PortFailed;
    }
    return result;
}

QString ProbeText(const ProbeResult& result) {
    switch (result.outcome) {
        case ProbeResult::Outcome::Answered:
            return QStringLiteral("有应答（%1 ms）").arg(result.elapsedMs);
        case ProbeResult::Outcome::NoAnswer:
            return QStringLiteral("无应答（%1 ms）").arg(result.elapsedMs);
        case ProbeResult::Outcome::Exception:
            return QStringLiteral("异常应答，代码 %1（%2 ms）")
                .arg(result.exceptionCode)
                .arg(result.elapsedMs);
        case ProbeResult::Outcome::PortFailed:
            return QStringLiteral("端口无法使用：%1").arg(FailureText(result.failure));
    }
    return {};
}

PortProbe::PortProbe(ControllerLink& link, QObject* parent) : QObject(parent), m_link(link) {}

void PortProbe::run(const ProbeSettings& settings, bool portAlreadyOpen) {
    if (m_running) return;
    m_running = true;
    const int attempt = ++m_attempt;  // replies of an attempt that ended early are dropped
    const PollBlock& block = LiveBlocks().front();
    LinkJob read;
    read.op = block.op;
    read.port = settings.port;
    read.slave = settings.slave;
    read.first = block.first;
    read.count = block.count;
    read.priority = JobPriority::Operator;
    if (portAlreadyOpen) {
        m_clock.start();
        m_link.submit(read, this, [this](const LinkReply& reply) {
            done(ProbeResultOf(reply, m_clock.elapsed()));
        });
        return;
    }
    m_link.submit(OpenJob(settings.port, settings.baudCode, settings.parityCode), this,
                  [this, attempt](const LinkReply& reply) {
                      if (!reply.ok() && attempt == m_attempt) done(ProbeResultOf(reply, 0));
                      m_clock.start();  // the read starts once the port is open
                  });
    m_link.submit(read, this, [this, attempt](const LinkReply& reply) {
        if (m_running && attempt == m_attempt) done(ProbeResultOf(reply, m_clock.elapsed()));
    });
    m_link.submit(CloseJob(settings.port), this);
}

void PortProbe::done(const ProbeResult& result) {
    m_running = false;
    emit finished(result);
}

}  // namespace vt
