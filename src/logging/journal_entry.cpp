#include "journal_entry.h"

#include <QVariant>

namespace vt {

JournalResult JournalResultOf(LinkFailure failure) {
    switch (failure) {
        case LinkFailure::None:
            return JournalResult::Written;
        case LinkFailure::NoAnswer:
            return JournalResult::NoAnswer;
        case LinkFailure::Exception:
            return JournalResult::Exception;
        case LinkFailure::PortClosed:
        case LinkFailure::NoDevice:
        case LinkFailure::PermissionDenied:
        case LinkFailure::CannotOpen:
        case LinkFailure::PortBusy:
            return JournalResult::PortClosed;  // not sent: the port is not usable
        case LinkFailure::PortLost:
            return JournalResult::NoAnswer;  // the exchange broke off: no valid answer came
        case LinkFailure::Refused:
            return JournalResult::Refused;
    }
    return JournalResult::Unknown;
}

namespace {

JournalResult ResultOf(const QVariant& stored) {
    const int code = stored.toInt();
    const bool known = code >= static_cast<int>(JournalResult::Written) &&
                       code <= static_cast<int>(JournalResult::Refused);
    return known ? static_cast<JournalResult>(code) : JournalResult::Unknown;
}

}  // namespace

JournalEntry JournalEntryOf(const QSqlQuery& query) {
    JournalEntry entry;
    entry.id = query.value(0).toLongLong();
    entry.date = query.value(1).toDouble();
    entry.time = query.value(2).toDouble();
    entry.window = query.value(3).toString();
    entry.coil = query.value(4).toInt() != 0;
    entry.number = query.value(5).toInt();
    entry.caption = query.value(6).toString();
    if (!query.value(7).isNull()) entry.before = query.value(7).toString();
    entry.value = query.value(8).toInt();
    entry.entered = query.value(9).toString();
    entry.result = ResultOf(query.value(10));
    entry.code = query.value(11).toInt();
    entry.retried = !query.value(12).isNull();
    entry.retryResult = ResultOf(query.value(12));
    entry.retryCode = query.value(13).toInt();
    return entry;
}

}  // namespace vt
