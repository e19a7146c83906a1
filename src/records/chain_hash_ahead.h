#pragma once

#include <QByteArray>
#include <deque>
#include <functional>
#include <future>
#include <vector>

#include "chain_export.h"

namespace vt {

// Recomputes the hashes of a chain's entries on worker threads, a few thousand entries at a
// time, and hands the entries on in their order, each with its recomputed hash. An entry is
// hashed over the stored hash before it rather than the recomputed one: the two are the same
// as long as the chain holds, and once it does not, a ChainWalk only counts. So the first entry
// that does not match is the one a walk hashing from the start would name. Given a writer, the
// workers also write the entries' export lines, which the writer takes in order.
class ChainHashAhead {
  public:
    using Visit = std::function<void(const StoredEntry& stored, QByteArrayView recomputed)>;

    explicit ChainHashAhead(Visit visit, ChainExportWriter* exportTo = nullptr);
    ChainHashAhead(const ChainHashAhead&) = delete;
    ChainHashAhead& operator=(const ChainHashAhead&) = delete;

    void add(const StoredEntry& stored);
    // Hands on every entry still under way. (Going without it only waits for the workers.)
    void finish();

  private:
    struct Chunk {
        std::vector<StoredEntry> entries;
        QByteArray hashes;    // 32 bytes per entry
        QByteArray exported;  // their export lines, when asked for
    };
    static Chunk Hash(std::vector<StoredEntry> entries, QByteArray previous, bool exporting);
    void dispatch();
    void handOnOldest();

    Visit m_visit;
    ChainExportWriter* m_export;
    std::vector<StoredEntry> m_filling;
    QByteArray m_previous;  // the stored hash before m_filling's first entry
    std::deque<std::future<Chunk>> m_hashing;
    std::size_t m_inFlight;
};

}  // namespace vt
