#include "alarm_row.h"

#include <QVariant>

#include "clock_reading.h"

namespace vt {

namespace {

QVariant Millis(const QDateTime& time) {
    return time.isValid() ? QVariant(time.toMSecsSinceEpoch()) : QVariant();
}

QDateTime TimeOf(const QVariant& value) {
    return value.isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(value.toLongLong());
}

}  // namespace

AlarmTransition AlarmTransitionOf(const QSqlQuery& q) {
    AlarmTransition t;
    t.id = q.value(0).toLongLong();
    t.time = TimeOf(q.value(2));
    t.source = static_cast<AlarmSource>(q.value(3).toInt());
    t.kind = static_cast<TransitionKind>(q.value(4).toInt());
    t.state = static_cast<AlarmState>(q.value(5).toInt());
    t.text = q.value(6).toString();
    t.value = q.value(7).toString();
    t.who = q.value(8).toString();
    t.comment = q.value(9).toString();
    t.count = q.value(10).toInt();
    t.raised = TimeOf(q.value(11));
    t.until = TimeOf(q.value(12));
    return t;
}

QVariantList AlarmRowValues(const AlarmTransition& t) {
    return {ReadClock(t.time).date,
            Millis(t.time),
            static_cast<int>(t.source),
            static_cast<int>(t.kind),
            static_cast<int>(t.state),
            t.text,
            t.value,
            t.who,
            t.comment,
            t.count,
            Millis(t.raised),
            Millis(t.until)};
}

}  // namespace vt
