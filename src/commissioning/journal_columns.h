#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include "journal_entry.h"

namespace vt {

// The columns of the journal window, as the grid shows them and the CSV file carries them.
enum class JournalColumn {
    Id,
    Date,
    Time,
    Window,
    Target,
    Caption,
    Before,
    Sent,
    Entered,
    Result,
    Retry,
};
inline constexpr int kJournalColumns = 11;

// "编号", "日期", "时间", "窗口", "地址", "参数", "原值", "写入值", "输入值", "结果", "重发".
const QStringList& JournalCaptions();

// What became of a write, in words: "已写入", "无应答", "异常应答（代码 2）", ...
QString JournalResultText(JournalResult result, std::int32_t code);

// The text of one cell of an entry.
QString JournalCellText(const JournalEntry& entry, JournalColumn column);

// The background of an entry that the controller did not confirm.
inline const QColor kUnconfirmedColour{255, 192, 192};

}  // namespace vt
