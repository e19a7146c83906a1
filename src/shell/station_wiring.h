#pragma once

#include "alarm_centre.h"
#include "batch_recorder.h"
#include "plant_link.h"

namespace vt {

// Joins the alarms, the batch records and the plant link: every alarm transition goes into the
// open batch's events and, with a plant link, out on `alarm`; each batch start and end goes out
// on `batch`; the records file's state feeds the alarm 记录文件不可用. Connections live as long
// as `context`.
void WireStation(AlarmCentre& alarms, BatchRecorder& recorder, PlantLink* plant, QObject* context);

}  // namespace vt
