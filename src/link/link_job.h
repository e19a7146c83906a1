#pragma once

#include <QMetaType>
#include <QString>
#include <chrono>
#include <cstdint>
#include <vector>

#include "link_failure.h"
#include "retry_rule.h"

namespace vt {

// Result code of the register-level operations when no valid answer came back (time-out, CRC
// or framing error, port not open). Any other negative result is an exception answer or a
// refused request.
inline constexpr std::int32_t kNoAnswer = -8888;

// The nine library operations, in the station's numbering (everything from 1).
enum class LinkOp {
    Open,
    Close,
    ReadHolding,
    ReadInput,
    ReadDiscrete16,
    ReadCoils16,
    WriteRegister,
    SetCoil,
    ResetCoil,
};

// Which waiting job runs next: operator commands first, then the polling cycle's reads, then
// the reads of the editor windows.
enum class JobPriority { WindowRead, Poll, Operator };

// What the journal of writes keeps beside an operator's write: where it was asked for and what
// it meant to the operator. Empty for every other job.
struct JournalNote {
    QString window;   // the window it came from, by name and title ("PIDC PID参数设置")
    QString caption;  // the parameter's caption
    QString before;   // its value as last read, as the window showed it; empty when not known
    QString entered;  // the value as the operator entered or chose it
};

// One unit of work for the link thread. Port and slave are taken from the link settings when
// the job is made, as every call of the station passes them.
struct LinkJob {
    LinkOp op = LinkOp::ReadHolding;
    std::int32_t port = 0;
    std::int32_t slave = 0;
    std::int32_t first = 0;  // register, coil or input number (from 1)
    std::int32_t count = 0;
    std::int32_t value = 0;   // register value to write
    std::int32_t baud = 0;    // baud code 0..8 (open only)
    std::int32_t parity = 0;  // 0 none, 1 odd, 2 even (open only)
    RetryRule retry = RetryRule::None;
    JobPriority priority = JobPriority::Poll;
    // A polling block: when its tick should be over (the next tick's start); none for others.
    std::chrono::steady_clock::time_point tickDue{};
    JournalNote note{};  // operator writes only
};

// What came back for one job. `values` holds one signed register value per element for block
// reads, or one element with 16 packed bits for the 16-bit reads; it is empty on failure.
struct LinkReply {
    LinkJob job;
    std::int32_t result = kNoAnswer;
    LinkFailure failure = LinkFailure::NoAnswer;
    std::vector<std::int32_t> values;
    // A register write that its retry rule sent a second time, and what the second one returned
    // (kept for the journal only: nothing acts on it).
    bool retried = false;
    std::int32_t retryResult = kNoAnswer;
    LinkFailure retryFailure = LinkFailure::NoAnswer;
    bool ok() const { return failure == LinkFailure::None; }
};

}  // namespace vt

Q_DECLARE_METATYPE(vt::LinkJob)
Q_DECLARE_METATYPE(vt::LinkReply)
