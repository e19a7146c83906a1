#include "alarm_list_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

#include "alarm_banner.h"
#include "alarm_centre.h"
#include "alarm_history_tab.h"
#include "alarm_list_model.h"
#include "alarm_shelf.h"
#include "alarm_sound.h"
#include "control_names.h"
#include "record_grid.h"

namespace vt {

namespace {

const QString kOperatorKey = QStringLiteral("alarms/operator");

QPushButton* Button(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

QLineEdit* NamedBox(const QString& name) {
    auto* box = new QLineEdit;
    NameCaptionlessControl(box, name);
    return box;
}

}  // namespace

AlarmListWindow::AlarmListWindow(AlarmCentre& centre, AlarmSound& sound,
                                 const QString& databasePath, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_centre(centre),
      m_sound(sound),
      m_model(new AlarmListModel(centre, this)),
      m_tabs(new QTabWidget),
      m_list(RecordGrid(QStringLiteral("AlarmList"), this)),
      m_history(new AlarmHistoryTab(databasePath)),
      m_operator(NamedBox(QStringLiteral("OperatorName"))),
      m_comment(NamedBox(QStringLiteral("AlarmComment"))),
      m_shelf(new QComboBox),
      m_soundOn(new QCheckBox(QStringLiteral("报警声音"))),
      m_status(new QLabel) {
    setObjectName(QStringLiteral("bjyl"));
    setWindowTitle(QStringLiteral("报警一览"));
    resize(900, 560);
    m_list->setModel(m_model);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->resizeColumnsToContents();
    connect(m_model, &QAbstractItemModel::modelReset, m_list, &QTableView::resizeColumnsToContents);
    m_operator->setText(QSettings().value(kOperatorKey).toString());
    connect(m_operator, &QLineEdit::textChanged, this,
            [](const QString& name) { QSettings().setValue(kOperatorKey, name.trimmed()); });
    NameCaptionlessControl(m_shelf, QStringLiteral("ShelfTime"));
    m_shelf->addItems(ShelfTexts());
    m_soundOn->setObjectName(QStringLiteral("SoundOn"));
    m_soundOn->setChecked(sound.enabled());
    connect(m_soundOn, &QCheckBox::toggled, &sound, &AlarmSound::setEnabled);
    m_status->setObjectName(QStringLiteral("AlarmStatus"));

    m_tabs->addTab(buildCurrentTab(), QStringLiteral("当前报警"));
    m_tabs->addTab(m_history, QStringLiteral("报警历史"));
    connect(m_tabs, &QTabWidget::currentChanged, this, &AlarmListWindow::tabChanged);
    auto* page = new QVBoxLayout(this);
    page->addLayout(buildAnswerBar());
    page->addWidget(m_tabs, 1);
    page->addWidget(m_status);

    m_flash.setInterval(AlarmBanner::kFlashMs);
    connect(&m_flash, &QTimer::timeout, this,
            [this, lit = true]() mutable { m_model->setFlashLit(lit = !lit); });
    m_flash.start();
}

AlarmListWindow::~AlarmListWindow() { m_list->setModel(nullptr); }

QLayout* AlarmListWindow::buildAnswerBar() {
    auto* bar = new QHBoxLayout;
    auto* name = new QLabel(QStringLiteral("操作员"));
    name->setBuddy(m_operator);
    auto* comment = new QLabel(QStringLiteral("备注"));
    comment->setBuddy(m_comment);
    bar->addWidget(name);
    bar->addWidget(m_operator);
    bar->addWidget(comment);
    bar->addWidget(m_comment, 1);
    bar->addWidget(m_soundOn);
    return bar;
}

QWidget* AlarmListWindow::buildCurrentTab() {
    auto* tab = new QWidget;
    auto* buttons = new QHBoxLayout;
    QPushButton* ack = Button(QStringLiteral("CommandAck"), QStringLiteral("确认"));
    QPushButton* ackAll = Button(QStringLiteral("CommandAckAll"), QStringLiteral("全部确认"));
    QPushButton* silence = Button(QStringLiteral("CommandSilence"), QStringLiteral("消音"));
    QPushButton* shelve = Button(QStringLiteral("CommandShelve"), QStringLiteral("搁置"));
    connect(ack, &QPushButton::clicked, this, &AlarmListWindow::acknowledgeSelected);
    connect(ackAll, &QPushButton::clicked, this, &AlarmListWindow::acknowledgeAll);
    connect(silence, &QPushButton::clicked, &m_sound, &AlarmSound::silence);
    connect(shelve, &QPushButton::clicked, this, &AlarmListWindow::shelveSelected);
    for (QPushButton* button : {ack, ackAll, silence}) buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(m_shelf);
    buttons->addWidget(shelve);
    auto* column = new QVBoxLayout(tab);
    column->addWidget(m_list, 1);
    column->addLayout(buttons);
    return tab;
}

bool AlarmListWindow::haveOperator() {
    if (!m_operator->text().trimmed().isEmpty()) return true;
    m_status->setText(QStringLiteral("请先输入操作员姓名"));
    m_operator->setFocus();
    return false;
}

std::vector<int> AlarmListWindow::selectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    return {rows.begin(), rows.end()};
}

void AlarmListWindow::answerSelected(const Answer& answer) {
    if (!haveOperator()) return;
    std::vector<AlarmSource> sources;
    for (int row : selectedRows()) sources.push_back(m_model->source(row));
    const QString who = m_operator->text().trimmed();
    const QString comment = m_comment->text().trimmed();
    for (AlarmSource source : sources) answer(source, who, comment);
    m_status->setText(sources.empty() ? QStringLiteral("请先选择报警") : QString());
    if (!sources.empty()) m_comment->clear();
}

void AlarmListWindow::acknowledgeSelected() {
    answerSelected([this](AlarmSource source, const QString& who, const QString& comment) {
        m_centre.acknowledge(source, who, comment);
    });
}

void AlarmListWindow::shelveSelected() {
    const auto shelf = static_cast<AlarmShelf>(m_shelf->currentIndex());
    answerSelected([this, shelf](AlarmSource source, const QString& who, const QString& comment) {
        m_centre.shelve(source, shelf, who, comment);
    });
}

void AlarmListWindow::acknowledgeAll() {
    if (!haveOperator()) return;
    m_centre.acknowledgeAll(m_operator->text().trimmed(), m_comment->text().trimmed());
    m_comment->clear();
    m_status->clear();
}

void AlarmListWindow::tabChanged(int index) {
    if (m_tabs->widget(index) == m_history) m_history->query();
}

}  // namespace vt
