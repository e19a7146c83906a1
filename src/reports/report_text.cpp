#include "report_text.h"

#include <cmath>

namespace vt {

QString ReportTimeText(const QDateTime& moment) {
    if (!moment.isValid()) return QStringLiteral("—");
    return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString DurationText(double seconds) {
    const qint64 total = std::llround(std::max(seconds, 0.0));
    return QStringLiteral("%1:%2:%3")
        .arg(total / 3600)
        .arg(total / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(total % 60, 2, 10, QLatin1Char('0'));
}

QString OffsetText(double seconds) {
    return seconds < 0.0 ? QStringLiteral("—") : DurationText(seconds);
}

QString ValueText(double value, int decimals) { return QString::number(value, 'f', decimals); }

}  // namespace vt
