#pragma once

#include <QJsonObject>

#include "alarm_types.h"
#include "batch_evaluation.h"
#include "batch_summary.h"

namespace vt {

// The bodies of the plant link's `alarm` and `batch` messages (the link adds time and seq).

// The topic's name of an alarm source ("alarm1", "input1-open", "link", "records-file", ...).
QString AlarmKey(AlarmSource source);
QJsonObject AlarmBody(const AlarmTransition& transition);
QJsonObject BatchStartBody(const BatchSummary& batch);
// A closed batch with its summary, verdict and sealed chain head.
QJsonObject BatchEndBody(const BatchSummary& batch, const BatchEvaluation& evaluation);

// The text a transition leaves in the open batch's events: a raise its alarm's text (the batch's
// evaluation lists each alarm once), any other change with what happened ("恢复 报警一ON").
QString AlarmEventText(const AlarmTransition& transition);
// The event kind: "alarm" for a raise (what the evaluation counts), else "alarm-change".
QString AlarmEventKind(const AlarmTransition& transition);

}  // namespace vt
