#pragma once

#include <QWidget>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;

namespace vt {

class BatchListModel;
class BatchPage;
class BatchRecorder;

// The window `pcjl` "批次记录": the list of batches (open first, then newest first) with search
// by date range, number and part, "开始批次", "结束批次", the automatic start switch, the
// records file's state, and the chosen batch's page. "返回" closes it.
class BatchWindow : public QWidget {
    Q_OBJECT
  public:
    explicit BatchWindow(BatchRecorder& recorder, QWidget* parent = nullptr);

    BatchPage* page() const { return m_page; }
    QTableView* list() const { return m_list; }
    // Reads the list again with the search as it stands.
    void search();

  private:
    QWidget* buildSearch();
    QWidget* buildCommands();
    void showFileState();
    void choose(int row);
    void startBatch();
    void endBatch();

    BatchRecorder& m_recorder;
    BatchListModel* m_model;
    QTableView* m_list;
    BatchPage* m_page;
    QCheckBox* m_byDate;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QLineEdit* m_number;
    QLineEdit* m_part;
    QCheckBox* m_autoStart;
    QLabel* m_fileState;
};

}  // namespace vt
