#include "plant_event_bodies.h"

#include <QDateTime>

#include "plant_payloads.h"

namespace vt {

namespace {

QString SourceKind(AlarmSource source) {
    if (IsControllerAlarm(source)) return QStringLiteral("controller");
    if (source == AlarmSource::LinkLost) return QStringLiteral("link");
    return QStringLiteral("station");
}

QString TransitionKey(TransitionKind kind) {
    switch (kind) {
        case TransitionKind::Raise:
            return QStringLiteral("raised");
        case TransitionKind::Clear:
            return QStringLiteral("cleared");
        case TransitionKind::Acknowledge:
            return QStringLiteral("acknowledged");
        case TransitionKind::Shelve:
            return QStringLiteral("shelved");
        case TransitionKind::Return:
            return QStringLiteral("returned");
    }
    return {};
}

QString StateKey(AlarmState state) {
    switch (state) {
        case AlarmState::Normal:
            return QStringLiteral("normal");
        case AlarmState::ActiveUnack:
            return QStringLiteral("active-unack");
        case AlarmState::ActiveAck:
            return QStringLiteral("active-ack");
        case AlarmState::ClearedUnack:
            return QStringLiteral("cleared-unack");
        case AlarmState::Shelved:
            return QStringLiteral("shelved");
    }
    return {};
}

QString MsText(std::int64_t ms) { return IsoTime(QDateTime::fromMSecsSinceEpoch(ms)); }

// Null when the batch has no record to take a value from.
QJsonValue Measured(const SegmentResult& overall, double value) {
    return overall.samples > 0 ? QJsonValue(value) : QJsonValue();
}

}  // namespace

QString AlarmKey(AlarmSource source) {
    static const std::array<QString, kAlarmSources> kKeys{
        QStringLiteral("alarm1"),       QStringLiteral("alarm2"),
        QStringLiteral("input1-open"),  QStringLiteral("input1-short"),
        QStringLiteral("input2-open"),  QStringLiteral("input2-short"),
        QStringLiteral("link"),         QStringLiteral("database-write"),
        QStringLiteral("records-file"), QStringLiteral("disk-space"),
        QStringLiteral("clock-back"),   QStringLiteral("database-rebuilt")};
    return kKeys[static_cast<int>(source)];
}

QJsonObject AlarmBody(const AlarmTransition& t) {
    QJsonObject body{{QStringLiteral("alarm"), AlarmKey(t.source)},
                     {QStringLiteral("source"), SourceKind(t.source)},
                     {QStringLiteral("transition"), TransitionKey(t.kind)},
                     {QStringLiteral("state"), StateKey(t.state)},
                     {QStringLiteral("text"), t.text},
                     {QStringLiteral("at"), IsoTime(t.time)}};
    if (!t.value.isEmpty()) body.insert(QStringLiteral("value"), t.value);
    if (!t.who.isEmpty()) body.insert(QStringLiteral("who"), t.who);
    if (!t.comment.isEmpty()) body.insert(QStringLiteral("comment"), t.comment);
    return body;
}

QJsonObject BatchStartBody(const BatchSummary& b) {
    return {{QStringLiteral("event"), QStringLiteral("start")},
            {QStringLiteral("batch"), b.number()},
            {QStringLiteral("operator"), b.header.value(HeaderField::Operator)},
            {QStringLiteral("manual"), b.manual},
            {QStringLiteral("late"), b.late},
            {QStringLiteral("started"), MsText(b.startedMs)}};
}

QJsonObject BatchEndBody(const BatchSummary& b, const BatchEvaluation& e) {
    const QJsonObject summary{{QStringLiteral("pvMin"), Measured(e.overall, e.overall.minimum)},
                              {QStringLiteral("pvMax"), Measured(e.overall, e.overall.maximum)},
                              {QStringLiteral("alarms"), static_cast<int>(e.alarms.size())},
                              {QStringLiteral("coverage"), e.coverage}};
    return {{QStringLiteral("event"), QStringLiteral("end")},
            {QStringLiteral("batch"), b.number()},
            {QStringLiteral("started"), MsText(b.startedMs)},
            {QStringLiteral("ended"), MsText(b.endedMs)},
            {QStringLiteral("records"), static_cast<qint64>(b.recordCount)},
            {QStringLiteral("summary"), summary},
            {QStringLiteral("verdict"), b.verdict},
            {QStringLiteral("chainHead"), b.seal}};
}

QString AlarmEventText(const AlarmTransition& t) {
    if (t.kind == TransitionKind::Raise) return t.text;
    return KindText(t.kind) + QLatin1Char(' ') + t.text;
}

QString AlarmEventKind(const AlarmTransition& t) {
    return t.kind == TransitionKind::Raise ? QStringLiteral("alarm")
                                           : QStringLiteral("alarm-change");
}

}  // namespace vt
