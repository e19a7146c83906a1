#include "ring_table_model.h"

#include "ring_page_reader.h"
#include "ring_table_columns.h"

namespace vt {

RingTableModel::RingTableModel(const QSqlDatabase& db, QObject* parent)
    : QAbstractTableModel(parent), m_reader(std::make_unique<RingPageReader>(db)) {
    if (!m_reader->open()) return;
    m_rows = m_reader->next(kPageRows);
    m_rows.reserve(m_reader->total());
}

RingTableModel::~RingTableModel() = default;

int RingTableModel::totalRecords() const { return m_reader->total(); }

int RingTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RingTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRingTableColumns;
}

QVariant RingTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return RingCellText(m_rows[index.row()], index.column());
    if (role == Qt::TextAlignmentRole) {
        const bool isText =
            index.column() == kRingTableDateColumn || index.column() == kRingTableTimeColumn;
        return QVariant::fromValue(Qt::AlignVCenter | (isText ? Qt::AlignHCenter : Qt::AlignRight));
    }
    return {};
}

QVariant RingTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return RingTableCaptions().value(section);
}

Qt::ItemFlags RingTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool RingTableModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !m_reader->atEnd();
}

void RingTableModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    std::vector<RingRecord> page = m_reader->next(kPageRows);
    if (page.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(page.size()) - 1);
    m_rows.insert(m_rows.end(), page.begin(), page.end());
    endInsertRows();
}

}  // namespace vt
