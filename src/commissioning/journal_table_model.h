#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "journal_entry.h"
#include "journal_page_reader.h"

class QSqlDatabase;

namespace vt {

// The journal of writes dated within a range of days as a read-only table, newest first, with
// the entries the controller did not confirm on the warning colour. Rows are read a page at a
// time as the view scrolls towards them, so a full journal opens at once; the journal is taken
// as it stood when the model was made.
class JournalTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kPageRows = 500;

    // Counts the entries and reads the first page. The connection must outlive the model.
    JournalTableModel(const QSqlDatabase& db, const DayRange& days, QObject* parent = nullptr);
    ~JournalTableModel() override;

    // Entries dated within the days when the model was made (rowCount grows towards it).
    int total() const { return m_total; }
    const JournalEntry& entry(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  private:
    std::unique_ptr<JournalPageReader> m_reader;
    std::vector<JournalEntry> m_rows;
    int m_total = 0;
};

}  // namespace vt
