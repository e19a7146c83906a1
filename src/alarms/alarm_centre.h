#pragma once

#include <QObject>
#include <optional>

#include "alarm_book.h"
#include "alarm_evaluator.h"
#include "alarm_shelf.h"
#include "alarm_store.h"

namespace vt {

// The station's alarms in one place: the book of standing alarms, the evaluator that feeds it
// and the store that keeps every transition. Every transition is stored, then announced by
// transitionRecorded(), so batches and the plant link can take them from there. After a
// restart the book starts from what the store last recorded for each alarm.
class AlarmCentre : public QObject {
    Q_OBJECT
  public:
    explicit AlarmCentre(const QString& databasePath, QObject* parent = nullptr);

    const AlarmBook& book() const { return m_book; }

    // One evaluation of the tick's inputs (the records file's usability is added here).
    void evaluate(AlarmInputs inputs);
    // Whether the records file can be written; none while there is no records file.
    void setRecordsUsable(std::optional<bool> usable) { m_recordsUsable = usable; }

    void acknowledge(AlarmSource source, const QString& who, const QString& comment);
    void acknowledgeAll(const QString& who, const QString& comment);
    void shelve(AlarmSource source, AlarmShelf shelf, const QString& who, const QString& comment);
    // The station database was made afresh; `keptFile` holds the old one.
    void databaseRebuilt(const QString& keptFile);

  signals:
    // A transition was recorded (its id set when the store took it).
    void transitionRecorded(const vt::AlarmTransition& transition);
    // A new alarm came on (the sound starts again after "消音").
    void alarmRaised();
    // The list of standing alarms changed.
    void changed();

  private:
    void record(Transitions transitions);
    void restore();

    AlarmBook m_book;
    AlarmEvaluator m_evaluator;
    AlarmStore m_store;
    std::optional<bool> m_recordsUsable;
};

}  // namespace vt
