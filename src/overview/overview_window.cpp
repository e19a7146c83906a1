#include "overview_window.h"

#include <QCloseEvent>
#include <QShortcut>

#include "link_connection.h"
#include "link_health_view.h"
#include "navigation_bar.h"
#include "number_text.h"
#include "overview_layout.h"
#include "polling_cycle.h"
#include "port_panel.h"
#include "ring_reader.h"
#include "run_control_bar.h"
#include "saved_link_settings.h"
#include "trend_chart.h"
#include "trend_text.h"
#include "window_navigator.h"

namespace vt {

namespace {

constexpr int kDisplayIntervalMs = 200;
constexpr int kRedrawIntervalMs = 1000;
constexpr int kClockIntervalMs = 1000;

const QColor kRulerColour{255, 255, 0};
const QColor kClockColour{128, 255, 128};
const QColor kLiveValueColour{255, 192, 255};

void SetUpTimer(QTimer& timer, const char* name, int interval) {
    timer.setObjectName(QLatin1String(name));
    timer.setInterval(interval);
}

}  // namespace

OverviewWindow::OverviewWindow(StationContext& context, QWidget* parent)
    : GuardedWindow(parent),
      m_context(context),
      m_displayTimer(this),
      m_redrawTimer(this),
      m_clockTimer(this) {
    setObjectName(QStringLiteral("ssqx"));
    setWindowTitle(QStringLiteral("\nProcess Controller  VT5800       OverView"));
    buildWidgets();
    connectParts();
    installKeys();
    load();
}

OverviewWindow::~OverviewWindow() { unload(); }

void OverviewWindow::buildWidgets() {
    m_runBar = new RunControlBar(m_context.state, m_context.link, this);
    m_chart = new TrendChart(OverviewTrendSettings(), m_context.state);
    m_portPanel = new PortPanel(m_context.state, m_context.connection, m_context.ports);
    m_navigation = new NavigationBar(m_context.navigator);
    m_linkHealth = new LinkHealthView(m_context.polling, m_context.connection);
    m_date = new ReadoutLabel(QStringLiteral("Label2_9"));
    m_time = new ReadoutLabel(QStringLiteral("Label2_10"));
    m_sampleStep = new ReadoutLabel(QStringLiteral("Label19"));
    m_surface = new ReadoutLabel(QStringLiteral("Label20"));
    BuildOverviewLayout(
        this, OverviewParts{m_readouts, *m_runBar, m_chart, m_portPanel, m_navigation, m_linkHealth,
                            m_date, m_time, m_sampleStep, m_surface});
    SetUpTimer(m_displayTimer, "Timer1", kDisplayIntervalMs);
    SetUpTimer(m_redrawTimer, "Timer2", kRedrawIntervalMs);
    SetUpTimer(m_clockTimer, "Timer3", kClockIntervalMs);
    setMinimumSize(minimumSizeHint());
}

void OverviewWindow::connectParts() {
    connect(&m_displayTimer, &QTimer::timeout, this, &OverviewWindow::refreshDisplay);
    connect(&m_redrawTimer, &QTimer::timeout, m_chart, &TrendChart::redraw);
    connect(&m_clockTimer, &QTimer::timeout, this, &OverviewWindow::showClock);
    connect(m_chart, &TrendChart::displayPausedChanged, this,
            &OverviewWindow::displayPausedChanged);
    connect(m_chart, &TrendChart::rulerMoved, this, &OverviewWindow::showRulerReading);
    connect(m_chart, &TrendChart::windowLoaded, this, &OverviewWindow::showMoment);
    connect(m_portPanel, &PortPanel::portOpened, m_navigation,
            [this] { m_navigation->setSystemButtonsEnabled(true); });
    connect(m_portPanel, &PortPanel::portClosed, m_navigation,
            [this] { m_navigation->setSystemButtonsEnabled(false); });
    connect(m_navigation, &NavigationBar::historyRequested, this, &OverviewWindow::goToHistory);
    connect(m_navigation, &NavigationBar::exitRequested, this, &OverviewWindow::exitStation);
}

void OverviewWindow::installKeys() {
    // Esc anywhere in the window exits; F1..F7 act as the chart's buttons.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &OverviewWindow::exitStation);
    for (int key = Qt::Key_F1; key <= Qt::Key_F7; ++key) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, m_chart, [this, key] { m_chart->handleKey(key); });
    }
}

void OverviewWindow::load() {
    m_db = DbConnection(m_context.databasePath, QStringLiteral("ssqx"));
    m_reader = std::make_unique<RingReader>(m_db.database(), Ring::Second);
    m_saved = std::make_unique<SavedLinkSettings>(m_db.database());
    m_portPanel->setSavedSettings(m_saved.get());
    m_portPanel->restore();
    m_runBar->load();
    m_context.state.TrendWindowOpen = true;
    setKeepOpen(true);
    m_chart->setSource(m_reader.get());
    m_chart->initialise();
    m_sampleStep->showText(QString::number(kSurfaceHeight));
    m_surface->showText(QString::number(kSurfaceWidth));
    m_loaded = true;
    m_displayTimer.start();
    m_redrawTimer.start();
    m_clockTimer.start();
    restoreRulerColours();
    showClock();
    // The operator's first step is opening the port, not typing a set value.
    m_portPanel->setFocus();
}

void OverviewWindow::unload() {
    if (!m_loaded) return;
    m_loaded = false;
    m_displayTimer.stop();
    m_redrawTimer.stop();
    m_clockTimer.stop();
    m_chart->setSource(nullptr);
    m_portPanel->setSavedSettings(nullptr);
    m_saved.reset();
    m_reader.reset();
    m_db = DbConnection();
    m_context.state.TrendWindowOpen = false;
}

void OverviewWindow::closeEvent(QCloseEvent* event) {
    // A refused close leaves the window fully working: nothing is released before the guard
    // has decided.
    GuardedWindow::closeEvent(event);
    if (event->isAccepted()) unload();
}

void OverviewWindow::openWithCurrentSettings() { m_portPanel->openWithCurrentSettings(); }

void OverviewWindow::refreshDisplay() {
    ControllerState& state = m_context.state;
    if (!m_chart->displayPaused()) restoreRulerColours();
    m_chart->refreshAxisLabels();
    if (state.NewSampleFlag) {
        m_chart->appendLiveSample();
        state.NewSampleFlag = false;
    }
    m_readouts.refresh(state);
    m_sampleStep->showText(
        QString::fromStdString(FormatNumber(m_chart->engine().state().SampleStep)));
}

void OverviewWindow::showClock() {
    if (m_chart->rulerOn()) return;
    const TrendStamp now = StampOf(QDateTime::currentDateTime());
    showMoment(now.date, now.time);
}

void OverviewWindow::showMoment(double date, double time) {
    m_date->showText(TrendDateText(date));
    m_time->showText(TrendTimeText(time));
}

void OverviewWindow::restoreRulerColours() {
    m_date->setBackground(kClockColour);
    m_time->setBackground(kClockColour);
    for (int j = 0; j < 6; ++j) {
        ReadoutLabel* readout = m_readouts.label(QStringLiteral("D_3W_%1").arg(j));
        readout->setBackground(j < 3 ? kLiveValueColour : palette().color(QPalette::Base));
    }
}

void OverviewWindow::showRulerReading(double date, double time,
                                      const std::array<float, 6>& values) {
    showMoment(date, time);
    m_date->setBackground(kRulerColour);
    m_time->setBackground(kRulerColour);
    for (int j = 0; j < 6; ++j) {
        ReadoutLabel* readout = m_readouts.label(QStringLiteral("D_3W_%1").arg(j));
        readout->showText(QString::fromStdString(FormatNumber(values[j])));
        readout->setBackground(kRulerColour);
    }
}

void OverviewWindow::displayPausedChanged(bool paused) {
    // While the ruler is on or the trend is paged back, the readouts hold still.
    if (paused) {
        m_displayTimer.stop();
        return;
    }
    if (!m_loaded) return;
    m_displayTimer.start();
    showClock();
}

void OverviewWindow::goToHistory() {
    unload();
    leave();
    m_context.navigator.openHistory();
}

void OverviewWindow::exitStation() {
    unload();
    leave();
    m_context.navigator.exitStation();
}

}  // namespace vt
