#include "ring_table_model.h"

#include "ring_table_columns.h"

namespace vt {

RingTableModel::RingTableModel(const QSqlDatabase& db, QObject* parent)
    : PagedTableModel(std::make_unique<RingPageReader>(db), RingTableCaptions(), parent) {
    if (!reader().open()) return;
    reserve(reader().total());
    fetchMore({});
}

RingTableModel::~RingTableModel() = default;

int RingTableModel::totalRecords() const { return reader().total(); }

QVariant RingTableModel::data(const QModelIndex& index, int role) const {
    if (!holds(index)) return {};
    if (role == Qt::DisplayRole) return RingCellText(record(index.row()), index.column());
    if (role == Qt::TextAlignmentRole) {
        const bool isText =
            index.column() == kRingTableDateColumn || index.column() == kRingTableTimeColumn;
        return QVariant::fromValue(Qt::AlignVCenter | (isText ? Qt::AlignHCenter : Qt::AlignRight));
    }
    return {};
}

}  // namespace vt
