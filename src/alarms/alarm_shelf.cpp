#include "alarm_shelf.h"

namespace vt {

namespace {
constexpr int kShiftHours[] = {8, 20};
}

QStringList ShelfTexts() {
    return {QStringLiteral("1小时"), QStringLiteral("8小时"), QStringLiteral("至下一班")};
}

QDateTime ShelfEnd(AlarmShelf shelf, const QDateTime& now) {
    switch (shelf) {
        case AlarmShelf::OneHour:
            return now.addSecs(3600);
        case AlarmShelf::EightHours:
            return now.addSecs(8 * 3600);
        case AlarmShelf::NextShift:
            break;
    }
    for (int day = 0; day < 2; ++day) {
        for (int hour : kShiftHours) {
            const QDateTime change(now.date().addDays(day), QTime(hour, 0));
            if (change > now) return change;
        }
    }
    return now.addDays(1);
}

}  // namespace vt
