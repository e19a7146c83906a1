#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "ring_record.h"

class QSqlDatabase;

namespace vt {

class RingPageReader;

// The ten-second ring as a read-only table, oldest record first. Rows are read a page at a
// time as the view scrolls towards them, so a full ring opens at once; the ring is taken as it
// stood when the model was made, and later records show the next time a model is made.
class RingTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kPageRows = 500;

    // Reads the ring's position and size and its first page. The connection must outlive the
    // model.
    explicit RingTableModel(const QSqlDatabase& db, QObject* parent = nullptr);
    ~RingTableModel() override;

    // Records in the ring when the model was made (rowCount grows towards it).
    int totalRecords() const;
    const RingRecord& record(int row) const { return m_rows.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  private:
    std::unique_ptr<RingPageReader> m_reader;
    std::vector<RingRecord> m_rows;
};

}  // namespace vt
