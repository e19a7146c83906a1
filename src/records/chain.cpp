#include "chain.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <cmath>
#include <limits>
#include <cstring>

namespace vt {

namespace {

template <typename Number>
void AppendNumber(QByteArray& out, Number value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

// The file keeps a NaN as null and -0 as 0 (SQLite does), so a record's payload writes every
// NaN as "nan" and a zero without its sign, as the value will read back.
template <typename Number>
void AppendValue(QByteArray& out, Number value) {
    if (std::isnan(value))
        AppendNumber(out, std::numeric_limits<Number>::quiet_NaN());
    else
        AppendNumber(out, value == 0 ? Number(0) : value);
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
    const QByteArrayView result = m_sha.resultView();
    out.resize(result.size());
    std::memcpy(out.data(), result.data(), static_cast<std::size_t>(result.size()));
}

QByteArray RecordPayload(double date, double time, const std::array<float, 8>& values) {
    QByteArray payload;
    payload.reserve(120);
    WriteRecordPayload(payload, date, time, values);
    return payload;
}

void WriteRecordPayload(QByteArray& out, double date, double time,
                        const std::array<float, 8>& values) {
    out.resize(0);
    AppendValue(out, date);
    out.append(';');
    AppendValue(out, time);
    for (float v : values) {
        out.append(';');
        AppendValue(out, v);
    }
}

bool ChainWalk::step(const ChainEntry& entry, const QByteArray& storedHash) {
    ++m_entries;
    if (!holds()) return false;
    const std::int64_t expected = m_entries;
    if (entry.seq != expected) {
        fail(expected,
             entry.seq > expected ? QStringLiteral("条目缺失或多出") : QStringLiteral("条目重复"));
        return false;
    }
    m_before.swap(m_head);
    m_hasher.hash(m_before, entry, m_head);
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
