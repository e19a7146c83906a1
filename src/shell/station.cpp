#include "station.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include "alarm_banner.h"
#include "database_rescue.h"
#include "link_health_view.h"
#include "overview_window.h"
#include "plant_journal_recorder.h"
#include "simulator_server.h"
#include "splash_window.h"
#include "station_database.h"
#include "station_wiring.h"
#include "write_journal.h"

namespace vt {

namespace {
Q_LOGGING_CATEGORY(lcStation, "station")
constexpr int kSimulatedPort = 1;
constexpr std::int16_t kInitialAxisSpan = 1500;
}  // namespace

Station::Station(const StationOptions& options, QObject* parent)
    : QObject(parent),
      m_options(options),
      m_databaseLock(options.databasePath),
      m_simulator(options.simulate ? StartSimulator(options.simTimeFactor) : nullptr),
      m_plant(options.plant.enabled() ? std::make_unique<PlantLink>(options.plant) : nullptr),
      m_ports(MakePorts(options, m_simulator.get())),
      m_link(m_ports),
      m_polling(m_link, m_state),
      m_connection(m_link, m_polling, m_state),
      m_logger(m_state, options.databasePath),
      m_recorder(m_state, RecordsPathOf(options)),
      m_flow(m_state, m_link, m_polling, m_connection, m_ports, options.databasePath) {
    m_polling.setObjectName(QStringLiteral("Met1"));
    m_logger.setObjectName(QStringLiteral("mscom"));
    m_logger.setLiveCheck([this] { return m_polling.status().up(); });
    m_flow.setPlantLink(m_plant.get());
    connect(&m_flow, &StationWindowFlow::overviewMade, this, &Station::addAlarmLine);
    connect(&m_flow, &StationWindowFlow::exitRequested, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
}

Station::~Station() { delete m_alarmWindow; }

std::unique_ptr<sim::SimulatorServer> Station::StartSimulator(double timeFactor) {
    auto simulator = std::make_unique<sim::SimulatorServer>();
    sim::SimulatorOptions simOptions;
    simOptions.timeFactor = timeFactor;
    simulator->setOptions(simOptions);
    if (!simulator->start()) {
        qCCritical(lcStation) << "the simulated controller could not start";
        return nullptr;
    }
    qCInfo(lcStation) << "simulated controller on port 1:" << simulator->devicePath().c_str();
    return simulator;
}

// The link keeps its own copy of the port devices, so they are settled before it is made.
PortDirectory Station::MakePorts(const StationOptions& options,
                                 const sim::SimulatorServer* simulator) {
    PortDirectory ports;
    for (const auto& override : options.ports) ports.setDevice(override.port, override.device);
    if (simulator) ports.setDevice(kSimulatedPort, QString::fromStdString(simulator->devicePath()));
    return ports;
}

bool Station::start() {
    if (!m_databaseLock.acquire()) {
        m_startRefusal = m_databaseLock.refusal();
        return false;
    }
    if (m_options.simulate && !m_simulator) return false;
    const std::optional<QString> kept = KeepAsideIfUnusable(m_options.databasePath);
    StationDatabase(m_options.databasePath).prepare();
    startAlarms();
    if (kept) m_alarms->databaseRebuilt(*kept);
    // From here on every write the station sends is journaled (the file has its tables now).
    auto journal = std::make_unique<WriteJournal>(m_options.databasePath);
    if (m_plant) {
        m_link.setWriteRecorder(
            std::make_unique<PlantJournalRecorder>(std::move(journal), *m_plant));
        m_plantFeed =
            std::make_unique<PlantFeed>(*m_plant, m_state, m_polling, m_connection, m_ports);
        m_plant->start();
    } else {
        m_link.setWriteRecorder(std::move(journal));
    }
    startRecords();
    WireStation(*m_alarms, m_recorder, m_plant.get(), this);
    m_state.YSpan = kInitialAxisSpan;
    m_splash = new SplashWindow;
    m_splash->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_splash, &SplashWindow::finished, this, &Station::finishStartUp);
    m_splash->showCentred();
    return true;
}

// The batch records: the logger hands each one-second record to the open batch, and every tick
// whose blocks all came in tells the recorder the program state. A records file that cannot be
// used leaves the station running; the batch window says why.
void Station::startRecords() {
    m_recorder.setLink(&m_link);
    m_recorder.setStationDatabase(m_options.databasePath);
    if (m_simulator) m_recorder.setTimeScale(m_options.simTimeFactor);
    if (!m_recorder.open()) qCWarning(lcStation) << "records file:" << m_recorder.problem();
    m_flow.setRecorder(&m_recorder);
    m_logger.setSecondRecordSink(
        [this](const ClockReading& reading, const std::array<float, 8>& values) {
            m_recorder.appendSecond(reading, values);
        });
    connect(&m_polling, &PollingCycle::tickFinished, this, [this](int failedBlocks) {
        if (failedBlocks != 0) return;
        m_recorder.observeProgram(m_state.ProgramStatus[0], m_state.ProgramStatus[3]);
    });
}

void Station::finishStartUp() {
    OverviewWindow* overview = m_flow.showOverview();
    m_logger.start();
    m_alarmFeed->start();
    if (m_options.openAtStart) overview->openWithCurrentSettings();
    emit started();
}

void Station::startAlarms() {
    m_alarms = std::make_unique<AlarmCentre>(m_options.databasePath);
    m_alarmFeed = std::make_unique<AlarmFeed>(*m_alarms, m_state, m_link, m_polling, m_logger,
                                              m_options.databasePath, &LinkHealthView::ReasonText);
    m_alarmSound = std::make_unique<AlarmSound>(*m_alarms);
}

void Station::addAlarmLine(OverviewWindow* overview) {
    if (!m_alarms) return;
    auto* banner = new AlarmBanner(*m_alarms);
    connect(banner, &AlarmBanner::listRequested, this, &Station::showAlarmWindow);
    overview->addStatusLine(banner);
}

void Station::showAlarmWindow() {
    if (!m_alarmWindow) {
        m_alarmWindow = new AlarmListWindow(*m_alarms, *m_alarmSound, m_options.databasePath);
        m_alarmWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_alarmWindow->show();
    m_alarmWindow->raise();
    m_alarmWindow->activateWindow();
}

}  // namespace vt
