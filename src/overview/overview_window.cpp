#include "overview_window.h"

#include <QBoxLayout>

#include "entry_text.h"
#include "link_connection.h"
#include "link_health_view.h"
#include "navigation_bar.h"
#include "overview_layout.h"
#include "plant_link_view.h"
#include "polling_cycle.h"
#include "port_check_window.h"
#include "port_directory.h"
#include "port_panel.h"
#include "ring_reader.h"
#include "run_control_bar.h"
#include "saved_link_settings.h"
#include "trend_chart.h"
#include "trend_print_command.h"
#include "trend_readouts.h"
#include "trend_text.h"
#include "window_navigator.h"
#include "window_timer.h"

namespace vt {

namespace {

constexpr int kDisplayIntervalMs = 200;
constexpr int kRedrawIntervalMs = 1000;
constexpr int kClockIntervalMs = 1000;

const QColor kLiveValueColour{255, 192, 255};

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
    // Esc anywhere in the window exits.
    m_chart->installWindowKeys(this, [this] { exitStation(); });
    load();
}

OverviewWindow::~OverviewWindow() { unload(); }

void OverviewWindow::buildWidgets() {
    m_runBar = new RunControlBar(m_context.state, m_context.link, this);
    m_chart = new TrendChart(OverviewTrendSettings(), m_context.state);
    m_portPanel = new PortPanel(m_context.state, m_context.connection, m_context.ports);
    m_navigation = new NavigationBar(m_context.navigator, m_context.editors);
    m_linkHealth = new LinkHealthView(m_context.polling, m_context.connection);
    m_date = new ReadoutLabel(QStringLiteral("Label2_9"));
    m_time = new ReadoutLabel(QStringLiteral("Label2_10"));
    m_sampleStep = new ReadoutLabel(QStringLiteral("Label19"));
    m_surface = new ReadoutLabel(QStringLiteral("Label20"));
    QWidget* plantLink = m_context.plant ? new PlantLinkView(*m_context.plant) : nullptr;
    BuildOverviewLayout(
        this, OverviewParts{m_readouts, *m_runBar, m_chart, m_portPanel, m_navigation, m_linkHealth,
                            plantLink, m_date, m_time, m_sampleStep, m_surface});
    makeMoments();
    // F3 prints the chart as it stands.
    new TrendPrintCommand(*m_chart, *this, QStringLiteral("实时趋势"), m_context.state);
    SetUpTimer(m_displayTimer, "Timer1", kDisplayIntervalMs);
    SetUpTimer(m_redrawTimer, "Timer2", kRedrawIntervalMs);
    SetUpTimer(m_clockTimer, "Timer3", kClockIntervalMs);
    setMinimumSize(minimumSizeHint());
}

// The clock, the window's first moment and the ruler's reading share the date, the time and the
// first six value readouts; the live PV, OP and SV stand out in pink.
void OverviewWindow::makeMoments() {
    TrendReadouts::Labels labels{m_date, m_time, {}};
    std::array<QColor, kPenCount> colours;
    for (int j = 0; j < kPenCount; ++j) {
        labels.values[j] = m_readouts.label(QStringLiteral("D_3W_%1").arg(j));
        colours[j] = j < 3 ? kLiveValueColour : palette().color(QPalette::Base);
    }
    m_moments = new TrendReadouts(labels, colours, this);
}

void OverviewWindow::connectParts() {
    connect(&m_displayTimer, &QTimer::timeout, this, &OverviewWindow::refreshDisplay);
    connect(&m_redrawTimer, &QTimer::timeout, m_chart, &TrendChart::redraw);
    connect(&m_clockTimer, &QTimer::timeout, this, &OverviewWindow::showClock);
    connect(m_chart, &TrendChart::displayPausedChanged, this,
            &OverviewWindow::displayPausedChanged);
    m_moments->follow(m_chart);
    connect(m_portPanel, &PortPanel::portOpened, m_navigation,
            [this] { m_navigation->setSystemButtonsEnabled(true); });
    connect(m_portPanel, &PortPanel::portClosed, m_navigation,
            [this] { m_navigation->setSystemButtonsEnabled(false); });
    connect(m_portPanel, &PortPanel::portCheckRequested, this, [this](const ProbeSettings& chosen) {
        auto* check = new PortCheckWindow(m_context.link, m_context.ports.devicePath(chosen.port),
                                          chosen, m_context.connection.isOpen(), this);
        check->show();
    });
    connect(m_navigation, &NavigationBar::historyRequested, this, &OverviewWindow::goToHistory);
    connect(m_navigation, &NavigationBar::exitRequested, this, &OverviewWindow::exitStation);
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
    m_moments->restoreColours();
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

void OverviewWindow::openWithCurrentSettings() { m_portPanel->openWithCurrentSettings(); }

void OverviewWindow::refreshDisplay() {
    ControllerState& state = m_context.state;
    if (!m_chart->displayPaused()) m_moments->restoreColours();
    m_chart->displayTick(state.NewSampleFlag);
    m_readouts.refresh(state);
    m_sampleStep->showText(NumberText(m_chart->engine().state().SampleStep));
}

void OverviewWindow::showClock() {
    if (m_chart->rulerOn()) return;
    const TrendStamp now = StampOf(QDateTime::currentDateTime());
    m_moments->showMoment(now.date, now.time);
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
    leave();
    m_context.navigator.openHistory();
}

void OverviewWindow::exitStation() {
    leave();
    m_context.navigator.exitStation();
}

void OverviewWindow::addStatusLine(QWidget* line) {
    auto* page = qobject_cast<QBoxLayout*>(layout());
    if (page) page->insertWidget(page->indexOf(m_navigation), line);
}

}  // namespace vt
