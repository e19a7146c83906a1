#include "ring_record_row.h"

#include <QVariant>

namespace vt {

RingRecord RingRecordOf(const QSqlQuery& query) {
    RingRecord record;
    record.id = query.value(0).toInt();
    record.date = query.value(1).toDouble();
    record.time = query.value(2).toDouble();
    for (int i = 0; i < static_cast<int>(record.values.size()); ++i) {
        record.values[i] = query.value(3 + i).toFloat();
    }
    return record;
}

}  // namespace vt
