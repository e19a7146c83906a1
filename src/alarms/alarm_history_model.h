#pragma once

#include "alarm_page_reader.h"
#include "paged_table_model.h"

namespace vt {

// The transitions a filter lets through as a read-only table, newest first, read a page at a
// time as the view scrolls towards them, so a full table opens at once.
class AlarmHistoryModel : public PagedTableModel<AlarmPageReader, AlarmTransition> {
  public:
    // Reads the first page. The connection must outlive the model.
    AlarmHistoryModel(const QSqlDatabase& db, const AlarmFilter& filter, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

}  // namespace vt
