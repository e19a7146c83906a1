#pragma once

#include "paged_table_model.h"
#include "ring_page_reader.h"
#include "ring_record.h"

class QSqlDatabase;

namespace vt {

// The ten-second ring as a read-only table, oldest record first. Rows are read a page at a
// time as the view scrolls towards them, so a full ring opens at once; the ring is taken as it
// stood when the model was made, and later records show the next time a model is made.
class RingTableModel : public PagedTableModel<RingPageReader, RingRecord> {
  public:
    // Reads the ring's position and size and its first page. The connection must outlive the
    // model.
    explicit RingTableModel(const QSqlDatabase& db, QObject* parent = nullptr);
    ~RingTableModel() override;

    // Records in the ring when the model was made (rowCount grows towards it).
    int totalRecords() const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

}  // namespace vt
