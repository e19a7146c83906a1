#pragma once

#include <QString>
#include <QStringList>

#include "alarm_book.h"

namespace vt {

// Columns of the history ("报警历史"), as the grid shows them and the CSV file carries them.
inline constexpr int kHistoryColumns = 8;
const QStringList& HistoryCaptions();
QString HistoryCellText(const AlarmTransition& t, int column);

// Columns of the current alarms (`AlarmList`).
inline constexpr int kListColumns = 6;
const QStringList& ListCaptions();
QString ListCellText(const StandingAlarm& a, int column);

// A time as the lists show it.
QString AlarmTimeText(const QDateTime& time);

}  // namespace vt
