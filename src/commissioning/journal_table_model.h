#pragma once

#include "journal_entry.h"
#include "journal_page_reader.h"
#include "paged_table_model.h"

class QSqlDatabase;

namespace vt {

// The journal of writes dated within a range of days as a read-only table, newest first, with
// the entries the controller did not confirm on the warning colour. Rows are read a page at a
// time as the view scrolls towards them, so a full journal opens at once; the journal is taken
// as it stood when the model was made.
class JournalTableModel : public PagedTableModel<JournalPageReader, JournalEntry> {
  public:
    // Counts the entries and reads the first page. The connection must outlive the model.
    JournalTableModel(const QSqlDatabase& db, const DayRange& days, QObject* parent = nullptr);
    ~JournalTableModel() override;

    // Entries dated within the days when the model was made (rowCount grows towards it).
    int total() const { return m_total; }
    const JournalEntry& entry(int row) const { return record(row); }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    int m_total = 0;
};

}  // namespace vt
