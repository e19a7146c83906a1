#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

#include "chain.h"

namespace vt {

// The outcome of walking one batch's chain, from the records file or from an export.
struct ChainCheck {
    bool readable = true;       // false: not a chain at all (the problem says why)
    bool holds = true;          // every entry matches
    std::int64_t entries = 0;   // entries walked
    QByteArray head;            // hex of the recomputed head (the last entry's hash)
    std::int64_t firstBad = 0;  // sequence number of the first entry that does not match
    QByteArray firstBadKind;    // its kind, when it exists
    std::int64_t firstBadTimeMs = 0;
    QString problem;
    QString batchNumber;  // from the export's first line, or the batch itself

    // "记录完整" or "记录已被改动: 第 N 条 (...)" as the window and the tools show it.
    QString text() const;
};

// A chain entry with the hash kept beside it.
struct StoredEntry {
    ChainEntry entry;
    QByteArray hash;  // 32 raw bytes
};

// A batch's whole chain as one self-contained text (UTF-8): the line
//   VT5800-CHAIN 1 <batch number>
// then one line per entry, "hash-in-hex TAB canonical bytes", oldest first, each ended by LF.
// Ordinary tools read it; VerifyChainExport re-walks it with no database.
class ChainExportWriter {
  public:
    explicit ChainExportWriter(const QString& batchNumber);
    void add(const StoredEntry& stored);
    // Lines made by AppendLine elsewhere, next in order.
    void append(QByteArrayView lines) { m_bytes.append(lines); }
    const QByteArray& bytes() const { return m_bytes; }
    QByteArray take() { return std::move(m_bytes); }

    // The export's line of an entry onto `out`, from its stored hash and canonical bytes.
    static void AppendLine(QByteArray& out, QByteArrayView hash, QByteArrayView canonical);

  private:
    QByteArray m_bytes;
};

// Re-walks an export: recomputes every hash from the start, compares it with the one written
// beside the entry, and names the first entry that does not match.
ChainCheck VerifyChainExport(const QByteArray& exported);

// One entry (with its recomputed hash) into a walk, keeping the first bad entry's kind and time
// in `check`.
void StepCheck(ChainWalk& walk, ChainCheck& check, const StoredEntry& stored,
               QByteArrayView recomputed);
// The walk's outcome into `check`.
void FinishCheck(const ChainWalk& walk, ChainCheck& check);

// Parses one export line (without its end); false when it is not "hex TAB seq TAB kind TAB
// time TAB payload".
bool ParseExportLine(const QByteArray& line, StoredEntry& out);

}  // namespace vt
