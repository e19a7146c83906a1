#include "image_reader.h"

#include "journal_columns.h"

namespace vt {

ImageReader::ImageReader(ControllerLink& link, const ControllerState& state, QObject* parent)
    : QObject(parent), m_link(link), m_state(state), m_blocks(ImageReadBlocks()) {}

void ImageReader::start() {
    if (m_running) return;
    m_running = true;
    m_next = 0;
    m_image = ControllerImage();
    ++m_round;
    emit progress(0, blockCount());
    readNext();
}

void ImageReader::cancel() {
    if (!m_running) return;
    ++m_round;  // the block in flight is dropped when it comes back
    fail(QStringLiteral("已取消。"));
}

void ImageReader::readNext() {
    if (m_next == m_blocks.size()) {
        m_running = false;
        emit finished(m_image);
        return;
    }
    ReadBlocksOnce(m_link, m_state, {m_blocks[m_next]}, this,
                   [this, round = m_round](const std::vector<LinkReply>& replies) {
                       if (round == m_round && m_running) blockRead(replies.front());
                   });
}

void ImageReader::blockRead(const LinkReply& reply) {
    const ReadBlock& block = m_blocks[m_next];
    if (!reply.ok() || static_cast<std::int32_t>(reply.values.size()) != block.count) {
        fail(QStringLiteral("读取寄存器 %1..%2 失败：%3")
                 .arg(block.first)
                 .arg(block.first + block.count - 1)
                 .arg(FailureText(reply)));
        return;
    }
    // The curve number comes twice, before and after its window: a change in between would
    // mix two curves in one image.
    const bool curveAgain = m_next + 1 == m_blocks.size();
    if (curveAgain && reply.values.front() != m_image.value(block.first)) {
        fail(QStringLiteral("读取期间当前曲线由 %1 变为 %2。")
                 .arg(m_image.value(block.first))
                 .arg(reply.values.front()));
        return;
    }
    m_image.store(block.first, reply.values);
    ++m_next;
    emit progress(static_cast<int>(m_next), blockCount());
    readNext();
}

void ImageReader::fail(const QString& reason) {
    m_running = false;
    emit failed(reason);
}

QString FailureText(const LinkReply& reply) {
    if (reply.ok()) return QStringLiteral("应答长度不符");
    return JournalResultText(JournalResultOf(reply.failure), reply.result);
}

}  // namespace vt
