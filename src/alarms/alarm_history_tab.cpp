#include "alarm_history_tab.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "alarm_csv_exporter.h"
#include "alarm_history_model.h"
#include "control_names.h"
#include "csv_export_control.h"
#include "record_grid.h"
#include "station_database.h"

namespace vt {

namespace {

constexpr TransitionKind kKinds[] = {TransitionKind::Raise, TransitionKind::Clear,
                                     TransitionKind::Acknowledge, TransitionKind::Shelve,
                                     TransitionKind::Return};

QDateEdit* DayBox(const QString& name, const QDate& day) {
    auto* box = new QDateEdit(day);
    box->setCalendarPopup(true);
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    NameCaptionlessControl(box, name);
    return box;
}

}  // namespace

AlarmHistoryTab::AlarmHistoryTab(const QString& databasePath, QWidget* parent)
    : QWidget(parent),
      m_databasePath(databasePath),
      m_db(StationDatabase(databasePath).connect(QStringLiteral("alarm-history"))),
      m_from(DayBox(QStringLiteral("DateFrom"), QDate::currentDate().addDays(-7))),
      m_to(DayBox(QStringLiteral("DateTo"), QDate::currentDate())),
      m_text(new QLineEdit),
      m_kind(new QComboBox),
      m_grid(RecordGrid(QStringLiteral("AlarmHistory"), this)),
      m_export(new CsvExportControl(
          this, QStringLiteral("报警历史"), QStringLiteral("正在导出报警历史…"),
          [this](const QString& csvPath) {
              return std::make_unique<AlarmCsvExporter>(m_databasePath, csvPath, filter());
          })) {
    NameCaptionlessControl(m_text, QStringLiteral("FilterText"));
    NameCaptionlessControl(m_kind, QStringLiteral("FilterKind"));
    m_kind->addItem(QStringLiteral("全部"));
    for (TransitionKind kind : kKinds) m_kind->addItem(KindText(kind));
    auto* run = new QPushButton(QStringLiteral("查询"));
    run->setObjectName(QStringLiteral("CommandQuery"));
    connect(run, &QPushButton::clicked, this, &AlarmHistoryTab::query);
    connect(m_text, &QLineEdit::returnPressed, this, &AlarmHistoryTab::query);

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("从")));
    bar->addWidget(m_from);
    bar->addWidget(new QLabel(QStringLiteral("到")));
    bar->addWidget(m_to);
    bar->addWidget(new QLabel(QStringLiteral("内容")));
    bar->addWidget(m_text, 1);
    bar->addWidget(new QLabel(QStringLiteral("事件")));
    bar->addWidget(m_kind);
    bar->addWidget(run);
    auto* foot = new QHBoxLayout;
    foot->addWidget(m_export->button());
    foot->addWidget(m_export->status(), 1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(bar);
    page->addWidget(m_grid, 1);
    page->addLayout(foot);
}

AlarmHistoryTab::~AlarmHistoryTab() {
    delete m_export;
    m_grid->setModel(nullptr);
}

AlarmFilter AlarmHistoryTab::filter() const {
    AlarmFilter f{m_from->date(), m_to->date(), m_text->text().trimmed(), std::nullopt};
    if (m_kind->currentIndex() > 0) f.kind = kKinds[m_kind->currentIndex() - 1];
    return f;
}

void AlarmHistoryTab::setFilter(const AlarmFilter& f) {
    m_from->setDate(f.first);
    m_to->setDate(f.last);
    m_text->setText(f.text);
    m_kind->setCurrentIndex(f.kind ? static_cast<int>(*f.kind) + 1 : 0);
}

void AlarmHistoryTab::query() {
    auto model = std::make_unique<AlarmHistoryModel>(m_db.database(), filter());
    m_grid->setModel(model.get());
    m_model = std::move(model);
    m_grid->resizeColumnsToContents();
}

}  // namespace vt
