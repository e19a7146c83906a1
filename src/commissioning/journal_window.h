#pragma once

#include "journal_page_reader.h"
#include "journal_table_model.h"
#include "record_table_window.h"

class QDateEdit;
class QLabel;

namespace vt {

// The journal window `czjl` "操作记录": every write the station sent, newest first, as a
// read-only grid `JournalGrid` with a column for every field, the writes the controller did not
// confirm on the warning colour. The two dates `DateFrom` and `DateTo` with "查询" choose the
// days shown (at first, from the oldest entry to today); "导出CSV" saves the entries shown;
// "返回上一级" goes back to the history window as it was left.
class JournalWindow : public RecordTableWindow {
    Q_OBJECT
  public:
    explicit JournalWindow(StationContext& context, QWidget* parent = nullptr);

    JournalTableModel* model() const { return static_cast<JournalTableModel*>(shownModel()); }
    const DayRange& days() const { return m_days; }

    // Shows the entries dated within `days`, as "查询" does with the two dates.
    void showDays(const DayRange& days);

  private:
    QLayout* buildRangeBar();
    void fitColumns();
    void goBack() override;

    DayRange m_days;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QLabel* m_count = nullptr;
};

}  // namespace vt
