#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "batch_dossier.h"
#include "batch_report_data.h"

class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace vt {

class BatchChart;
class BatchRecorder;
class CsvExportControl;
class LoadRuleFields;

// One batch's page: the header form with the load sensor and tolerances (editable while the
// batch is open), the chart, the verdict
// and integrity readouts with "校验", the segment table, the events, the signatures, a note on
// the open batch, "签名", the CSV export of its records, and its report: "打印报告" (a preview with
// the print dialog) and "保存PDF".
class BatchPage : public QWidget {
    Q_OBJECT
  public:
    BatchPage(BatchRecorder& recorder, QWidget* parent = nullptr);
    ~BatchPage() override;

    // Shows batch `id` (0: nothing). The chart comes first; the evaluation follows on the next
    // turn of the event loop.
    void showBatch(std::int64_t id);
    std::int64_t batchId() const { return m_batch ? m_batch->id : 0; }
    BatchChart* chart() const { return m_chart; }

  private:
    void buildForm();
    void loadChart(std::int64_t fromMs, std::int64_t toMs);
    // The readouts and what may be done, from the batch's state (open, ending, sealed).
    void showState();
    void evaluate();
    void showEvaluation(const BatchEvaluation& evaluation);
    void verify();
    void headerEdited(int field);
    void addNote();
    void openSignDialog();
    bool loadReport();
    void printReport();
    void saveReport();
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
    QPushButton* m_printButton;
    QPushButton* m_pdfButton;
    std::unique_ptr<QPrinter> m_printer;
    std::optional<BatchReportData> m_report;  // what the preview paints
};

}  // namespace vt
