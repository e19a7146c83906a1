#include "batch_store.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QSqlError>
#include <QVariant>

#include "batch_bands.h"
#include "record_appender.h"
#include "record_reader.h"

namespace vt {

namespace {

const QString kBatchColumns = QStringLiteral(
    "select id, manual, late, started_ms, ended_ms, header, sensor, band, time_tolerance, "
    "journal_mark, verdict, integrity, seal, record_count, time_scale from batches ");

BatchSummary ReadSummary(const QSqlQuery& q) {
    BatchSummary b;
    b.id = q.value(0).toLongLong();
    b.manual = q.value(1).toBool();
    b.late = q.value(2).toBool();
    b.startedMs = q.value(3).toLongLong();
    b.endedMs = q.value(4).isNull() ? 0 : q.value(4).toLongLong();
    b.header = BatchHeader::fromJson(QJsonDocument::fromJson(q.value(5).toByteArray()).object());
    b.sensor = q.value(6).toInt() == 1 ? LoadSensor::Pv2 : LoadSensor::Pv1;
    b.band = q.value(7).toDouble();
    b.timeTolerance = q.value(8).toDouble();
    b.journalMark = q.value(9).toLongLong();
    b.verdict = q.value(10).toString();
    b.integrity = q.value(11).toString();
    b.seal = q.value(12).toString();
    b.recordCount = q.value(13).toLongLong();
    b.timeScale = q.value(14).toDouble();
    return b;
}

QByteArray HeaderText(const BatchHeader& header) {
    return QJsonDocument(header.toJson()).toJson(QJsonDocument::Compact);
}

bool Run(QSqlQuery& q, const QVariantList& binds) {
    for (const QVariant& v : binds) q.addBindValue(v);
    return q.exec();
}

// The filter as a where clause with its bound values.
QString FilterClause(const BatchFilter& f, QVariantList& binds) {
    QStringList parts;
    if (f.fromMs > 0) {
        parts << QStringLiteral("started_ms >= ?");
        binds << QVariant::fromValue<qint64>(f.fromMs);
    }
    if (f.toMs > 0) {
        parts << QStringLiteral("started_ms <= ?");
        binds << QVariant::fromValue<qint64>(f.toMs);
    }
    if (!f.number.isEmpty()) {
        parts << QStringLiteral("instr(number, ?) > 0");
        binds << f.number;
    }
    if (!f.part.isEmpty()) {
        parts << QStringLiteral("instr(part, ?) > 0");
        binds << f.part;
    }
    return parts.isEmpty() ? QString()
                           : QStringLiteral("where ") + parts.join(QStringLiteral(" and "));
}

}  // namespace

ChainEntry RecordEntry(const BatchRecord& r) {
    return {r.seq, EntryKind::Record, r.timeMs, RecordPayload(r.date, r.time, r.values)};
}

BatchStore::BatchStore(QSqlDatabase db) : m_db(std::move(db)) {}

BatchStore::~BatchStore() = default;

std::int64_t BatchStore::create(const BatchSummary& b) {
    if (numberTaken(b.number())) return 0;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "insert into batches (number, manual, late, started_ms, part, header, sensor, band, "
        "time_tolerance, journal_mark, time_scale) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    if (!Run(q,
             {b.number(), b.manual, b.late, QVariant::fromValue<qint64>(b.startedMs),
              b.header.value(HeaderField::Part), HeaderText(b.header), static_cast<int>(b.sensor),
              b.band, b.timeTolerance, QVariant::fromValue<qint64>(b.journalMark), b.timeScale}))
        return 0;
    return q.lastInsertId().toLongLong();
}

bool BatchStore::numberTaken(const QString& number, std::int64_t exceptBatch) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("select count(*) from batches where number = ? and id != ?"));
    return Run(q, {number, QVariant::fromValue<qint64>(exceptBatch)}) && q.next() &&
           q.value(0).toInt() > 0;
}

QString BatchStore::proposeNumber() const {
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("select number from batches order by id desc limit 1")) || !q.next())
        return QStringLiteral("1");
    const QString last = q.value(0).toString();
    static const QRegularExpression trailingDigits(QStringLiteral("(\\d+)$"));
    const QRegularExpressionMatch m = trailingDigits.match(last);
    QString next = m.hasMatch() ? last.left(m.capturedStart(1)) +
                                      QString::number(m.captured(1).toLongLong() + 1)
                                          .rightJustified(m.capturedLength(1), QLatin1Char('0'))
                                : last + QStringLiteral("-1");
    while (numberTaken(next)) next += QStringLiteral("-1");
    return next;
}

std::vector<BatchSummary> BatchStore::select(const QString& where,
                                             const QVariantList& binds) const {
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(kBatchColumns + where);
    std::vector<BatchSummary> out;
    if (!Run(q, binds)) return out;
    while (q.next()) out.push_back(ReadSummary(q));
    return out;
}

std::optional<BatchSummary> BatchStore::openBatch() const {
    auto found = select(QStringLiteral("where ended_ms is null order by id desc limit 1"), {});
    if (found.empty()) return std::nullopt;
    found.front().recordCount = recordCount(found.front().id);
    return found.front();
}

std::optional<BatchSummary> BatchStore::batch(std::int64_t id) const {
    auto found = select(QStringLiteral("where id = ?"), {QVariant::fromValue<qint64>(id)});
    if (found.empty()) return std::nullopt;
    if (found.front().isOpen()) found.front().recordCount = recordCount(id);
    return found.front();
}

std::optional<BatchSummary> BatchStore::batchByNumber(const QString& number) const {
    auto found = select(QStringLiteral("where number = ?"), {number});
    if (found.empty()) return std::nullopt;
    return batch(found.front().id);
}

std::vector<BatchSummary> BatchStore::list(const BatchFilter& filter, int offset, int limit) const {
    QVariantList binds;
    const QString where = FilterClause(filter, binds);
    binds << limit << offset;
    // Open batches first, then newest start first (the index on started_ms serves the order).
    return select(where + QStringLiteral(" order by ended_ms is not null, started_ms desc, id desc "
                                         "limit ? offset ?"),
                  binds);
}

int BatchStore::count(const BatchFilter& filter) const {
    QVariantList binds;
    const QString where = FilterClause(filter, binds);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("select count(*) from batches ") + where);
    return Run(q, binds) && q.next() ? q.value(0).toInt() : 0;
}

bool BatchStore::appendEntry(std::int64_t batch, const StoredEntry& s) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "insert into entries (batch, seq, kind, t, payload, hash) values (?, ?, ?, ?, ?, ?)"));
    return Run(q, {QVariant::fromValue<qint64>(batch), QVariant::fromValue<qint64>(s.entry.seq),
                   QString::fromLatin1(s.entry.kind), QVariant::fromValue<qint64>(s.entry.timeMs),
                   QString::fromUtf8(s.entry.payload), s.hash});
}

bool BatchStore::appendRecord(std::int64_t batch, const BatchRecord& r, const QByteArray& hash) {
    return appender().append(batch, r, hash);
}

RecordAppender& BatchStore::appender() {
    if (!m_appender) m_appender = std::make_unique<RecordAppender>(SqliteHandle(m_db));
    return *m_appender;
}

QString BatchStore::recordError() const { return SqliteError(SqliteHandle(m_db)); }

std::pair<std::int64_t, QByteArray> BatchStore::chainEnd(std::int64_t batch) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "select seq, hash from (select seq, hash from records where batch = ? union all "
        "select seq, hash from entries where batch = ?) order by seq desc limit 1"));
    const QVariant id = QVariant::fromValue<qint64>(batch);
    if (Run(q, {id, id}) && q.next()) return {q.value(0).toLongLong(), q.value(1).toByteArray()};
    return {0, ChainGenesis()};
}

bool BatchStore::updateHeader(std::int64_t batch, const BatchHeader& header) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("update batches set number = ?, part = ?, header = ? where id = ?"));
    return Run(q, {header.value(HeaderField::Number), header.value(HeaderField::Part),
                   HeaderText(header), QVariant::fromValue<qint64>(batch)});
}

bool BatchStore::updateLoadRule(const BatchSummary& b) {
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral("update batches set sensor = ?, band = ?, time_tolerance = ? where id = ?"));
    return Run(q, {static_cast<int>(b.sensor), b.band, b.timeTolerance,
                   QVariant::fromValue<qint64>(b.id)});
}

bool BatchStore::close(const BatchSummary& b) {
    // The last minute's span (and any a station before spans left out): without them the chart
    // reads those records.
    appender().finish(b.id);
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral("update batches set ended_ms = ?, verdict = ?, integrity = ?, "
                       "seal = ?, record_count = ? where id = ?"));
    return Run(q, {QVariant::fromValue<qint64>(b.endedMs), b.verdict, b.integrity, b.seal,
                   QVariant::fromValue<qint64>(b.recordCount), QVariant::fromValue<qint64>(b.id)});
}

bool BatchStore::markEnded(std::int64_t batch, std::int64_t endedMs, std::int64_t recordCount) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("update batches set ended_ms = ?, record_count = ? where id = ?"));
    return Run(q, {QVariant::fromValue<qint64>(endedMs), QVariant::fromValue<qint64>(recordCount),
                   QVariant::fromValue<qint64>(batch)});
}

std::vector<std::int64_t> BatchStore::unsealed() const {
    QSqlQuery q(m_db);
    std::vector<std::int64_t> ids;
    if (!q.exec(QStringLiteral("select id from batches where ended_ms is not null and "
                               "ifnull(seal, '') = '' order by id")))
        return ids;
    while (q.next()) ids.push_back(q.value(0).toLongLong());
    return ids;
}

bool BatchStore::setIntegrity(std::int64_t batch, const QString& text) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("update batches set integrity = ? where id = ?"));
    return Run(q, {text, QVariant::fromValue<qint64>(batch)});
}

void BatchStore::records(std::int64_t batch, std::int64_t afterSeq, int limit,
                         const std::function<void(const BatchRecord&)>& visit) const {
    RecordReader reader(SqliteHandle(m_db));
    reader.select(batch, afterSeq + 1, RecordReader::kLast, limit);
    BatchRecord r;
    while (reader.next(r)) visit(r);
}

std::vector<StoredEntry> BatchStore::entries(std::int64_t batch) const {
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(
        QStringLiteral("select seq, kind, t, payload, hash from entries where batch = ? "
                       "order by seq"));
    std::vector<StoredEntry> out;
    if (!Run(q, {QVariant::fromValue<qint64>(batch)})) return out;
    while (q.next()) {
        out.push_back({{q.value(0).toLongLong(), q.value(1).toString().toLatin1(),
                        q.value(2).toLongLong(), q.value(3).toString().toUtf8()},
                       q.value(4).toByteArray()});
    }
    return out;
}

void BatchStore::walk(std::int64_t batch, const std::function<void(const StoredEntry&)>& visit,
                      const std::function<void(const BatchRecord&)>& record) const {
    const std::vector<StoredEntry> others = entries(batch);
    auto next = others.begin();
    RecordReader reader(SqliteHandle(m_db));
    reader.select(batch, 1);
    BatchRecord r;
    // One entry whose buffers serve every record.
    StoredEntry stored{{0, EntryKind::Record, 0, {}}, {}};
    while (reader.next(r)) {
        while (next != others.end() && next->entry.seq < r.seq) visit(*next++);
        stored.entry.seq = r.seq;
        stored.entry.timeMs = r.timeMs;
        WriteRecordPayload(stored.entry.payload, r.date, r.time, r.values);
        CopyBytes(reader.hash(), stored.hash);
        visit(stored);
        if (record) record(r);
    }
    while (next != others.end()) visit(*next++);
}

std::int64_t BatchStore::recordCount(std::int64_t batch) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("select count(*) from records where batch = ?"));
    return Run(q, {QVariant::fromValue<qint64>(batch)}) && q.next() ? q.value(0).toLongLong() : 0;
}

std::vector<ColumnBand> BatchStore::bands(std::int64_t batch, std::int64_t fromMs,
                                          std::int64_t toMs, int width,
                                          const std::vector<int>& valueColumns) const {
    if (width <= 0 || toMs <= fromMs || valueColumns.empty()) return {};
    return ReadBands(SqliteHandle(m_db), batch, fromMs, toMs, width, valueColumns);
}

QString BatchStore::setting(const QString& key, const QString& fallback) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("select value from settings where key = ?"));
    return Run(q, {key}) && q.next() ? q.value(0).toString() : fallback;
}

bool BatchStore::setSetting(const QString& key, const QString& value) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("insert or replace into settings (key, value) values (?, ?)"));
    return Run(q, {key, value});
}

}  // namespace vt
