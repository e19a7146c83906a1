#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>

#include "value_conversion.h"

namespace vt {

// What the station hands the plant link, as plain values taken on the user-interface thread.

// How the controller link is doing: "up", "down" or "closed", and why it is not up (a short key
// such as "no-answer"; empty while up).
struct ControllerLinkState {
    QString state;
    QString reason;
    bool operator==(const ControllerLinkState&) const = default;
};

// The eight logged values (`LiveValue` 0..7) of one moment, with the scaling that gives their
// units. Without `valid` (the link is not up) no value is published.
struct LiveSample {
    QDateTime time;
    ControllerLinkState link;
    bool valid = false;
    std::array<float, 8> values{};
    InputScaling scaling;
};

// What the station says about itself on `status`.
struct StationStatus {
    QString version;
    int port = 0;
    QString device;
    int address = 0;
    ControllerLinkState link;
    bool operator==(const StationStatus&) const = default;
};

// One input's scaling as the controller's configuration block sets it.
struct InputSettings {
    std::int32_t type = 0;
    std::int32_t decimals = 0;
    float displayHigh = 0.0f;
    float displayLow = 0.0f;
    bool operator==(const InputSettings&) const = default;
};

// The settings published on `settings`.
struct StationSettings {
    std::int32_t tempUnit = 0;
    InputSettings input1;
    InputSettings input2;
    std::int32_t curve = 0;
    bool operator==(const StationSettings&) const = default;
};

// One completed entry of the journal of writes.
struct JournalRecord {
    std::int64_t id = 0;
    QString window;
    bool coil = false;
    std::int32_t number = 0;
    QString caption;
    QString before;
    std::int32_t value = 0;
    QString entered;
    QString result;  // "written", "no-answer", "exception", "not-sent", "refused"
    std::int32_t code = 0;
    bool retried = false;
    QString retryResult;
};

}  // namespace vt
