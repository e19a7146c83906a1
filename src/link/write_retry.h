#pragma once

#include <cstdint>

#include "link_job.h"

namespace vt {

class ModbusMaster;

// What the first of at most two identical writes returned, and whether the second was sent.
struct WriteOutcome {
    std::int32_t result = kNoAnswer;
    LinkFailure failure = LinkFailure::NoAnswer;
    bool retried = false;
    // What the second write returned, for the journal of writes only.
    std::int32_t retryResult = kNoAnswer;
    LinkFailure retryFailure = LinkFailure::NoAnswer;
};

// Whether a write whose first result is `result` is sent once more under `rule`.
bool NeedsRetry(RetryRule rule, std::int32_t result);

// Writes one holding register and, when the rule asks for it, sends the same write once more.
// The second result is never acted upon; it is only reported.
WriteOutcome WriteWithRetry(ModbusMaster& master, std::int32_t port, std::int32_t slave,
                            std::int32_t reg, std::int32_t value, RetryRule rule);

}  // namespace vt
