#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>
#include <array>
#include <cstdint>

namespace vt {

// One entry of a batch's hash chain. Its canonical bytes are one UTF-8 line without its end:
//   seq TAB kind TAB time TAB payload
// seq counts the batch's entries from 1 without holes, kind is a short ASCII word, time is the
// moment in milliseconds since 1970-01-01 UTC, and payload is the entry's own text: for a record
// (kind "R") the day serial, the time of day and the eight values separated by ';' (each number
// written shortest round-trip), for every other kind a compact JSON object. Payloads never hold
// a tab or a line end. The entry's hash is SHA-256 over the previous entry's 32-byte hash (32
// zero bytes before the first entry) followed by its canonical bytes.
struct ChainEntry {
    std::int64_t seq = 0;
    QByteArray kind;
    std::int64_t timeMs = 0;
    QByteArray payload;
};

namespace EntryKind {
inline const QByteArray Record = QByteArrayLiteral("R");
inline const QByteArray Start = QByteArrayLiteral("start");
inline const QByteArray Capture = QByteArrayLiteral("capture");
inline const QByteArray Header = QByteArrayLiteral("header");
inline const QByteArray Note = QByteArrayLiteral("note");
inline const QByteArray Event = QByteArrayLiteral("event");
inline const QByteArray Segment = QByteArrayLiteral("segment");
inline const QByteArray Write = QByteArrayLiteral("write");
inline const QByteArray Resume = QByteArrayLiteral("resume");
inline const QByteArray End = QByteArrayLiteral("end");
inline const QByteArray Seal = QByteArrayLiteral("seal");
inline const QByteArray Sign = QByteArrayLiteral("sign");
}  // namespace EntryKind

// 32 zero bytes: the hash before a batch's first entry.
QByteArray ChainGenesis();

QByteArray CanonicalBytes(const ChainEntry& entry);
void AppendCanonicalBytes(QByteArray& out, const ChainEntry& entry);

// SHA-256 over `previous` and the entry's canonical bytes.
QByteArray ChainHash(const QByteArray& previous, const ChainEntry& entry);

// Hashes entry after entry with one hash state and one line buffer, for walks over a whole
// chain; the same hashes as ChainHash.
class ChainHasher {
  public:
    // The 32-byte hash into `out`.
    void hash(QByteArrayView previous, const ChainEntry& entry, QByteArray& out);
    // The canonical bytes of the entry hashed last.
    QByteArrayView line() const { return m_line; }

  private:
    QCryptographicHash m_sha{QCryptographicHash::Sha256};
    QByteArray m_line;
};

// `from` into `to`, in the buffer `to` has when it is its own (no allocation per entry).
void CopyBytes(QByteArrayView from, QByteArray& to);

// The payload of a one-second record: "date;time;v1;...;v8".
QByteArray RecordPayload(double date, double time, const std::array<float, 8>& values);
// The same, in place of what `out` held (its buffer is kept).
void WriteRecordPayload(QByteArray& out, double date, double time,
                        const std::array<float, 8>& values);

// Walks a chain one entry at a time, comparing each stored hash with the one recomputed from
// the start, and keeps the first entry that does not match (a changed entry, a missing or an
// extra one, a seal over another head). The hashes are recomputed ahead of the walk
// (ChainHashAhead).
class ChainWalk {
  public:
    // `recomputed`: SHA-256 over the hash before the entry and its canonical bytes. False once
    // an entry did not match; later entries are then only counted.
    bool step(const ChainEntry& entry, const QByteArray& storedHash, QByteArrayView recomputed);

    bool holds() const { return m_firstBad == 0; }
    std::int64_t entries() const { return m_entries; }
    // The recomputed hash of the last entry (the chain head).
    const QByteArray& head() const { return m_head; }
    // Sequence number of the first entry that does not match (0 while the chain holds).
    std::int64_t firstBad() const { return m_firstBad; }
    const QString& problem() const { return m_problem; }

  private:
    void fail(std::int64_t seq, const QString& problem);

    QByteArray m_head = ChainGenesis();
    QByteArray m_before;
    std::int64_t m_entries = 0;
    std::int64_t m_firstBad = 0;
    QString m_problem;
};

}  // namespace vt
