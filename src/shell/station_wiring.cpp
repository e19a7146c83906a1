#include "station_wiring.h"

#include "plant_event_bodies.h"
#include "plant_payloads.h"

namespace vt {

void WireStation(AlarmCentre& alarms, BatchRecorder& recorder, PlantLink* plant, QObject* context) {
    QObject::connect(&alarms, &AlarmCentre::transitionRecorded, context,
                     [&recorder, plant](const AlarmTransition& t) {
                         recorder.addEvent(AlarmEventKind(t), AlarmEventText(t));
                         if (plant) plant->publishEvent(PlantTopicName::Alarm, AlarmBody(t));
                     });
    alarms.setRecordsUsable(recorder.usable());
    QObject::connect(
        &recorder, &BatchRecorder::problemChanged, context,
        [&alarms](const QString& problem) { alarms.setRecordsUsable(problem.isEmpty()); });
    if (!plant) return;
    QObject::connect(&recorder, &BatchRecorder::batchStarted, context,
                     [plant](const BatchSummary& b) {
                         plant->publishEvent(PlantTopicName::Batch, BatchStartBody(b));
                     });
    QObject::connect(&recorder, &BatchRecorder::batchClosed, context,
                     [plant](const BatchSummary& b, const BatchEvaluation& e) {
                         plant->publishEvent(PlantTopicName::Batch, BatchEndBody(b, e));
                     });
}

}  // namespace vt
