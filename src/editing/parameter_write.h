#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "parameter.h"
#include "station_context.h"

class QObject;
class QWidget;

namespace vt {

// One operator entry on its way to the controller: the parameter it writes, what the journal
// calls it, what the controller held before and the entry as the operator left it.
struct EntryWrite {
    const Parameter& parameter;
    QString caption;
    QString before;
    QString entry;
};

// Whether the register image of a converted entry fits the controller's signed 16-bit register;
// anything else would be stored wrapped round.
bool FitsRegister(std::int32_t image);

// The one write path of every editing control: converts the entry by the parameter's rules
// (nothing for a number out of its range), refuses an image the register cannot hold with a
// visible message in `window`, and otherwise queues the write at operator priority with the
// parameter's retry rule and the journal's note. Replies go to `context`. Returns the image
// queued, none if nothing was written.
std::optional<std::int32_t> WriteEntry(StationContext& station, QWidget* window, QObject* context,
                                       const EntryWrite& write);

}  // namespace vt
