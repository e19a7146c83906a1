#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <vector>

#include "controller_state.h"
#include "link_job.h"

namespace vt {

class ControllerLink;

// A block of registers a window reads: holding registers unless said otherwise.
struct ReadBlock {
    std::int32_t first = 0;
    std::int32_t count = 0;
    LinkOp op = LinkOp::ReadHolding;
};

// Reads a window's register blocks through the link, every interval while started: each cycle
// queues every block at once, and each reply comes back on this object's thread as it
// arrives, so a window refreshes a block's displays the moment its values are in. A cycle is
// skipped while a block of the previous one is still queued or in flight, so a slow or dead
// line never grows the link's queue. The reads wait behind operator commands and the polling
// cycle. Destroying the object (with its window) ends the reads; replies still on their way
// are dropped.
class PeriodicRead : public QObject {
    Q_OBJECT
  public:
    PeriodicRead(ControllerLink& link, const ControllerState& state, std::vector<ReadBlock> blocks,
                 int intervalMs, QObject* parent = nullptr);

    // The cycle's timer, for the window to name after its own (`Timer1`).
    QTimer& timer() { return m_timer; }
    const std::vector<ReadBlock>& blocks() const { return m_blocks; }

    void start() { m_timer.start(); }
    void stop() { m_timer.stop(); }
    bool isRunning() const { return m_timer.isActive(); }

    // One cycle now, unless the last one is still out.
    void readNow();
    // Blocks of the current cycle still queued or in flight.
    int outstanding() const { return m_outstanding; }

  signals:
    // Block `index` of `blocks()` came back; `reply.values` holds its registers when ok().
    void blockRead(int index, const vt::LinkReply& reply);
    // A block came back whole: `values` are its registers from `first` on. A failed block
    // gives nothing, so whatever shows it stays as it was.
    void blockValues(std::int32_t first, const std::vector<std::int32_t>& values);
    // The cycle's last block came back; `failedBlocks` of them failed.
    void cycleFinished(int failedBlocks);

  private:
    void blockDone(int index, const LinkReply& reply);

    ControllerLink& m_link;
    const ControllerState& m_state;
    std::vector<ReadBlock> m_blocks;
    QTimer m_timer;
    int m_outstanding = 0;
    int m_failed = 0;
};

// Reads `blocks` once, at operator priority (an upload the operator asked for), and hands all
// replies, in block order, to `onDone` on `context`'s thread once the last one is in. Nothing
// is handed over if `context` is destroyed first.
void ReadBlocksOnce(ControllerLink& link, const ControllerState& state,
                    const std::vector<ReadBlock>& blocks, QObject* context,
                    std::function<void(const std::vector<LinkReply>&)> onDone);

}  // namespace vt
