#pragma once

#include <QDateTime>
#include <QString>

namespace vt {

// Texts the reports share.
QString ReportTimeText(const QDateTime& moment);  // yyyy-MM-dd HH:mm:ss, "—" when invalid
QString DurationText(double seconds);             // H:MM:SS, hours unbounded
QString OffsetText(double seconds);               // DurationText, "—" when negative
QString ValueText(double value, int decimals = 1);

}  // namespace vt
