#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "batch_store.h"

namespace vt {

// The batches, open first and then newest first, read a page at a time as the view scrolls, so
// a file of ten thousand batches shows its first rows at once.
class BatchListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kPageRows = 200;

    explicit BatchListModel(QObject* parent = nullptr);

    // Reads the first page of `store` (none: empty) narrowed by `filter`.
    void reload(const BatchStore* store, const BatchFilter& filter);
    const BatchSummary* batchAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  private:
    const BatchStore* m_store = nullptr;
    BatchFilter m_filter;
    std::vector<BatchSummary> m_rows;
    bool m_complete = true;
};

// A duration in whole seconds as "h:mm:ss".
QString DurationText(std::int64_t seconds);

}  // namespace vt
