#pragma once

#include <QMetaType>
#include <QString>
#include <cstdint>

#include "plant_failure.h"

namespace vt {

// How the plant link is doing, as the overview shows it: connected or not and why, and how many
// messages wait in the outbox.
struct PlantLinkState {
    bool connected = false;
    PlantFailure failure = PlantFailure::Connecting;
    QString detail;  // the library's words for the failure
    std::int64_t waiting = 0;
    std::int64_t dropped = 0;
    std::int64_t droppedHistory = 0;
    bool operator==(const PlantLinkState&) const = default;
};

}  // namespace vt

Q_DECLARE_METATYPE(vt::PlantLinkState)
