#include "chain.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>

namespace vt {

namespace {

template <typename Number>
void AppendNumber(QByteArray& out, Number value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

}  // namespace

QByteArray ChainGenesis() { return QByteArray(32, '\0'); }

QByteArray CanonicalBytes(const ChainEntry& entry) {
    QByteArray line;
    line.reserve(entry.payload.size() + entry.kind.size() + 40);
    AppendNumber(line, entry.seq);
    line.append('\t').append(entry.kind).append('\t');
    AppendNumber(line, entry.timeMs);
    line.append('\t').append(entry.payload);
    return line;
}

QByteArray ChainHash(const QByteArray& previous, const ChainEntry& entry) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(previous);
    hash.addData(CanonicalBytes(entry));
    return hash.result();
}

QByteArray RecordPayload(double date, double time, const std::array<float, 8>& values) {
    QByteArray payload;
    payload.reserve(120);
    AppendNumber(payload, date);
    payload.append(';');
    AppendNumber(payload, time);
    for (float v : values) {
        payload.append(';');
        AppendNumber(payload, v);
    }
    return payload;
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
    const QByteArray before = m_head;
    m_head = ChainHash(before, entry);
    if (m_head != storedHash) {
        fail(entry.seq, QStringLiteral("内容与校验值不符"));
        return false;
    }
    if (entry.kind == EntryKind::Seal) {
        const QJsonObject seal = QJsonDocument::fromJson(entry.payload).object();
        if (seal.value(QStringLiteral("head")).toString().toLatin1() != before.toHex()) {
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
