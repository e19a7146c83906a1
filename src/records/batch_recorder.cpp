#include "batch_recorder.h"

#include <QJsonDocument>
#include <QLoggingCategory>
#include <QSqlError>
#include <algorithm>
#include <tuple>

#include "batch_chain.h"
#include "batch_evaluation.h"
#include "controller_link.h"
#include "journal_writes.h"
#include "settings_capture.h"

namespace vt {

namespace {

Q_LOGGING_CATEGORY(lcRecords, "station.records")

constexpr int kRetryMs = 10000;
constexpr int kNoteLimit = 1000;
const QString kAutoStartKey = QStringLiteral("autoStart");
const QString kProposalKey = QStringLiteral("proposal");
const QString kLoadRuleKey = QStringLiteral("loadRule");

bool Running(int state) { return state == 1 || state == 2; }
bool Ended(int state) { return state == 0 || state == 4; }

}  // namespace

BatchRecorder::BatchRecorder(ControllerState& state, QString recordsPath, Clock clock,
                             QObject* parent)
    : QObject(parent),
      m_state(state),
      m_file(std::move(recordsPath), RecordsFile::Mode::Station),
      m_clock(std::move(clock)),
      m_closer(m_file.path()) {
    if (!m_clock) m_clock = [] { return QDateTime::currentDateTime(); };
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &BatchRecorder::retryFile);
    connect(&m_closer, &BatchCloser::finished, this, &BatchRecorder::seal);
}

BatchRecorder::~BatchRecorder() {
    m_store.reset();
    m_file.close();
}

std::int64_t BatchRecorder::now() const { return m_clock().toMSecsSinceEpoch(); }

bool BatchRecorder::open() {
    m_store.reset();
    if (!m_file.open()) {
        failed(m_file.problem());
        return false;
    }
    if (!m_file.keptAside().isEmpty())
        qCWarning(lcRecords) << "a damaged records file was kept as" << m_file.keptAside();
    m_store = std::make_unique<BatchStore>(m_file.database());
    m_autoStart = m_store->setting(kAutoStartKey, QStringLiteral("1")) == QStringLiteral("1");
    m_retry.stop();
    const bool wasFailing = !m_problem.isEmpty();
    m_problem.clear();
    loadOpenBatch();
    m_unsealed = m_store->unsealed();
    sealNext();
    if (wasFailing) emit problemChanged({});
    emit batchesChanged();
    if (m_endAsked && m_open) endBatch();
    return true;
}

void BatchRecorder::loadOpenBatch() {
    m_open = m_store->openBatch();
    m_ending = false;
    if (!m_open) return;
    std::tie(m_seq, m_head) = m_store->chainEnd(m_open->id);
    if (endedInChain()) return;
    // The time the station was away from the batch shows as a gap; this says where it ended.
    append(EntryKind::Resume,
           {{QStringLiteral("records"), static_cast<qint64>(m_open->recordCount)}});
}

bool BatchRecorder::endedInChain() {
    // Its end entry last, from a version that wrote the end apart from ending the batch.
    const std::vector<StoredEntry> entries = m_store->entries(m_open->id);
    if (entries.empty() || entries.back().entry.seq != m_seq ||
        entries.back().entry.kind != EntryKind::End)
        return false;
    m_store->markEnded(m_open->id, entries.back().entry.timeMs, m_open->recordCount);
    m_open.reset();
    return true;
}

void BatchRecorder::failed(const QString& problem) {
    qCWarning(lcRecords) << "records file not usable:" << problem;
    m_store.reset();
    m_file.close();
    const bool changed = problem != m_problem;
    m_problem = problem;
    m_retry.start();
    if (changed) emit problemChanged(problem);
}

void BatchRecorder::retryFile() {
    if (!usable()) {
        open();
        return;
    }
    m_retry.stop();
    sealNext();
}

void BatchRecorder::setAutoStart(bool on) {
    m_autoStart = on;
    if (m_store) m_store->setSetting(kAutoStartKey, on ? QStringLiteral("1") : QStringLiteral("0"));
}

BatchHeader BatchRecorder::proposal() const {
    BatchHeader header;
    if (!m_store) return header;
    header = BatchHeader::fromJson(remembered(kProposalKey));
    header.value(HeaderField::Number) = m_store->proposeNumber();
    return header;
}

void BatchRecorder::remember(const QString& key, const QJsonObject& values) {
    m_store->setSetting(key,
                        QString::fromUtf8(QJsonDocument(values).toJson(QJsonDocument::Compact)));
}

QJsonObject BatchRecorder::remembered(const QString& key) const {
    return QJsonDocument::fromJson(m_store->setting(key, {}).toUtf8()).object();
}

std::optional<BatchSummary> BatchRecorder::openBatch() const { return m_open; }

void BatchRecorder::observeProgram(int programState, int segment) {
    if (!usable()) return;
    if (!Running(programState)) {
        m_holdAutoStart = false;
        m_queuedStartMs.reset();
    }
    const bool late = m_lastState == -1 || Running(m_lastState);
    if (m_open && !m_open->manual && !m_ending && Ended(programState)) {
        endBatch();
        m_holdAutoStart = false;  // the run itself ended: the next one starts a batch
    } else if (Running(programState) && m_autoStart && !m_holdAutoStart) {
        if (!m_open)
            begin(late ? Start::Late : Start::Auto, proposal(), nullptr);
        else if (m_ending && !late && !m_queuedStartMs)
            m_queuedStartMs = now();
    }
    if (m_open && !m_ending && (segment != m_lastSegment || programState != m_lastState))
        append(EntryKind::Segment,
               {{QStringLiteral("segment"), segment}, {QStringLiteral("state"), programState}});
    m_lastState = programState;
    m_lastSegment = segment;
}

void BatchRecorder::appendSecond(const ClockReading& reading, const std::array<float, 8>& values) {
    if (!m_open || m_ending || !m_store) return;
    BatchRecord r;
    r.seq = m_seq + 1;
    r.timeMs = now() / 1000 * 1000;
    r.date = reading.date;
    r.time = reading.time;
    r.values = values;
    const QByteArray hash = ChainHash(m_head, RecordEntry(r));
    if (!m_store->appendRecord(m_open->id, r, hash)) {
        writeFailed(m_store->recordError());
        return;
    }
    m_seq = r.seq;
    m_head = hash;
    ++m_open->recordCount;
    emit recordAppended();
}

bool BatchRecorder::appendTo(std::int64_t batch, std::int64_t& seq, QByteArray& head,
                             const QByteArray& kind, const QJsonObject& payload,
                             std::int64_t timeMs) {
    if (!m_store) return false;
    StoredEntry stored{{seq + 1, kind, timeMs ? timeMs : now(),
                        QJsonDocument(payload).toJson(QJsonDocument::Compact)},
                       {}};
    stored.hash = ChainHash(head, stored.entry);
    if (!m_store->appendEntry(batch, stored)) {
        writeFailed();
        return false;
    }
    seq = stored.entry.seq;
    head = stored.hash;
    return true;
}

bool BatchRecorder::append(const QByteArray& kind, const QJsonObject& payload,
                           std::int64_t timeMs) {
    return m_open && appendTo(m_open->id, m_seq, m_head, kind, payload, timeMs);
}

bool BatchRecorder::begin(Start how, BatchHeader header, QString* error, std::int64_t startedMs) {
    const auto refuse = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!m_store) return refuse(m_problem);
    if (m_open) return refuse(QStringLiteral("已有批次正在进行"));
    for (int i = 0; i < kHeaderFieldCount; ++i) {
        const QString why = HeaderRefusal(static_cast<HeaderField>(i), header.values[i]);
        if (!why.isEmpty()) return refuse(why);
    }
    if (m_store->numberTaken(header.value(HeaderField::Number)))
        return refuse(QStringLiteral("批次号 %1 已存在").arg(header.value(HeaderField::Number)));
    BatchSummary b;
    b.manual = how == Start::Manual;
    b.late = how == Start::Late;
    b.startedMs = startedMs ? startedMs : now();
    b.header = header;
    proposedRule().applyTo(b);
    b.journalMark = JournalMark(m_databasePath);
    b.timeScale = m_timeScale;
    b.id = m_store->create(b);
    if (b.id == 0) return refuse(QStringLiteral("记录文件无法写入"));
    m_open = b;
    m_seq = 0;
    m_head = ChainGenesis();
    m_lastSegment = -1;
    m_endAsked = false;
    append(EntryKind::Start, {{QStringLiteral("header"), header.toJson()},
                              {QStringLiteral("manual"), b.manual},
                              {QStringLiteral("late"), b.late},
                              {QStringLiteral("sensor"), static_cast<int>(b.sensor)},
                              {QStringLiteral("band"), b.band},
                              {QStringLiteral("timeTolerance"), b.timeTolerance},
                              {QStringLiteral("timeScale"), b.timeScale}});
    remember(kProposalKey, header.toJson());
    capture(QStringLiteral("start"));
    emit batchStarted(b);
    emit batchesChanged();
    return true;
}

void BatchRecorder::capture(const QString& phase, std::function<void()> then) {
    const std::int64_t batch = m_open ? m_open->id : 0;
    auto store = [this, batch, then](const QJsonObject& payload) {
        if (m_open && m_open->id == batch) append(EntryKind::Capture, payload);
        if (then) then();
    };
    if (m_link)
        ReadCapture(*m_link, m_state, phase, this, store);
    else
        store(CapturePayload(phase, m_state, {}));
}

bool BatchRecorder::startManual(const BatchHeader& header, QString* error) {
    return begin(Start::Manual, header, error);
}

bool BatchRecorder::endBatch(QString* error) {
    if (!m_open) {
        if (error) *error = QStringLiteral("没有正在进行的批次");
        return false;
    }
    if (m_ending) return true;
    m_ending = true;
    m_endAsked = true;
    m_holdAutoStart = Running(m_lastState);
    capture(QStringLiteral("end"), [this] { finishEnd(); });
    return true;
}

void BatchRecorder::finishEnd() {
    if (!m_open || !m_store) return;
    const std::int64_t ended = now();
    const std::int64_t id = m_open->id;
    const std::int64_t records = m_open->recordCount;
    // The station's writes, the end entry and the end mark stand or fall together, so a stop
    // never leaves the writes twice or an end entry in an open batch.
    const bool done = inTransaction([&] {
        for (const QJsonObject& write : JournalWritesSince(m_databasePath, m_open->journalMark))
            if (!append(EntryKind::Write, write)) return false;
        return append(EntryKind::End, {{QStringLiteral("records"), static_cast<qint64>(records)}},
                      ended) &&
               m_store->markEnded(id, ended, records);
    });
    if (!done) return;  // tried again once the file is back (m_endAsked)
    m_open.reset();
    m_ending = false;
    m_endAsked = false;
    m_unsealed.push_back(id);
    sealNext();
    emit batchesChanged();
    if (m_queuedStartMs) {
        const std::int64_t started = *m_queuedStartMs;
        m_queuedStartMs.reset();
        begin(Start::Auto, proposal(), nullptr, started);
    }
}

void BatchRecorder::sealNext() {
    if (m_store && !m_unsealed.empty() && !m_closer.busy()) m_closer.start(m_unsealed.front());
}

void BatchRecorder::seal(const ClosingResult& result) {
    const auto pending = std::find(m_unsealed.begin(), m_unsealed.end(), result.batchId);
    if (!m_store || pending == m_unsealed.end()) return;  // the file's return starts it again
    if (!result.read) {
        qCWarning(lcRecords) << "batch" << result.batchId << "not read through:" << result.problem;
        m_retry.start();
        return;
    }
    BatchSummary closed = result.batch;
    closed.seal = QString::fromLatin1(result.endHash.toHex());
    closed.verdict = result.evaluation.verdict;
    closed.integrity = result.check.text();
    std::int64_t seq = result.endSeq;
    QByteArray head = result.endHash;
    const bool done = inTransaction([&] {
        return appendTo(closed.id, seq, head, EntryKind::Seal,
                        {{QStringLiteral("head"), closed.seal},
                         {QStringLiteral("verdict"), closed.verdict},
                         {QStringLiteral("coverage"), result.evaluation.coverage}},
                        closed.endedMs) &&
               m_store->close(closed);
    });
    if (!done) return;
    m_unsealed.erase(pending);
    sealNext();
    emit batchClosed(closed, result.evaluation);
    emit batchesChanged();
}

bool BatchRecorder::inTransaction(const std::function<bool()>& work) {
    if (!m_store) return false;
    if (m_file.database().transaction() && work() && m_file.database().commit()) return true;
    if (usable()) writeFailed();  // not given up yet by a failed append
    return false;
}

void BatchRecorder::writeFailed(QString why) {
    if (why.isEmpty()) why = m_file.database().lastError().text();
    m_file.database().rollback();
    failed(QStringLiteral("记录文件写入失败: %1").arg(why));
}

bool BatchRecorder::setHeaderField(HeaderField field, const QString& text, QString* error) {
    const auto refuse = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!m_open) return refuse(QStringLiteral("没有正在进行的批次"));
    const QString why = HeaderRefusal(field, text);
    if (!why.isEmpty()) return refuse(why);
    const QString old = m_open->header.value(field);
    if (old == text) return true;
    if (field == HeaderField::Number && m_store->numberTaken(text, m_open->id))
        return refuse(QStringLiteral("批次号 %1 已存在").arg(text));
    BatchHeader header = m_open->header;
    header.value(field) = text;
    if (!m_store->updateHeader(m_open->id, header))
        return refuse(QStringLiteral("记录文件无法写入"));
    m_open->header = header;
    appendChange(HeaderKey(field), HeaderCaption(field), old, text);
    remember(kProposalKey, header.toJson());
    emit batchesChanged();
    return true;
}

void BatchRecorder::appendChange(const QString& key, const QString& caption, const QString& old,
                                 const QString& now) {
    append(EntryKind::Header, {{QStringLiteral("field"), key},
                               {QStringLiteral("caption"), caption},
                               {QStringLiteral("old"), old},
                               {QStringLiteral("new"), now}});
}

bool BatchRecorder::setLoadRule(const LoadRule& rule, QString* error) {
    const auto refuse = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!m_open) return refuse(QStringLiteral("没有正在进行的批次"));
    const QString why = LoadRuleRefusal(rule);
    if (!why.isEmpty()) return refuse(why);
    const LoadRule old = LoadRule::of(*m_open);
    if (old == rule) return true;
    BatchSummary changed = *m_open;
    rule.applyTo(changed);
    if (!m_store->updateLoadRule(changed)) return refuse(QStringLiteral("记录文件无法写入"));
    m_open = changed;
    for (LoadField field : kLoadFields)
        if (LoadFieldValue(old, field) != LoadFieldValue(rule, field))
            appendChange(LoadFieldKey(field), LoadFieldCaption(field), LoadFieldValue(old, field),
                         LoadFieldValue(rule, field));
    remember(kLoadRuleKey, rule.toJson());
    emit batchesChanged();
    return true;
}

LoadRule BatchRecorder::proposedRule() const {
    if (!m_store) return {};
    return LoadRule::fromJson(remembered(kLoadRuleKey));
}

bool BatchRecorder::addNote(const QString& text, QString* error) {
    const auto refuse = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!m_open) return refuse(QStringLiteral("没有正在进行的批次"));
    if (text.trimmed().isEmpty()) return refuse(QStringLiteral("备注为空"));
    if (text.size() > kNoteLimit)
        return refuse(QStringLiteral("备注太长: 最多 %1 个字符").arg(kNoteLimit));
    if (!append(EntryKind::Note, {{QStringLiteral("text"), text}}))
        return refuse(QStringLiteral("记录文件无法写入"));
    emit batchesChanged();
    return true;
}

bool BatchRecorder::addEvent(const QString& kind, const QString& text) {
    if (!append(EntryKind::Event, {{QStringLiteral("kind"), kind}, {QStringLiteral("text"), text}}))
        return false;
    emit batchesChanged();
    return true;
}

bool BatchRecorder::sign(std::int64_t batchId, const QString& printedName, const QString& meaning,
                         const QString& comment, const QString& account, QString* error) {
    const auto refuse = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!m_store) return refuse(m_problem);
    const auto batch = m_store->batch(batchId);
    if (!batch) return refuse(QStringLiteral("批次不存在"));
    if (batch->isOpen()) return refuse(QStringLiteral("批次尚未结束，不能签名"));
    if (batch->ending()) return refuse(QStringLiteral("批次正在结束，封存后才能签名"));
    if (printedName.trimmed().isEmpty()) return refuse(QStringLiteral("请填写姓名"));
    if (meaning != QStringLiteral("审核") && meaning != QStringLiteral("批准"))
        return refuse(QStringLiteral("签名含义只能是 审核 或 批准"));
    if (printedName.size() > 100 || comment.size() > kNoteLimit)
        return refuse(QStringLiteral("文字太长"));
    auto [seq, head] = m_store->chainEnd(batchId);
    if (!appendTo(batchId, seq, head, EntryKind::Sign,
                  {{QStringLiteral("name"), printedName},
                   {QStringLiteral("meaning"), meaning},
                   {QStringLiteral("comment"), comment},
                   {QStringLiteral("account"), account}},
                  0))
        return refuse(QStringLiteral("记录文件无法写入"));
    emit batchesChanged();
    return true;
}

}  // namespace vt
