#include "journal_columns.h"

#include "modbus_master.h"
#include "record_text.h"

namespace vt {

const QStringList& JournalCaptions() {
    static const QStringList captions{
        QStringLiteral("编号"), QStringLiteral("日期"),   QStringLiteral("时间"),
        QStringLiteral("窗口"), QStringLiteral("地址"),   QStringLiteral("参数"),
        QStringLiteral("原值"), QStringLiteral("写入值"), QStringLiteral("输入值"),
        QStringLiteral("结果"), QStringLiteral("重发")};
    return captions;
}

QString JournalResultText(JournalResult result, std::int32_t code) {
    switch (result) {
        case JournalResult::Unknown:
            return QStringLiteral("已发送，结果未知");
        case JournalResult::Written:
            return QStringLiteral("已写入");
        case JournalResult::NoAnswer:
            return QStringLiteral("无应答");
        case JournalResult::Exception:
            if (code == kOtherException) return QStringLiteral("异常应答（其他代码）");
            return QStringLiteral("异常应答（代码 %1）").arg(-code);
        case JournalResult::PortClosed:
            return QStringLiteral("未发送：端口未打开");
        case JournalResult::Refused:
            return QStringLiteral("未发送：参数超出范围");
    }
    return {};
}

QString JournalCellText(const JournalEntry& entry, JournalColumn column) {
    switch (column) {
        case JournalColumn::Id:
            return QString::number(entry.id);
        case JournalColumn::Date:
            return RecordDateText(entry.date);
        case JournalColumn::Time:
            return RecordTimeText(entry.time);
        case JournalColumn::Window:
            return entry.window;
        case JournalColumn::Target:
            return (entry.coil ? QStringLiteral("线圈 %1") : QStringLiteral("寄存器 %1"))
                .arg(entry.number);
        case JournalColumn::Caption:
            return entry.caption;
        case JournalColumn::Before:
            return entry.before;
        case JournalColumn::Sent:
            return QString::number(entry.value);
        case JournalColumn::Entered:
            return entry.entered;
        case JournalColumn::Result:
            return JournalResultText(entry.result, entry.code);
        case JournalColumn::Retry:
            if (!entry.retried) return QStringLiteral("否");
            return QStringLiteral("是：") + JournalResultText(entry.retryResult, entry.retryCode);
    }
    return {};
}

}  // namespace vt
