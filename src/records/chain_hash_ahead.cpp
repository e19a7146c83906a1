#include "chain_hash_ahead.h"

#include <algorithm>
#include <thread>

namespace vt {

namespace {

constexpr std::size_t kChunk = 4096;

}  // namespace

ChainHashAhead::ChainHashAhead(Visit visit, ChainExportWriter* exportTo)
    : m_visit(std::move(visit)),
      m_export(exportTo),
      m_previous(ChainGenesis()),
      m_inFlight(std::clamp<std::size_t>(std::thread::hardware_concurrency(), 2, 4)) {
    m_filling.reserve(kChunk);
}

void ChainHashAhead::add(const StoredEntry& stored) {
    m_filling.push_back(stored);
    if (m_filling.size() == kChunk) dispatch();
}

void ChainHashAhead::finish() {
    if (!m_filling.empty()) dispatch();
    while (!m_hashing.empty()) handOnOldest();
}

ChainHashAhead::Chunk ChainHashAhead::Hash(std::vector<StoredEntry> entries, QByteArray previous,
                                           bool exporting) {
    Chunk chunk{std::move(entries), QByteArray(), QByteArray()};
    chunk.hashes.reserve(static_cast<qsizetype>(chunk.entries.size()) * 32);
    ChainHasher hasher;
    QByteArray hash;
    QByteArrayView before = previous;
    for (const StoredEntry& stored : chunk.entries) {
        hasher.hash(before, stored.entry, hash);
        chunk.hashes.append(hash);
        before = stored.hash;
        if (exporting) ChainExportWriter::AppendLine(chunk.exported, stored.hash, hasher.line());
    }
    return chunk;
}

void ChainHashAhead::dispatch() {
    QByteArray previous = std::exchange(m_previous, m_filling.back().hash);
    // Without a thread to spare, std::async's default policy hashes when the chunk is asked for.
    m_hashing.push_back(std::async(&ChainHashAhead::Hash, std::move(m_filling), std::move(previous),
                                   m_export != nullptr));
    m_filling = {};
    m_filling.reserve(kChunk);
    if (m_hashing.size() >= m_inFlight) handOnOldest();
}

void ChainHashAhead::handOnOldest() {
    const Chunk chunk = m_hashing.front().get();
    m_hashing.pop_front();
    if (m_export) m_export->append(chunk.exported);
    for (std::size_t i = 0; i < chunk.entries.size(); ++i)
        m_visit(chunk.entries[i],
                QByteArrayView(chunk.hashes).sliced(static_cast<qsizetype>(i) * 32, 32));
}

}  // namespace vt
