#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <vector>

namespace vt {

// A read-only table of records that are read a page at a time as the view scrolls towards
// them, so that a table of any size opens at once. `Reader` hands out the records in order:
// `std::vector<Row> next(int count)` and `bool atEnd() const`. A subclass reads the first page
// with fetchMore() and says what each cell shows in data().
template <typename Reader, typename Row>
class PagedTableModel : public QAbstractTableModel {
  public:
    static constexpr int kPageRows = 500;

    const Row& record(int row) const { return m_rows.at(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_captions.size());
    }
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
            return QAbstractTableModel::headerData(section, orientation, role);
        }
        return m_captions.value(section);
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }
    bool canFetchMore(const QModelIndex& parent) const override {
        return !parent.isValid() && m_reader && !m_reader->atEnd();
    }
    void fetchMore(const QModelIndex& parent) override {
        if (!canFetchMore(parent)) return;
        std::vector<Row> page = m_reader->next(kPageRows);
        if (page.empty()) return;
        const int first = rowCount();
        beginInsertRows({}, first, first + static_cast<int>(page.size()) - 1);
        m_rows.insert(m_rows.end(), page.begin(), page.end());
        endInsertRows();
    }

  protected:
    PagedTableModel(std::unique_ptr<Reader> reader, QStringList captions, QObject* parent)
        : QAbstractTableModel(parent),
          m_reader(std::move(reader)),
          m_captions(std::move(captions)) {}

    Reader& reader() const { return *m_reader; }
    bool holds(const QModelIndex& index) const {
        return index.isValid() && index.row() < rowCount();
    }
    void reserve(int rows) { m_rows.reserve(static_cast<std::size_t>(std::max(rows, 0))); }

  private:
    std::unique_ptr<Reader> m_reader;
    QStringList m_captions;
    std::vector<Row> m_rows;
};

}  // namespace vt
