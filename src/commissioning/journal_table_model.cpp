#include "journal_table_model.h"

#include "journal_columns.h"

namespace vt {

JournalTableModel::JournalTableModel(const QSqlDatabase& db, const DayRange& days, QObject* parent)
    : PagedTableModel(std::make_unique<JournalPageReader>(db, days), JournalCaptions(), parent) {
    m_total = std::max(reader().count(), 0);
    fetchMore({});
}

JournalTableModel::~JournalTableModel() = default;

QVariant JournalTableModel::data(const QModelIndex& index, int role) const {
    if (!holds(index)) return {};
    const JournalEntry& shown = entry(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return JournalCellText(shown, static_cast<JournalColumn>(index.column()));
        case Qt::BackgroundRole:
            return shown.unconfirmed() ? QVariant(kUnconfirmedColour) : QVariant();
        case Qt::TextAlignmentRole: {
            const auto column = static_cast<JournalColumn>(index.column());
            const bool number = column == JournalColumn::Id || column == JournalColumn::Sent;
            return QVariant::fromValue(Qt::AlignVCenter |
                                       (number ? Qt::AlignRight : Qt::AlignLeft));
        }
        default:
            return {};
    }
}

}  // namespace vt
