#include "history_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "history_readouts.h"
#include "history_report_command.h"
#include "named_button.h"
#include "ring_reader.h"
#include "trend_chart.h"
#include "trend_print_command.h"
#include "trend_readouts.h"
#include "window_navigator.h"
#include "window_timer.h"

namespace vt {

namespace {

constexpr int kDisplayIntervalMs = 200;
constexpr int kRedrawIntervalMs = 1000;

QLabel* TitleLabel(QWidget* parent) {
    auto* title = new QLabel(QStringLiteral("历史长周期曲线"), parent);
    title->setObjectName(QStringLiteral("Title"));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    title->setFont(font);
    return title;
}

}  // namespace

HistoryWindow::HistoryWindow(StationContext& context, QWidget* parent)
    : GuardedWindow(parent), m_context(context) {
    setObjectName(QStringLiteral("lsqx"));
    setWindowTitle(QStringLiteral("过程控制仪表"));
    buildWidgets();
    connectParts();
    // Esc returns to the overview.
    m_chart->installWindowKeys(this, [this] { goBack(); });
    load();
}

HistoryWindow::~HistoryWindow() { unload(); }

void HistoryWindow::setArchives(ArchiveCatalogue* archives) { m_report->setArchives(archives); }

void HistoryWindow::buildWidgets() {
    m_chart = new TrendChart(HistoryTrendSettings(), m_context.state, this);
    m_readouts = new HistoryReadouts(this);
    // F3 prints the chart as it stands.
    new TrendPrintCommand(*m_chart, *this, QStringLiteral("历史长周期曲线"), m_context.state);
    QPushButton* table = NamedButton(QStringLiteral("Command9"), QStringLiteral("历史表格"), this);
    QPushButton* report =
        NamedButton(QStringLiteral("CommandHistoryReport"), QStringLiteral("历史报告"), this);
    QPushButton* journal =
        NamedButton(QStringLiteral("CommandJournal"), QStringLiteral("操作记录"), this);
    QPushButton* batches =
        NamedButton(QStringLiteral("CommandBatches"), QStringLiteral("批次记录"), this);
    connect(batches, &QPushButton::clicked, this,
            [this] { m_context.navigator.openBatchRecords(); });
    QPushButton* back = NamedButton(QStringLiteral("Command1"), QStringLiteral("返回"), this);
    connect(table, &QPushButton::clicked, this, &HistoryWindow::openTable);
    connect(journal, &QPushButton::clicked, this, &HistoryWindow::openJournal);
    m_report = makeReportCommand();
    connect(report, &QPushButton::clicked, m_report, &HistoryReportCommand::run);
    connect(back, &QPushButton::clicked, this, &HistoryWindow::goBack);

    auto* top = new QHBoxLayout;
    top->addWidget(TitleLabel(this));
    top->addStretch(1);
    top->addWidget(m_readouts);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(table);
    bottom->addWidget(report);
    bottom->addWidget(journal);
    bottom->addWidget(batches);
    bottom->addStretch(1);
    bottom->addWidget(back);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addLayout(top);
    page->addWidget(m_chart, 1);
    page->addLayout(bottom);

    SetUpTimer(m_displayTimer, "Timer1", kDisplayIntervalMs);
    SetUpTimer(m_redrawTimer, "Timer2", kRedrawIntervalMs);
}

// A report over a range of the ten-second ring, read on the window's own connection, or of a
// batch's archive when the station keeps them.
HistoryReportCommand* HistoryWindow::makeReportCommand() {
    HistoryReportRequest base;
    base.title = QStringLiteral("历史报告");
    base.station = StationText(m_context.state);
    base.pens = TrendHistoryPens(HistoryTrendSettings().PenNames);
    base.gapSeconds = kGapThreshold * 86400.0;
    auto source = [this]() -> std::unique_ptr<SeriesSource> {
        if (!m_reader) return nullptr;
        return std::make_unique<RingSeriesSource>(*m_reader);
    };
    return new HistoryReportCommand(*this, source, base);
}

void HistoryWindow::connectParts() {
    connect(&m_displayTimer, &QTimer::timeout, this, &HistoryWindow::refreshDisplay);
    connect(&m_redrawTimer, &QTimer::timeout, m_chart, &TrendChart::redraw);
    connect(m_chart, &TrendChart::displayPausedChanged, this, &HistoryWindow::displayPausedChanged);
    m_readouts->moments()->follow(m_chart);
}

void HistoryWindow::load() {
    m_context.state.TrendWindowOpen = true;
    // The live load below reads the newest record; a notice of an earlier one (raised while
    // the overview was open) would only add a second copy of it.
    m_context.state.NewHistorySampleFlag = false;
    m_db = DbConnection(m_context.databasePath, QStringLiteral("lsqx"));
    m_reader = std::make_unique<RingReader>(m_db.database(), Ring::TenSecond);
    setKeepOpen(true);
    m_chart->setSource(m_reader.get());
    m_chart->initialise();
    m_loaded = true;
    refreshDisplay();
    m_displayTimer.start();
    m_redrawTimer.start();
}

void HistoryWindow::unload() {
    if (!m_loaded) return;
    m_loaded = false;
    m_displayTimer.stop();
    m_redrawTimer.stop();
    m_chart->setSource(nullptr);
    m_reader.reset();
    m_db = DbConnection();
    m_context.state.TrendWindowOpen = false;
}

void HistoryWindow::refreshDisplay() {
    ControllerState& state = m_context.state;
    m_chart->displayTick(state.NewHistorySampleFlag);
    m_readouts->showLiveValues(state);
}

void HistoryWindow::displayPausedChanged(bool paused) {
    // While the ruler is on or the trend is paged back, the readouts hold still and a new
    // ten-second record waits (its flag stays set) until the live window runs again.
    if (paused) {
        m_displayTimer.stop();
        return;
    }
    m_readouts->moments()->restoreColours();
    if (m_loaded) m_displayTimer.start();
}

void HistoryWindow::openTable() { m_context.navigator.openHistoryTable(); }

void HistoryWindow::openJournal() { m_context.navigator.openJournal(); }

void HistoryWindow::goBack() {
    leave();
    m_context.navigator.returnFromHistory();
}

}  // namespace vt
