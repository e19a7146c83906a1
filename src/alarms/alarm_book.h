#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <vector>

#include "alarm_types.h"

namespace vt {

// One alarm as it stands now.
struct StandingAlarm {
    AlarmSource source = AlarmSource::Alarm1;
    AlarmState state = AlarmState::Normal;
    bool active = false;   // the condition holds (as last known)
    bool unknown = false;  // a controller alarm while the link is down: frozen, not known
    int count = 0;         // raises since the last acknowledgement
    QDateTime raised;
    QDateTime changed;  // the last transition
    QDateTime until;    // shelved until
    QString text;
    QString value;
    QString ackBy;
    QDateTime ackAt;
    QString comment;

    bool unacknowledged() const {
        return state == AlarmState::ActiveUnack || state == AlarmState::ClearedUnack;
    }
};

using Transitions = std::vector<AlarmTransition>;

// The state machine of every alarm. Conditions come in from the evaluator, answers from the
// operator; each change comes back as the transitions to record. An alarm that clears and
// comes back before anyone acknowledged it stays one alarm and counts the raises. A shelved
// alarm follows its condition silently and comes back (raised again if its condition holds)
// when its time is up.
class AlarmBook {
  public:
    AlarmBook();

    const StandingAlarm& alarm(AlarmSource source) const;
    bool isActive(AlarmSource source) const { return alarm(source).active; }

    // The condition of `source` is `active` at `now`; `text` and `value` describe it (taken on
    // a raise).
    Transitions setCondition(AlarmSource source, bool active, const QString& text,
                             const QString& value, const QDateTime& now);
    // The controller's alarms are not known (the link is down) or known again.
    void setControllerUnknown(bool unknown);

    Transitions acknowledge(AlarmSource source, const QString& who, const QString& comment,
                            const QDateTime& now);
    Transitions acknowledgeAll(const QString& who, const QString& comment, const QDateTime& now);
    Transitions shelve(AlarmSource source, const QDateTime& until, const QString& who,
                       const QString& comment, const QDateTime& now);
    // Shelved alarms whose time is up come back.
    Transitions expireShelves(const QDateTime& now);

    // Takes the alarm as its last stored transition left it (after a restart).
    void restore(const AlarmTransition& last);

    // Alarms off the normal state, newest change first.
    std::vector<const StandingAlarm*> standing() const;
    // Unacknowledged alarms that are not shelved.
    int unacknowledgedCount() const;

  private:
    StandingAlarm& at(AlarmSource source);
    AlarmTransition record(const StandingAlarm& alarm, TransitionKind kind, const QDateTime& now,
                           const QString& who = {}, const QString& comment = {});

    std::array<StandingAlarm, kAlarmSources> m_alarms;
};

}  // namespace vt
