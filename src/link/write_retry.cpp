#include "write_retry.h"

#include "modbus_master.h"

namespace vt {

bool NeedsRetry(RetryRule rule, std::int32_t result) {
    switch (rule) {
        case RetryRule::None:
            return false;
        case RetryRule::OnNoAnswer:
            return result == kNoAnswer;
        case RetryRule::OnAnyFailure:
            return result < 0;
    }
    return false;
}

WriteOutcome WriteWithRetry(ModbusMaster& master, std::int32_t port, std::int32_t slave,
                            std::int32_t reg, std::int32_t value, RetryRule rule) {
    WriteOutcome outcome;
    outcome.result = master.writeHolding(port, slave, reg, value);
    outcome.failure = master.lastFailure();
    if (NeedsRetry(rule, outcome.result)) {
        outcome.retryResult = master.writeHolding(port, slave, reg, value);
        outcome.retryFailure = master.lastFailure();
        outcome.retried = true;
    }
    return outcome;
}

}  // namespace vt
