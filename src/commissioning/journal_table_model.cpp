#include "journal_table_model.h"

#include "journal_columns.h"

namespace vt {

JournalTableModel::JournalTableModel(const QSqlDatabase& db, const DayRange& days, QObject* parent)
    : QAbstractTableModel(parent),
      m_reader(std::make_unique<JournalPageReader>(db, days)),
      m_total(std::max(m_reader->count(), 0)) {
    m_rows = m_reader->next(kPageRows);
}

JournalTableModel::~JournalTableModel() = default;

int JournalTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int JournalTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kJournalColumns;
}

QVariant JournalTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
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

QVariant JournalTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return JournalCaptions().value(section);
}

Qt::ItemFlags JournalTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool JournalTableModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !m_reader->atEnd();
}

void JournalTableModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    std::vector<JournalEntry> page = m_reader->next(kPageRows);
    if (page.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(page.size()) - 1);
    m_rows.insert(m_rows.end(), page.begin(), page.end());
    endInsertRows();
}

}  // namespace vt
