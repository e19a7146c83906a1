#pragma once

#include <QObject>
#include <vector>

#include "block_read.h"
#include "controller_image.h"

namespace vt {

class ControllerLink;

// Reads a whole controller image through the link, one block after another at operator
// priority, telling how far it got; a cancel ends it at once (the block in flight is dropped). The
// first block that fails ends the read; so does a curve number that changed while its window was
// read.
class ImageReader : public QObject {
    Q_OBJECT
  public:
    ImageReader(ControllerLink& link, const ControllerState& state, QObject* parent = nullptr);

    // Starts a read and returns at once; ignored while one runs.
    void start();
    // Ends the read; failed() tells so.
    void cancel();
    bool running() const { return m_running; }
    int blockCount() const { return static_cast<int>(m_blocks.size()); }

  signals:
    void progress(int blocksRead, int blockCount);
    void finished(const vt::ControllerImage& image);
    // Why the read ended without an image.
    void failed(const QString& reason);

  private:
    void readNext();
    void blockRead(const LinkReply& reply);
    void fail(const QString& reason);

    ControllerLink& m_link;
    const ControllerState& m_state;
    std::vector<ReadBlock> m_blocks;
    std::size_t m_next = 0;
    bool m_running = false;
    ControllerImage m_image;
    std::uint64_t m_round = 0;  // replies of an ended read are not taken for the next one
};

// Why a reply failed, in the words of the journal ("无应答", "异常应答（代码 2）", ...).
QString FailureText(const LinkReply& reply);

}  // namespace vt
