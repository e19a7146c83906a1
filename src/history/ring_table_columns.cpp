#include "ring_table_columns.h"

#include "entry_text.h"
#include "record_text.h"

namespace vt {

const QStringList& RingTableCaptions() {
    static const QStringList captions{QStringLiteral("编号"),    QStringLiteral("日期"),
                                      QStringLiteral("时间"),    QStringLiteral("当前测量值"),
                                      QStringLiteral("输出OP"),  QStringLiteral("当前设定值"),
                                      QStringLiteral("输入1PV"), QStringLiteral("输入2PV"),
                                      QStringLiteral("SV1"),     QStringLiteral("SV2")};
    return captions;
}

QString RingCellText(const RingRecord& record, int column) {
    switch (column) {
        case 0:
            return QString::number(record.id);
        case kRingTableDateColumn:
            return RecordDateText(record.date);
        case kRingTableTimeColumn:
            return RecordTimeText(record.time);
        default:
            if (column < 0 || column >= kRingTableColumns) return {};
            return NumberText(record.values[column - 3]);
    }
}

}  // namespace vt
