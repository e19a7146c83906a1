#include "journal_window.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "control_names.h"
#include "journal_columns.h"
#include "journal_csv_exporter.h"
#include "named_button.h"
#include "station_schema.h"
#include "window_navigator.h"

namespace vt {

namespace {

// A text as wide as a column needs, for the column widths.
constexpr const char16_t* kColumnSamples[kJournalColumns] = {
    u"0000000",
    u"2026/12/30",
    u"23:59:59",
    u"ssqx Process Controller VT5800 OverView",
    u"寄存器 0000",
    u"分组 20 加热比例带",
    u"-0000.0",
    u"-00000",
    u"0:摄氏度 ",
    u"异常应答（代码 11）",
    u"是：异常应答（代码 11）"};

RecordTableLook JournalLook() {
    return {QStringLiteral("czjl"),
            QStringLiteral("操作记录"),
            QStringLiteral("JournalGrid"),
            QStringLiteral("操作记录"),
            QStringLiteral("正在导出操作记录…"),
            QSize(1200, 640)};
}

QDateEdit* DateBox(const QString& name, QWidget* parent) {
    auto* box = new QDateEdit(parent);
    NameCaptionlessControl(box, name);
    box->setCalendarPopup(true);
    box->setDisplayFormat(QStringLiteral("yyyy/M/d"));
    return box;
}

}  // namespace

JournalWindow::JournalWindow(StationContext& context, QWidget* parent)
    : RecordTableWindow(
          context, JournalLook(),
          [this](const QString& csvPath) {
              return std::make_unique<JournalCsvExporter>(m_context.databasePath, csvPath, m_days);
          },
          parent),
      m_days(QDate::currentDate(), QDate::currentDate()) {
    grid()->horizontalHeader()->setStretchLastSection(true);
    addAboveGrid(buildRangeBar());
    // A station that never wrote has no journal yet: show it empty.
    QSqlDatabase db = database();
    if (db.isOpen()) schema::CreateWriteJournal(db);
    const QDate today = QDate::currentDate();
    showDays(DayRange(JournalPageReader::FirstDate(db).value_or(today), today));
}

QLayout* JournalWindow::buildRangeBar() {
    m_from = DateBox(QStringLiteral("DateFrom"), this);
    m_to = DateBox(QStringLiteral("DateTo"), this);
    QPushButton* query = NamedButton(QStringLiteral("CommandQuery"), QStringLiteral("查询"), this);
    connect(query, &QPushButton::clicked, this,
            [this] { showDays(DayRange(m_from->date(), m_to->date())); });
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("EntryCount"));
    auto* from = new QLabel(QStringLiteral("日期从"), this);
    from->setBuddy(m_from);
    auto* to = new QLabel(QStringLiteral("到"), this);
    to->setBuddy(m_to);

    auto* bar = new QHBoxLayout;
    bar->addWidget(from);
    bar->addWidget(m_from);
    bar->addWidget(to);
    bar->addWidget(m_to);
    bar->addWidget(query);
    bar->addStretch(1);
    bar->addWidget(m_count);
    return bar;
}

void JournalWindow::showDays(const DayRange& days) {
    m_days = days;
    m_from->setDate(days.first);
    m_to->setDate(days.last);
    showModel(std::make_unique<JournalTableModel>(database(), days));
    fitColumns();
    m_count->setText(QStringLiteral("共 %1 条").arg(model()->total()));
}

void JournalWindow::fitColumns() {
    const QFontMetrics metrics = grid()->fontMetrics();
    for (int column = 0; column < kJournalColumns; ++column) {
        const QString sample = QString::fromUtf16(kColumnSamples[column]);
        grid()->setColumnWidth(column, metrics.horizontalAdvance(sample) + 16);
    }
}

void JournalWindow::goBack() {
    leave();
    m_context.navigator.returnFromJournal();
}

}  // namespace vt
