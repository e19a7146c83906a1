#include "chain_export.h"

#include <QDateTime>
#include <algorithm>

#include "chain_hash_ahead.h"

namespace vt {

namespace {

const QByteArray kMagic = QByteArrayLiteral("VT5800-CHAIN 1");

// The hash in hex and the tab after it.
void AppendHashField(QByteArray& out, QByteArrayView hash) {
    static constexpr char kDigits[] = "0123456789abcdef";
    char hex[2 * 32 + 1];
    char* at = hex;
    for (const char byte : hash.first(std::min<qsizetype>(hash.size(), 32))) {
        const auto b = static_cast<unsigned char>(byte);
        *at++ = kDigits[b >> 4];
        *at++ = kDigits[b & 0xf];
    }
    *at++ = '\t';
    out.append(hex, at - hex);
}

}  // namespace

QString ChainCheck::text() const {
    if (!readable) return problem;
    if (holds) return QStringLiteral("记录完整");
    const QString when = firstBadTimeMs > 0 ? QDateTime::fromMSecsSinceEpoch(firstBadTimeMs)
                                                  .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                            : QString();
    return QStringLiteral("记录已被改动: 第 %1 条 %2 %3 (%4)")
        .arg(firstBad)
        .arg(QString::fromLatin1(firstBadKind), when, problem)
        .simplified();
}

ChainExportWriter::ChainExportWriter(const QString& batchNumber) {
    m_bytes = kMagic + ' ' + batchNumber.toUtf8() + '\n';
}

void ChainExportWriter::add(const StoredEntry& stored) {
    AppendHashField(m_bytes, stored.hash);
    AppendCanonicalBytes(m_bytes, stored.entry);
    m_bytes.append('\n');
}

void ChainExportWriter::AppendLine(QByteArray& out, QByteArrayView hash, QByteArrayView canonical) {
    AppendHashField(out, hash);
    out.append(canonical);
    out.append('\n');
}

bool ParseExportLine(const QByteArray& line, StoredEntry& out) {
    const QList<QByteArray> parts = line.split('\t');
    if (parts.size() != 5 || parts[0].size() != 64) return false;
    bool seqOk = false;
    bool timeOk = false;
    out.hash = QByteArray::fromHex(parts[0]);
    out.entry.seq = parts[1].toLongLong(&seqOk);
    out.entry.kind = parts[2];
    out.entry.timeMs = parts[3].toLongLong(&timeOk);
    out.entry.payload = parts[4];
    return seqOk && timeOk && out.hash.size() == 32;
}

ChainCheck VerifyChainExport(const QByteArray& exported) {
    ChainCheck check;
    const qsizetype firstEnd = exported.indexOf('\n');
    const QByteArray first = exported.left(firstEnd);
    if (firstEnd < 0 || !first.startsWith(kMagic)) {
        check.readable = false;
        check.holds = false;
        check.problem = QStringLiteral("不是批次记录链");
        return check;
    }
    check.batchNumber = QString::fromUtf8(first.mid(kMagic.size() + 1));
    ChainWalk walk;
    ChainHashAhead ahead([&](const StoredEntry& stored, QByteArrayView recomputed) {
        StepCheck(walk, check, stored, recomputed);
    });
    qsizetype at = firstEnd + 1;
    while (at < exported.size()) {
        qsizetype end = exported.indexOf('\n', at);
        if (end < 0) end = exported.size();
        StoredEntry stored;
        const QByteArray line = exported.mid(at, end - at);
        at = end + 1;
        if (!ParseExportLine(line, stored)) stored.entry.seq = -1;
        ahead.add(stored);
    }
    ahead.finish();
    FinishCheck(walk, check);
    return check;
}

void StepCheck(ChainWalk& walk, ChainCheck& check, const StoredEntry& stored,
               QByteArrayView recomputed) {
    const bool held = walk.holds();
    if (!walk.step(stored.entry, stored.hash, recomputed) && held) {
        check.firstBadKind = stored.entry.kind;
        check.firstBadTimeMs = stored.entry.timeMs;
    }
}

void FinishCheck(const ChainWalk& walk, ChainCheck& check) {
    check.entries = walk.entries();
    check.head = walk.head().toHex();
    check.holds = walk.holds() && walk.entries() > 0;
    check.firstBad = walk.firstBad();
    check.problem = walk.entries() == 0 ? QStringLiteral("链中没有条目") : walk.problem();
}

}  // namespace vt
