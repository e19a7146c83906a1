#pragma once

#include <QJsonObject>
#include <functional>
#include <vector>

#include "block_read.h"
#include "controller_state.h"
#include "link_job.h"

namespace vt {

class ControllerLink;

// The blocks a batch reads at its start and end: the configuration block, the active PID set,
// the alarm settings, both grouped tables, the current curve's number and its program window.
std::vector<ReadBlock> CaptureBlocks();

// SHA-256 (hex) over every block's first register, count and values in order; empty when a
// block did not come back (the fingerprint is then not known).
QString SettingsFingerprint(const std::vector<ReadBlock>& blocks,
                            const std::vector<LinkReply>& replies);

// The capture entry's payload: the planned profile (curve number, its 16 parameters, the 24
// segments with set points in the unit in force), the input scaling, the station's version,
// port and address, and the settings fingerprint. `replies` match CaptureBlocks(); a block that
// failed leaves its part out and `complete` false.
QJsonObject CapturePayload(const QString& phase, const ControllerState& state,
                           const std::vector<LinkReply>& replies);

// The input scaling a capture holds.
InputScaling CapturedScaling(const QJsonObject& capture);
// The unit in force as shown: °C, °F or K.
QString UnitName(const InputScaling& scaling);

// Reads the capture blocks at operator priority and hands the payload to `onDone` on
// `context`'s thread.
void ReadCapture(ControllerLink& link, const ControllerState& state, const QString& phase,
                 QObject* context, std::function<void(const QJsonObject&)> onDone);

}  // namespace vt
