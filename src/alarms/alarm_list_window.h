#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "alarm_types.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableView;

namespace vt {

class AlarmCentre;
class AlarmHistoryTab;
class AlarmListModel;
class AlarmSound;

// The window `bjyl` "报警一览": the alarms standing now (`AlarmList`) with "确认" (the selected),
// "全部确认", "消音" and "搁置", the operator's name (kept between uses) and an optional comment
// that go with every answer, the sound switch, and the tab "报警历史".
class AlarmListWindow : public QWidget {
    Q_OBJECT
  public:
    AlarmListWindow(AlarmCentre& centre, AlarmSound& sound, const QString& databasePath,
                    QWidget* parent = nullptr);
    ~AlarmListWindow() override;

    QTableView* list() const { return m_list; }
    AlarmHistoryTab* history() const { return m_history; }
    QLineEdit* operatorBox() const { return m_operator; }
    QLineEdit* commentBox() const { return m_comment; }
    QLabel* status() const { return m_status; }

    void acknowledgeSelected();
    void acknowledgeAll();
    void shelveSelected();

  private:
    using Answer = std::function<void(AlarmSource, const QString& who, const QString& comment)>;

    QWidget* buildCurrentTab();
    // Gives each selected alarm `answer` with the operator's name and the comment.
    void answerSelected(const Answer& answer);
    QLayout* buildAnswerBar();
    // The operator's name, or none (and a word on the status line) when the box is empty.
    bool haveOperator();
    std::vector<int> selectedRows() const;
    void tabChanged(int index);

    AlarmCentre& m_centre;
    AlarmSound& m_sound;
    AlarmListModel* m_model;
    QTabWidget* m_tabs;
    QTableView* m_list;
    AlarmHistoryTab* m_history;
    QLineEdit* m_operator;
    QLineEdit* m_comment;
    QComboBox* m_shelf;
    QCheckBox* m_soundOn;
    QLabel* m_status;
    QTimer m_flash;
};

}  // namespace vt
