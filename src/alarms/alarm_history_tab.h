#pragma once

#include <QWidget>
#include <memory>

#include "alarm_page_reader.h"
#include "db_connection.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QTableView;

namespace vt {

class AlarmHistoryModel;
class CsvExportControl;

// The tab "报警历史": every recorded transition within a range of days, filtered by text and
// by event, newest first, with the CSV export of what the filter lets through. It reads on a
// connection of its own.
class AlarmHistoryTab : public QWidget {
    Q_OBJECT
  public:
    explicit AlarmHistoryTab(const QString& databasePath, QWidget* parent = nullptr);
    ~AlarmHistoryTab() override;

    // Reads the history again with the filter as the controls set it ("查询").
    void query();
    AlarmFilter filter() const;
    void setFilter(const AlarmFilter& filter);

    QTableView* grid() const { return m_grid; }
    AlarmHistoryModel* model() const { return m_model.get(); }
    CsvExportControl* exporter() const { return m_export; }

  private:
    QString m_databasePath;
    DbConnection m_db;
    std::unique_ptr<AlarmHistoryModel> m_model;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QLineEdit* m_text;
    QComboBox* m_kind;
    QTableView* m_grid;
    CsvExportControl* m_export;
};

}  // namespace vt
