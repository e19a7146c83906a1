#include "alarm_centre.h"

namespace vt {

AlarmCentre::AlarmCentre(const QString& databasePath, QObject* parent)
    : QObject(parent), m_evaluator(m_book), m_store(databasePath) {
    qRegisterMetaType<AlarmTransition>();
    restore();
}

void AlarmCentre::restore() {
    for (const AlarmTransition& last : m_store.lastOfEachSource()) m_book.restore(last);
}

void AlarmCentre::evaluate(AlarmInputs inputs) {
    inputs.recordsUsable = m_recordsUsable;
    record(m_evaluator.evaluate(inputs));
}

void AlarmCentre::acknowledge(AlarmSource source, const QString& who, const QString& comment) {
    record(m_book.acknowledge(source, who, comment, QDateTime::currentDateTime()));
}

void AlarmCentre::acknowledgeAll(const QString& who, const QString& comment) {
    record(m_book.acknowledgeAll(who, comment, QDateTime::currentDateTime()));
}

void AlarmCentre::shelve(AlarmSource source, AlarmShelf shelf, const QString& who,
                         const QString& comment) {
    const QDateTime now = QDateTime::currentDateTime();
    record(m_book.shelve(source, ShelfEnd(shelf, now), who, comment, now));
}

void AlarmCentre::databaseRebuilt(const QString& keptFile) {
    record(m_evaluator.databaseRebuilt(keptFile, QDateTime::currentDateTime()));
}

void AlarmCentre::record(Transitions transitions) {
    if (transitions.empty()) return;
    bool raised = false;
    for (AlarmTransition& t : transitions) {
        m_store.append(t);
        raised |= t.kind == TransitionKind::Raise ||
                  (t.kind == TransitionKind::Return && t.state == AlarmState::ActiveUnack);
        emit transitionRecorded(t);
    }
    if (raised) emit alarmRaised();
    emit changed();
}

}  // namespace vt
