#include "chain.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace vt {

namespace {

// The longest number std::to_chars writes (shortest round-trip) fits in this.
constexpr int kNumberChars = 32;

template <typename Number>
char* PutNumber(char* at, Number value) {
    return std::to_chars(at, at + kNumberChars, value).ptr;
}

template <typename Number>
void AppendNumber(QByteArray& out, Number value) {
    char buffer[kNumberChars];
    out.append(buffer, PutNumber(buffer, value) - buffer);
}

// The file keeps a NaN as null and -0 as 0 (SQLite does), so a record's payload writes every
// NaN as "nan" and a zero without its sign, as the value will read back.
template <typename Number>
char* PutValue(char* at, Number value) {
    if (std::isnan(value)) return PutNumber(at, std::numeric_limits<Number>::quiet_NaN());
    return PutNumber(at, value == 0 ? Number(0) : value);
}

}  // namespace

QByteArray ChainGenesis() { return QByteArray(32, '\0'); }

QByteArray CanonicalBytes(const ChainEntry& entry) {
    QByteArray line;
    line.reserve(entry.payload.size() + entry.kind.size() + 40);
    AppendCanonicalBytes(line, entry);
    return line;
}

void AppendCanonicalBytes(QByteArray& out, const ChainEntry& entry) {
    AppendNumber(out, entry.seq);
    out.append('\t').append(entry.kind).append('\t');
    AppendNumber(out, entry.timeMs);
    out.append('\t').append(entry.payload);
}

QByteArray ChainHash(const QByteArray& previous, const ChainEntry& entry) {
    QByteArray out;
    ChainHasher().hash(previous, entry, out);
    return out;
}

void ChainHasher::hash(QByteArrayView previous, const ChainEntry& entry, QByteArray& out) {
    m_line.resize(0);
    AppendCanonicalBytes(m_line, entry);
    m_sha.reset();
    m_sha.addData(previous);
    m_sha.addData(m_line);
    CopyBytes(m_sha.resultView(), out);
}

void CopyBytes(QByteArrayView from, QByteArray& to) {
    to.resize(from.size());
    std::memcpy(to.data(), from.data(), static_cast<std::size_t>(from.size()));
}

QByteArray RecordPayload(double date, double time, const std::array<float, 8>& values) {
    QByteArray payload;
    payload.reserve(120);
    WriteRecordPayload(payload, date, time, values);
    return payload;
}

void WriteRecordPayload(QByteArray& out, double date, double time,
                        const std::array<float, 8>& values) {
    char buffer[(2 + 8) * (kNumberChars + 1)];
    char* at = PutValue(buffer, date);
    *at++ = ';';
    at = PutValue(at, time);
    for (float v : values) {
        *at++ = ';';
        at = PutValue(at, v);
    }
    out.resize(0);
    out.append(buffer, at - buffer);
}

bool ChainWalk::step(const ChainEntry& entry, const QByteArray& storedHash,
                     QByteArrayView recomputed) {
    ++m_entries;
    if (!holds()) return false;
    const std::int64_t expected = m_entries;
    if (entry.seq != expected) {
        fail(expected,
             entry.seq > expected ? QStringLiteral("条目缺失或多出") : QStringLiteral("条目重复"));
        return false;
    }
    m_before.swap(m_head);
    CopyBytes(recomputed, m_head);
    if (m_head != storedHash) {
        fail(entry.seq, QStringLiteral("内容与校验值不符"));
        return false;
    }
    if (entry.kind == EntryKind::Seal) {
        const QJsonObject seal = QJsonDocument::fromJson(entry.payload).object();
        if (seal.value(QStringLiteral("head")).toString().toLatin1() != m_before.toHex()) {
            fail(entry.seq, QStringLiteral("封存值与链头不符"));
            return false;
        }
    }
    return true;
}

void ChainWalk::fail(std::int64_t seq, const QString& problem) {
    m_firstBad = seq;
    m_problem = problem;
}

}  // namespace vt
