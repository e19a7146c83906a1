#include "alarm_history_model.h"

#include "alarm_columns.h"
#include "alarm_look.h"

namespace vt {

AlarmHistoryModel::AlarmHistoryModel(const QSqlDatabase& db, const AlarmFilter& filter,
                                     QObject* parent)
    : PagedTableModel(std::make_unique<AlarmPageReader>(db, filter), HistoryCaptions(), parent) {
    fetchMore({});
}

QVariant AlarmHistoryModel::data(const QModelIndex& index, int role) const {
    if (!holds(index)) return {};
    const AlarmTransition& t = record(index.row());
    if (role == Qt::DisplayRole) return HistoryCellText(t, index.column());
    if (role == Qt::BackgroundRole && index.column() == 3) {
        const QColor colour = StateColour(t.state);
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    return {};
}

}  // namespace vt
