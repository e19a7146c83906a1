#pragma once

#include <QSqlQuery>
#include <QString>
#include <cstdint>

#include "link_job.h"

namespace vt {

// What became of one write, as the journal keeps it (the numbers are stored).
enum class JournalResult {
    Unknown = 0,     // sent, and the result never came back (the station stopped meanwhile)
    Written = 1,     // the controller confirmed it
    NoAnswer = 2,    // no valid answer: time-out, CRC or framing error
    Exception = 3,   // the controller answered with an exception code
    PortClosed = 4,  // not sent: the port was not open
    Refused = 5,     // not sent: an argument outside the protocol's range
};

JournalResult JournalResultOf(LinkFailure failure);

// One entry of the journal of writes: when, from which window, to which register or coil, the
// parameter's caption, its value before (as last read; null when not known), the value sent and
// as the operator entered it, what came back, and whether and how the write was sent again.
struct JournalEntry {
    std::int64_t id = 0;
    double date = 0.0;  // day serial
    double time = 0.0;  // fraction of a day
    QString window;
    bool coil = false;
    std::int32_t number = 0;
    QString caption;
    QString before;  // null when not known
    std::int32_t value = 0;
    QString entered;
    JournalResult result = JournalResult::Unknown;
    std::int32_t code = 0;  // the operation's result code (an exception answer: minus its code)
    bool retried = false;
    JournalResult retryResult = JournalResult::Unknown;
    std::int32_t retryCode = 0;

    // What the last attempt came to: the second write's result when there was one.
    JournalResult finalResult() const { return retried ? retryResult : result; }
    // Not confirmed by the controller: failed, or its result never came back.
    bool unconfirmed() const { return finalResult() != JournalResult::Written; }
};

// The entry on the current row of a query over write_journal, in the table's column order.
JournalEntry JournalEntryOf(const QSqlQuery& query);

}  // namespace vt
