#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "alarm_book.h"

namespace vt {

class AlarmCentre;

// The alarms standing now (`AlarmList`), newest change first, each row on its state's colour.
class AlarmListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit AlarmListModel(const AlarmCentre& centre, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The source shown in `row`.
    AlarmSource source(int row) const { return m_rows.at(static_cast<std::size_t>(row))->source; }
    // Rows flashing now are shown lit or dark.
    void setFlashLit(bool lit);

  private:
    void reload();

    const AlarmCentre& m_centre;
    std::vector<const StandingAlarm*> m_rows;
    bool m_lit = true;
};

}  // namespace vt
