#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "batch_dossier.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vt {

class BatchChart;
class BatchReportButtons;
class BatchRecorder;
class CsvExportControl;
class LoadRuleFields;
class RecordsTask;

// One batch's page: the header form with the load sensor and tolerances (editable while the
// batch is open), the chart, the verdict
// and integrity readouts with "校验", the segment table, the events, the signatures, a note on
// the open batch, "签名", the CSV export of its records, and its report: "打印报告" (a preview with
// the print dialog) and "保存PDF" (`BatchReportButtons`). Whatever reads the batch's records (the
// chart, the evaluation, 校验, the report's data, the saved PDF) runs on a `RecordsTask`: the page
// says what it is waiting for, the buttons that need the result wait, and another batch or the
// page's end drops the result.
class BatchPage : public QWidget {
    Q_OBJECT
  public:
    BatchPage(BatchRecorder& recorder, QWidget* parent = nullptr);
    ~BatchPage() override;

    // Shows batch `id` (0: nothing). The chart comes first; the evaluation follows from a worker.
    void showBatch(std::int64_t id);
    std::int64_t batchId() const { return m_batch ? m_batch->id : 0; }
    BatchChart* chart() const { return m_chart; }

  private:
    void buildForm();
    void loadChart(std::int64_t fromMs, std::int64_t toMs);
    // The readouts and what may be done, from the batch's state (open, ending, sealed).
    void showState();
    QString storedIntegrity() const;
    // "校验" waits while a check runs.
    void enableCheck();
    void evaluate();
    // Reads the events beside `evaluation` (made on the worker) and shows them all.
    void readEvaluation(std::function<BatchEvaluation(const BatchStore&)> evaluation);
    void showEvaluation(const BatchDossier& data, std::int64_t records);
    void verify();
    void headerEdited(int field);
    void addNote();
    void openSignDialog();
    void fillSegments(const BatchEvaluation& e);
    void fillEvents(const BatchDossier& data);
    void say(const QString& message);

    BatchRecorder& m_recorder;
    std::optional<BatchSummary> m_batch;
    PlannedProfile m_profile;
    std::array<QLineEdit*, kHeaderFieldCount> m_header{};
    LoadRuleFields* m_loadRule;
    QLabel* m_facts;
    BatchChart* m_chart;
    QLabel* m_verdict;
    QLabel* m_integrity;
    QLabel* m_message;
    QTableWidget* m_segments;
    QTableWidget* m_events;
    QLineEdit* m_note;
    QPushButton* m_noteButton;
    QPushButton* m_signButton;
    CsvExportControl* m_export;
    QPushButton* m_checkButton;
    RecordsTask* m_chartRead;
    RecordsTask* m_evaluation;
    RecordsTask* m_check;
    BatchReportButtons* m_reports;
};

}  // namespace vt
