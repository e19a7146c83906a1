#include "batch_window.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "batch_list_model.h"
#include "batch_page.h"
#include "batch_recorder.h"
#include "control_names.h"
#include "named_button.h"

namespace vt {

BatchWindow::BatchWindow(BatchRecorder& recorder, QWidget* parent)
    : QWidget(parent), m_recorder(recorder) {
    setObjectName(QStringLiteral("pcjl"));
    setWindowTitle(QStringLiteral("批次记录"));
    m_model = new BatchListModel(this);
    m_list = new QTableView(this);
    NameCaptionlessControl(m_list, QStringLiteral("BatchList"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& index) { choose(index.row()); });
    m_page = new BatchPage(recorder, this);

    auto* left = new QWidget(this);
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->addWidget(buildSearch());
    leftColumn->addWidget(m_list, 1);
    leftColumn->addWidget(buildCommands());
    auto* split = new QSplitter(this);
    split->addWidget(left);
    split->addWidget(m_page);
    split->setStretchFactor(1, 2);
    auto* page = new QVBoxLayout(this);
    page->addWidget(split, 1);

    connect(&m_recorder, &BatchRecorder::batchesChanged, this, &BatchWindow::search);
    connect(&m_recorder, &BatchRecorder::problemChanged, this, &BatchWindow::showFileState);
    showFileState();
    search();
    resize(1280, 800);
}

QWidget* BatchWindow::buildSearch() {
    auto* bar = new QWidget(this);
    m_byDate = new QCheckBox(QStringLiteral("日期"), bar);
    m_from = new QDateEdit(QDate::currentDate().addMonths(-1), bar);
    m_to = new QDateEdit(QDate::currentDate(), bar);
    for (QDateEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }
    NameCaptionlessControl(m_from, QStringLiteral("BatchFrom"));
    NameCaptionlessControl(m_to, QStringLiteral("BatchTo"));
    m_number = new QLineEdit(bar);
    m_number->setPlaceholderText(QStringLiteral("批次号"));
    NameCaptionlessControl(m_number, QStringLiteral("BatchSearchNumber"));
    m_part = new QLineEdit(bar);
    m_part->setPlaceholderText(QStringLiteral("零件"));
    NameCaptionlessControl(m_part, QStringLiteral("BatchSearchPart"));
    QPushButton* find = NamedButton(QStringLiteral("CommandSearch"), QStringLiteral("查询"), bar);
    connect(find, &QPushButton::clicked, this, &BatchWindow::search);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_byDate, m_from, m_to, m_number, m_part, find})
        row->addWidget(w);
    return bar;
}

QWidget* BatchWindow::buildCommands() {
    auto* bar = new QWidget(this);
    QPushButton* start =
        NamedButton(QStringLiteral("CommandStartBatch"), QStringLiteral("开始批次"), bar);
    QPushButton* end =
        NamedButton(QStringLiteral("CommandEndBatch"), QStringLiteral("结束批次"), bar);
    QPushButton* back = NamedButton(QStringLiteral("Command1"), QStringLiteral("返回"), bar);
    m_autoStart = new QCheckBox(QStringLiteral("程序运行时自动开始"), bar);
    m_autoStart->setChecked(m_recorder.autoStart());
    connect(m_autoStart, &QCheckBox::toggled, &m_recorder, &BatchRecorder::setAutoStart);
    connect(start, &QPushButton::clicked, this, &BatchWindow::startBatch);
    connect(end, &QPushButton::clicked, this, &BatchWindow::endBatch);
    connect(back, &QPushButton::clicked, this, &QWidget::close);
    m_fileState = new QLabel(bar);
    m_fileState->setWordWrap(true);
    NameCaptionlessControl(m_fileState, QStringLiteral("RecordsFileState"));
    auto* column = new QVBoxLayout(bar);
    column->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    row->addWidget(start);
    row->addWidget(end);
    row->addWidget(m_autoStart);
    row->addStretch(1);
    row->addWidget(back);
    column->addLayout(row);
    column->addWidget(m_fileState);
    return bar;
}

void BatchWindow::showFileState() {
    const bool usable = m_recorder.usable();
    m_fileState->setText(usable ? QStringLiteral("记录文件: %1").arg(m_recorder.path())
                                : QStringLiteral("记录文件不可用: %1").arg(m_recorder.problem()));
    m_fileState->setStyleSheet(usable ? QString() : QStringLiteral("color: red"));
}

void BatchWindow::search() {
    BatchFilter filter;
    if (m_byDate->isChecked()) {
        filter.fromMs = m_from->date().startOfDay().toMSecsSinceEpoch();
        filter.toMs = m_to->date().addDays(1).startOfDay().toMSecsSinceEpoch() - 1;
    }
    filter.number = m_number->text().trimmed();
    filter.part = m_part->text().trimmed();
    const std::int64_t shown = m_page->batchId();
    m_model->reload(m_recorder.store(), filter);
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->batchAt(row)->id == shown) {
            m_list->selectRow(row);
            return;
        }
    }
    if (m_model->rowCount() > 0)
        m_list->selectRow(0);
    else
        m_page->showBatch(0);
}

void BatchWindow::choose(int row) {
    const BatchSummary* batch = m_model->batchAt(row);
    if (batch && batch->id != m_page->batchId()) m_page->showBatch(batch->id);
}

void BatchWindow::startBatch() {
    QString error;
    if (!m_recorder.startManual(m_recorder.proposal(), &error)) m_fileState->setText(error);
}

void BatchWindow::endBatch() {
    QString error;
    if (!m_recorder.endBatch(&error)) m_fileState->setText(error);
}

}  // namespace vt
