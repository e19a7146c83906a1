#include "batch_page.h"

#include <QDateTime>
#include <QFormLayout>
#include <QHeaderView>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "batch_chain.h"
#include "batch_chart.h"
#include "batch_csv_source.h"
#include "batch_list_model.h"
#include "batch_recorder.h"
#include "batch_report_buttons.h"
#include "control_names.h"
#include "csv_export_control.h"
#include "load_rule_fields.h"
#include "named_button.h"
#include "records_task.h"
#include "sign_dialog.h"

namespace vt {

namespace {

QString When(std::int64_t ms) {
    return ms ? QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
              : QStringLiteral("-");
}

QTableWidget* MakeTable(const QString& name, const QStringList& captions, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(captions.size()), parent);
    NameCaptionlessControl(table, name);
    table->setHorizontalHeaderLabels(captions);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void SetRow(QTableWidget* table, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c) table->setItem(row, c, new QTableWidgetItem(cells[c]));
}

QString Number(double v) { return QString::number(v, 'f', 1); }

// The evaluation with the events beside it, and the records counted so far.
struct PageReading {
    BatchDossier data;
    std::int64_t records = 0;
};

}  // namespace

BatchPage::BatchPage(BatchRecorder& recorder, QWidget* parent)
    : QWidget(parent),
      m_recorder(recorder),
      m_chartRead(new RecordsTask(recorder.path(), this)),
      m_evaluation(new RecordsTask(recorder.path(), this)),
      m_check(new RecordsTask(recorder.path(), this)),
      m_reports(new BatchReportButtons(recorder.path(), *this)) {
    setObjectName(QStringLiteral("BatchPage"));
    buildForm();
    connect(m_check, &RecordsTask::delivered, this, &BatchPage::enableCheck);
    connect(m_reports, &BatchReportButtons::message, this, &BatchPage::say);
    connect(&m_recorder, &BatchRecorder::batchesChanged, this, [this] {
        if (m_batch && (m_batch->isOpen() || m_batch->ending())) showBatch(m_batch->id);
    });
    // The sealed batch with the evaluation made off the UI thread: no second walk here.
    connect(&m_recorder, &BatchRecorder::batchClosed, this,
            [this](const BatchSummary& batch, const BatchEvaluation& evaluation) {
                if (batch.id != batchId()) return;
                m_batch = batch;
                showState();
                readEvaluation([evaluation](const BatchStore&) { return evaluation; });
            });
}

BatchPage::~BatchPage() = default;

void BatchPage::buildForm() {
    auto* form = new QFormLayout;
    for (int i = 0; i < kHeaderFieldCount; ++i) {
        const auto field = static_cast<HeaderField>(i);
        auto* edit = new QLineEdit(this);
        NameCaptionlessControl(edit, QStringLiteral("BatchHeader_") + HeaderKey(field));
        edit->setAccessibleName(HeaderCaption(field));
        connect(edit, &QLineEdit::editingFinished, this, [this, i] { headerEdited(i); });
        form->addRow(HeaderCaption(field), edit);
        m_header[i] = edit;
    }
    m_loadRule = new LoadRuleFields(m_recorder, *form, this);
    connect(m_loadRule, &LoadRuleFields::refused, this,
            [this](const QString& problem) { say(problem); });
    m_facts = new QLabel(this);
    NameCaptionlessControl(m_facts, QStringLiteral("BatchFacts"));
    m_facts->setWordWrap(true);
    m_chart = new BatchChart(this);
    connect(m_chart, &BatchChart::zoomRequested, this, &BatchPage::loadChart);
    connect(m_chart, &BatchChart::zoomReset, this, [this] { loadChart(0, 0); });
    m_verdict = new QLabel(this);
    NameCaptionlessControl(m_verdict, QStringLiteral("BatchVerdict"));
    m_integrity = new QLabel(this);
    NameCaptionlessControl(m_integrity, QStringLiteral("BatchIntegrity"));
    m_message = new QLabel(this);
    NameCaptionlessControl(m_message, QStringLiteral("BatchMessage"));
    // The line keeps the height of a Chinese message when empty, so that a message coming or
    // going does not lay the page out anew (and draw the chart again at another size).
    m_message->setMinimumHeight(QLabel(BatchReportButtons::ReadingText()).sizeHint().height());
    m_checkButton = NamedButton(QStringLiteral("CommandVerify"), QStringLiteral("校验"), this);
    connect(m_checkButton, &QPushButton::clicked, this, &BatchPage::verify);
    m_segments = MakeTable(
        QStringLiteral("SegmentTable"),
        {QStringLiteral("段"), QStringLiteral("设定值"), QStringLiteral("计划开始"),
         QStringLiteral("计划结束"), QStringLiteral("实际开始"), QStringLiteral("实际结束"),
         QStringLiteral("最小"), QStringLiteral("最大"), QStringLiteral("平均"),
         QStringLiteral("最大偏差"), QStringLiteral("带内时间/计划"), QStringLiteral("结果")},
        this);
    m_events =
        MakeTable(QStringLiteral("BatchEvents"),
                  {QStringLiteral("时间"), QStringLiteral("类别"), QStringLiteral("内容")}, this);
    auto* tabs = new QTabWidget(this);
    tabs->addTab(m_segments, QStringLiteral("分段"));
    tabs->addTab(m_events, QStringLiteral("事件"));
    m_note = new QLineEdit(this);
    NameCaptionlessControl(m_note, QStringLiteral("BatchNote"));
    m_noteButton = NamedButton(QStringLiteral("CommandNote"), QStringLiteral("添加备注"), this);
    connect(m_noteButton, &QPushButton::clicked, this, &BatchPage::addNote);
    m_signButton = NamedButton(QStringLiteral("CommandSign"), QStringLiteral("签名"), this);
    connect(m_signButton, &QPushButton::clicked, this, &BatchPage::openSignDialog);
    m_export =
        new CsvExportControl(this, QStringLiteral("batch"), QStringLiteral("正在导出批次记录"),
                             [this](const QString& csv) {
                                 return MakeBatchCsvExporter(m_recorder.path(), batchId(), csv);
                             });

    auto* readouts = new QHBoxLayout;
    readouts->addWidget(new QLabel(QStringLiteral("判定:"), this));
    readouts->addWidget(m_verdict, 1);
    readouts->addWidget(new QLabel(QStringLiteral("完整性:"), this));
    readouts->addWidget(m_integrity, 2);
    readouts->addWidget(m_checkButton);
    auto* actions = new QHBoxLayout;
    actions->addWidget(m_note, 1);
    actions->addWidget(m_noteButton);
    actions->addWidget(m_signButton);
    actions->addWidget(m_reports->printButton());
    actions->addWidget(m_reports->pdfButton());
    actions->addWidget(m_export->button());
    actions->addWidget(m_export->status());
    auto* top = new QHBoxLayout;
    top->addLayout(form, 1);
    top->addWidget(m_facts, 1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(m_chart, 3);
    page->addLayout(readouts);
    page->addWidget(tabs, 2);
    page->addLayout(actions);
    page->addWidget(m_message);
}

void BatchPage::showBatch(std::int64_t id) {
    const bool another = id != batchId();
    m_evaluation->cancel();
    m_chartRead->cancel();
    if (another) {
        m_check->cancel();
        m_facts->clear();
    }
    const BatchStore* store = m_recorder.store();
    m_batch = store ? store->batch(id) : std::nullopt;
    for (int i = 0; i < kHeaderFieldCount; ++i)
        m_header[i]->setText(m_batch ? m_batch->header.values[i] : QString());
    showState();
    m_segments->setRowCount(0);
    m_events->setRowCount(0);
    m_profile = {};
    m_chart->setData({});
    QJsonObject startCapture;
    for (const StoredEntry& s : m_batch ? store->entries(id) : std::vector<StoredEntry>{}) {
        if (s.entry.kind != EntryKind::Capture) continue;
        const QJsonObject capture = QJsonDocument::fromJson(s.entry.payload).object();
        if (startCapture.isEmpty()) startCapture = capture;
        m_profile = PlannedProfile::fromCapture(capture);
        if (!m_profile.empty()) break;
    }
    m_loadRule->show(m_batch, startCapture);
    if (!m_batch) return;
    loadChart(0, 0);
    // An ending batch is being evaluated by the closer; batchClosed brings the result.
    if (!m_batch->ending())
        evaluate();
    else
        m_facts->setText(QStringLiteral("结束 %1, 记录 %2 条\n正在校验和评定")
                             .arg(When(m_batch->endedMs))
                             .arg(m_batch->recordCount));
}

void BatchPage::showState() {
    const bool open = m_batch && m_batch->isOpen();
    const bool ending = m_batch && m_batch->ending();
    for (QLineEdit* edit : m_header) edit->setReadOnly(!open);
    m_note->setEnabled(open);
    m_noteButton->setEnabled(open);
    m_signButton->setEnabled(m_batch && !open && !ending);
    m_export->button()->setEnabled(m_batch.has_value());
    m_reports->show(m_batch);
    enableCheck();
    m_verdict->setText(open      ? QStringLiteral("进行中")
                       : ending  ? QStringLiteral("正在结束")
                       : m_batch ? m_batch->verdict
                                 : QString());
    m_integrity->setText(m_check->busy() ? QStringLiteral("校验中") : storedIntegrity());
}

QString BatchPage::storedIntegrity() const {
    return !m_batch                       ? QString()
           : m_batch->ending()            ? QStringLiteral("校验中")
           : m_batch->integrity.isEmpty() ? QStringLiteral("未校验")
                                          : m_batch->integrity;
}

void BatchPage::enableCheck() { m_checkButton->setEnabled(m_batch && !m_check->busy()); }

// The chart's columns are read on a worker; the notes and gaps come with the evaluation, in
// whichever order the two arrive.
void BatchPage::loadChart(std::int64_t fromMs, std::int64_t toMs) {
    if (!m_batch) return;
    m_chartRead->run<BatchChartData>(
        [batch = *m_batch, profile = m_profile, width = m_chart->plotWidth(), fromMs, toMs](
            const BatchStore& store, const std::atomic<bool>&) {
            return LoadBatchChart(store, batch, profile, width, fromMs, toMs);
        },
        [this](BatchChartData data) {
            data.notes = m_chart->data().notes;
            data.gaps = m_chart->data().gaps;
            m_chart->setData(std::move(data));
        },
        [this](const QString& problem) { say(problem); });
}

void BatchPage::evaluate() {
    if (!m_batch) return;
    if (m_facts->text().isEmpty()) m_facts->setText(QStringLiteral("正在评定…"));
    const bool holds = !m_batch->integrity.startsWith(QStringLiteral("记录已被改动"));
    readEvaluation([batch = *m_batch, holds](const BatchStore& store) {
        return EvaluateBatch(store, batch, holds);
    });
}

void BatchPage::readEvaluation(std::function<BatchEvaluation(const BatchStore&)> evaluation) {
    if (!m_batch) return;
    m_evaluation->run<PageReading>(
        [batch = *m_batch, evaluation](const BatchStore& store, const std::atomic<bool>&) {
            PageReading r;
            r.data.batch = batch;
            r.data.evaluation = evaluation(store);
            ReadBatchEntries(store, r.data);
            r.records = batch.isOpen() ? store.recordCount(batch.id) : batch.recordCount;
            return r;
        },
        [this](const PageReading& r) { showEvaluation(r.data, r.records); },
        [this](const QString& problem) { say(problem); });
}

void BatchPage::showEvaluation(const BatchDossier& data, std::int64_t records) {
    if (!m_batch) return;
    // The chart is drawn anew only when its marks change.
    if (m_chart->data().notes != data.chart.notes || m_chart->data().gaps != data.evaluation.gaps) {
        BatchChartData chart = m_chart->data();
        chart.notes = data.chart.notes;
        chart.gaps = data.evaluation.gaps;
        m_chart->setData(std::move(chart));
    }
    fillSegments(data.evaluation);
    fillEvents(data);
    const BatchEvaluation& e = data.evaluation;
    const std::int64_t end =
        m_batch->isOpen() ? QDateTime::currentMSecsSinceEpoch() : m_batch->endedMs;
    m_facts->setText(
        QStringLiteral(
            "开始 %1%2\n结束 %3\n时长 %4\n记录 %5 条, 覆盖率 %6%\n中断 %7 次, 最长 %8 s, 共 %9 s\n"
            "曲线 %10, 负载传感器 %11, 温度带 ±%12, 时间容差 %13%\n写入 %14 次; 设定指纹%15")
            .arg(When(m_batch->startedMs),
                 m_batch->late ? QStringLiteral(" (迟到开始)") : QString(),
                 m_batch->isOpen() ? QStringLiteral("进行中") : When(m_batch->endedMs),
                 DurationText((end - m_batch->startedMs) / 1000))
            .arg(records)
            .arg(e.coverage, 0, 'f', 1)
            .arg(e.gapCount)
            .arg(e.longestGapSeconds)
            .arg(e.totalGapSeconds)
            .arg(m_profile.curve)
            .arg(SensorName(m_batch->sensor))
            .arg(m_batch->band)
            .arg(m_batch->timeTolerance)
            .arg(e.writes)
            .arg(data.settingsChanged            ? QStringLiteral("已改变")
                 : data.fingerprintEnd.isEmpty() ? QStringLiteral("未比较")
                                                 : QStringLiteral("未改变")));
    if (!m_batch->isOpen() && !e.reasons.isEmpty())
        m_verdict->setText(m_batch->verdict + QStringLiteral(": ") +
                           e.reasons.join(QStringLiteral("; ")));
}

void BatchPage::fillSegments(const BatchEvaluation& e) {
    const std::vector<SegmentResult> rows =
        e.hasProgram ? e.segments : std::vector<SegmentResult>{e.overall};
    m_segments->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const SegmentResult& s = rows[r];
        const auto clock = [](std::int64_t ms) {
            return ms ? QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("HH:mm:ss"))
                      : QStringLiteral("-");
        };
        SetRow(
            m_segments, r,
            {e.hasProgram ? QString::number(s.segment) : QStringLiteral("全部"), Number(s.setPoint),
             clock(s.plannedStartMs), clock(s.plannedEndMs), clock(s.actualStartMs),
             clock(s.actualEndMs), Number(s.minimum), Number(s.maximum), Number(s.mean),
             Number(s.largestDeviation),
             s.soak ? QStringLiteral("%1 / %2 s").arg(s.inBandSeconds).arg(s.plannedSeconds)
                    : QString(),
             s.soak ? (s.passed ? QStringLiteral("合格") : QStringLiteral("不合格")) : QString()});
    }
}

void BatchPage::fillEvents(const BatchDossier& data) {
    const int signatures = static_cast<int>(data.signatures.size());
    m_events->setRowCount(static_cast<int>(data.events.size()) + signatures);
    int row = 0;
    for (const BatchEvent& e : data.events)
        SetRow(m_events, row++, {When(e.timeMs), e.kind, e.text});
    for (const BatchSignature& s : data.signatures)
        SetRow(m_events, row++,
               {When(s.timeMs), QStringLiteral("签名"),
                QStringLiteral("%1 %2 %3 (%4)").arg(s.meaning, s.name, s.comment, s.account)});
}

void BatchPage::verify() {
    if (!m_batch) return;
    m_check->run<ChainCheck>(
        [batch = *m_batch](const BatchStore& store, const std::atomic<bool>&) {
            return VerifyBatch(store, batch);
        },
        [this](const ChainCheck& check) {
            m_integrity->setText(check.text());
            m_integrity->setToolTip(QStringLiteral("链头 ") + QString::fromLatin1(check.head));
        },
        [this](const QString& problem) {
            m_integrity->setText(storedIntegrity());
            say(problem);
        });
    m_integrity->setText(QStringLiteral("校验中"));
    enableCheck();
}

void BatchPage::headerEdited(int field) {
    if (!m_batch || !m_batch->isOpen()) return;
    const QString text = m_header[field]->text();
    if (text == m_batch->header.values[field]) return;
    QString error;
    if (!m_recorder.setHeaderField(static_cast<HeaderField>(field), text, &error)) {
        say(error);
        m_header[field]->setText(m_batch->header.values[field]);
    }
}

void BatchPage::addNote() {
    QString error;
    if (m_recorder.addNote(m_note->text(), &error))
        m_note->clear();
    else
        say(error);
}

void BatchPage::openSignDialog() {
    if (!m_batch) return;
    auto* dialog = new SignDialog(m_recorder, m_batch->id, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const std::int64_t id = m_batch->id;
    connect(dialog, &QDialog::accepted, this, [this, id] { showBatch(id); });
    dialog->open();
}

void BatchPage::say(const QString& message) { m_message->setText(message); }

}  // namespace vt
