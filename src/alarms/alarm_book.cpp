#include "alarm_book.h"

#include <algorithm>

namespace vt {

AlarmBook::AlarmBook() {
    for (AlarmSource source : kAllAlarmSources) at(source).source = source;
}

const StandingAlarm& AlarmBook::alarm(AlarmSource source) const {
    return m_alarms[static_cast<std::size_t>(source)];
}

StandingAlarm& AlarmBook::at(AlarmSource source) {
    return m_alarms[static_cast<std::size_t>(source)];
}

AlarmTransition AlarmBook::record(const StandingAlarm& alarm, TransitionKind kind,
                                  const QDateTime& now, const QString& who,
                                  const QString& comment) {
    AlarmTransition t;
    t.time = now;
    t.source = alarm.source;
    t.kind = kind;
    t.state = alarm.state;
    t.text = alarm.text;
    t.value = alarm.value;
    t.who = who;
    t.comment = comment;
    t.count = alarm.count;
    t.raised = alarm.raised;
    t.until = alarm.until;
    return t;
}

Transitions AlarmBook::setCondition(AlarmSource source, bool active, const QString& text,
                                    const QString& value, const QDateTime& now) {
    StandingAlarm& a = at(source);
    if (IsControllerAlarm(source)) a.unknown = false;
    if (a.active == active) return {};
    a.active = active;
    if (a.state == AlarmState::Shelved) return {};
    a.changed = now;
    if (!active) {
        a.state =
            a.state == AlarmState::ActiveUnack ? AlarmState::ClearedUnack : AlarmState::Normal;
        return {record(a, TransitionKind::Clear, now)};
    }
    if (a.state == AlarmState::ClearedUnack) {
        ++a.count;
    } else {
        a.count = 1;
        a.raised = now;
        a.ackBy.clear();
        a.ackAt = {};
        a.comment.clear();
    }
    a.text = text;
    a.value = value;
    a.state = AlarmState::ActiveUnack;
    return {record(a, TransitionKind::Raise, now)};
}

void AlarmBook::setControllerUnknown(bool unknown) {
    for (StandingAlarm& a : m_alarms) {
        if (IsControllerAlarm(a.source)) a.unknown = unknown;
    }
}

Transitions AlarmBook::acknowledge(AlarmSource source, const QString& who, const QString& comment,
                                   const QDateTime& now) {
    StandingAlarm& a = at(source);
    if (!a.unacknowledged()) return {};
    a.state = a.state == AlarmState::ActiveUnack ? AlarmState::ActiveAck : AlarmState::Normal;
    a.ackBy = who;
    a.ackAt = now;
    a.comment = comment;
    a.changed = now;
    return {record(a, TransitionKind::Acknowledge, now, who, comment)};
}

Transitions AlarmBook::acknowledgeAll(const QString& who, const QString& comment,
                                      const QDateTime& now) {
    Transitions all;
    for (AlarmSource source : kAllAlarmSources) {
        for (AlarmTransition& t : acknowledge(source, who, comment, now))
            all.push_back(std::move(t));
    }
    return all;
}

Transitions AlarmBook::shelve(AlarmSource source, const QDateTime& until, const QString& who,
                              const QString& comment, const QDateTime& now) {
    StandingAlarm& a = at(source);
    if (a.state == AlarmState::Normal || a.state == AlarmState::Shelved || until <= now) return {};
    a.state = AlarmState::Shelved;
    a.until = until;
    a.changed = now;
    return {record(a, TransitionKind::Shelve, now, who, comment)};
}

Transitions AlarmBook::expireShelves(const QDateTime& now) {
    Transitions back;
    for (StandingAlarm& a : m_alarms) {
        if (a.state != AlarmState::Shelved || a.until > now) continue;
        a.until = {};
        a.changed = now;
        if (a.active) {
            a.state = AlarmState::ActiveUnack;
            a.count = 1;
            a.raised = now;
            a.ackBy.clear();
            a.ackAt = {};
        } else {
            a.state = AlarmState::Normal;
        }
        back.push_back(record(a, TransitionKind::Return, now));
    }
    return back;
}

void AlarmBook::restore(const AlarmTransition& last) {
    StandingAlarm& a = at(last.source);
    a.state = last.state;
    a.active = last.state == AlarmState::ActiveUnack || last.state == AlarmState::ActiveAck ||
               (last.state == AlarmState::Shelved && last.kind == TransitionKind::Shelve);
    a.unknown = IsControllerAlarm(last.source) && a.state != AlarmState::Normal;
    a.count = last.count;
    a.raised = last.raised;
    a.changed = last.time;
    a.until = last.until;
    a.text = last.text;
    a.value = last.value;
    if (last.kind == TransitionKind::Acknowledge) {
        a.ackBy = last.who;
        a.ackAt = last.time;
        a.comment = last.comment;
    }
}

std::vector<const StandingAlarm*> AlarmBook::standing() const {
    std::vector<const StandingAlarm*> list;
    for (const StandingAlarm& a : m_alarms) {
        if (a.state != AlarmState::Normal) list.push_back(&a);
    }
    std::stable_sort(list.begin(), list.end(), [](const StandingAlarm* x, const StandingAlarm* y) {
        return x->changed > y->changed;
    });
    return list;
}

int AlarmBook::unacknowledgedCount() const {
    return static_cast<int>(
        std::count_if(m_alarms.begin(), m_alarms.end(),
                      [](const StandingAlarm& a) { return a.unacknowledged(); }));
}

}  // namespace vt
