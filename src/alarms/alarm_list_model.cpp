#include "alarm_list_model.h"

#include "alarm_centre.h"
#include "alarm_columns.h"
#include "alarm_look.h"

namespace vt {

AlarmListModel::AlarmListModel(const AlarmCentre& centre, QObject* parent)
    : QAbstractTableModel(parent), m_centre(centre) {
    connect(&centre, &AlarmCentre::changed, this, &AlarmListModel::reload);
    reload();
}

void AlarmListModel::reload() {
    beginResetModel();
    m_rows = m_centre.book().standing();
    endResetModel();
}

int AlarmListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int AlarmListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kListColumns;
}

QVariant AlarmListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return ListCaptions().value(section);
}

QVariant AlarmListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const StandingAlarm& a = *m_rows[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) return ListCellText(a, index.column());
    const bool dark = StateFlashes(a.state) && !m_lit;
    if (role == Qt::BackgroundRole && !dark) {
        const QColor colour = StateColour(a.state);
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    if (role == Qt::ForegroundRole && !dark && a.state != AlarmState::ClearedUnack &&
        a.state != AlarmState::Shelved) {
        return QColor(Qt::white);
    }
    return {};
}

void AlarmListModel::setFlashLit(bool lit) {
    m_lit = lit;
    if (!m_rows.empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, kListColumns - 1));
}

}  // namespace vt
