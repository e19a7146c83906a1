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
    m_settings = settings;
    m_openedHere = !portAlreadyOpen;
    if (portAlreadyOpen) {
        read();
        return;
    }
    m_link.submit(OpenJob(settings.port, settings.baudCode, settings.parityCode), this,
                  [this](const LinkReply& reply) {
                      if (reply.ok()) {
                          read();
                          return;
                      }
                      closeIfOpenedHere();  // ends the link's attempts to reopen it
                      done(ProbeResultOf(reply, 0));
                  });
}

// Submitted once the port is open, so that the time taken is the read's alone.
void PortProbe::read() {
    const PollBlock& block = LiveBlocks().front();
    LinkJob job;
    job.op = block.op;
    job.port = m_settings.port;
    job.slave = m_settings.slave;
    job.first = block.first;
    job.count = block.count;
    job.priority = JobPriority::Operator;
    m_clock.start();
    m_link.submit(job, this, [this](const LinkReply& reply) {
        const qint64 elapsed = m_clock.elapsed();
        closeIfOpenedHere();
        done(ProbeResultOf(reply, elapsed));
    });
}

void PortProbe::closeIfOpenedHere() {
    if (m_openedHere) m_link.submit(CloseJob(m_settings.port), this);
}

void PortProbe::done(const ProbeResult& result) {
    m_running = false;
    emit finished(result);
}

}  // namespace vt
