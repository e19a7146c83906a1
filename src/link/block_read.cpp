#include "block_read.h"

#include <memory>

#include "controller_link.h"
#include "link_jobs.h"

namespace vt {

namespace {

LinkJob BlockJob(const ControllerState& state, const ReadBlock& block, JobPriority priority) {
    LinkJob job = MakeJob(state, block.op, block.first, block.count);
    job.priority = priority;
    return job;
}

}  // namespace

PeriodicRead::PeriodicRead(ControllerLink& link, const ControllerState& state,
                           std::vector<ReadBlock> blocks, int intervalMs, QObject* parent)
    : QObject(parent), m_link(link), m_state(state), m_blocks(std::move(blocks)), m_timer(this) {
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &PeriodicRead::readNow);
}

void PeriodicRead::readNow() {
    if (m_outstanding > 0) return;
    m_failed = 0;
    m_outstanding = static_cast<int>(m_blocks.size());
    for (int i = 0; i < static_cast<int>(m_blocks.size()); ++i) {
        m_link.submit(BlockJob(m_state, m_blocks[i], JobPriority::WindowRead), this,
                      [this, i](const LinkReply& reply) { blockDone(i, reply); });
    }
}

void PeriodicRead::blockDone(int index, const LinkReply& reply) {
    if (!reply.ok()) ++m_failed;
    --m_outstanding;
    emit blockRead(index, reply);
    if (reply.ok()) emit blockValues(m_blocks[static_cast<std::size_t>(index)].first, reply.values);
    if (m_outstanding == 0) emit cycleFinished(m_failed);
}

void ReadBlocksOnce(ControllerLink& link, const ControllerState& state,
                    const std::vector<ReadBlock>& blocks, QObject* context,
                    std::function<void(const std::vector<LinkReply>&)> onDone) {
    struct Gathered {
        std::vector<LinkReply> replies;
        std::size_t missing;
        std::function<void(const std::vector<LinkReply>&)> onDone;
    };
    auto gathered = std::make_shared<Gathered>(
        Gathered{std::vector<LinkReply>(blocks.size()), blocks.size(), std::move(onDone)});
    if (blocks.empty()) {
        QMetaObject::invokeMethod(
            context, [gathered] { gathered->onDone({}); }, Qt::QueuedConnection);
        return;
    }
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        link.submit(BlockJob(state, blocks[i], JobPriority::Operator), context,
                    [gathered, i](const LinkReply& reply) {
                        gathered->replies[i] = reply;
                        if (--gathered->missing == 0) gathered->onDone(gathered->replies);
                    });
    }
}

}  // namespace vt
