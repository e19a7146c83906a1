#pragma once

#include <QDateTime>
#include <QStringList>

namespace vt {

// How long "搁置" puts an alarm aside.
enum class AlarmShelf { OneHour, EightHours, NextShift };

// The choices as the window lists them, in the order of AlarmShelf.
QStringList ShelfTexts();
// When an alarm shelved at `now` comes back. Shifts change at 08:00 and 20:00.
QDateTime ShelfEnd(AlarmShelf shelf, const QDateTime& now);

}  // namespace vt
