#pragma once

#include <QString>
#include <QStringList>

#include "ring_record.h"

namespace vt {

// The columns of the history table, as the grid shows them and the CSV file carries them:
// id, date, time and the first seven logged values (the eighth is not shown).
inline constexpr int kRingTableColumns = 10;
inline constexpr int kRingTableDateColumn = 1;
inline constexpr int kRingTableTimeColumn = 2;

// "编号", "日期", "时间", "当前测量值", "输出OP", "当前设定值", "输入1PV", "输入2PV", "SV1", "SV2".
const QStringList& RingTableCaptions();

// The text of one cell of a record; values in the operator's number format.
QString RingCellText(const RingRecord& record, int column);

}  // namespace vt
