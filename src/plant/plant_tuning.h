#pragma once

#include "outbox.h"

namespace vt {

// The plant link's pace and bounds; the defaults are the station's, tests and benchmarks change
// them.
struct PlantTuning {
    OutboxLimits limits;
    int drainPerSecond = 500;  // messages sent from the outbox per second at most
    int window = 64;           // messages sent and not yet acknowledged at most
    int firstRetryMs = 1000;
    int maxRetryMs = 60000;
    int keepAliveSeconds = 30;
    int stopWaitMs = 3000;  // how long a clean stop waits for its "offline" to be acknowledged
};

}  // namespace vt
