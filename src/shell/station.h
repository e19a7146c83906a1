#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "alarm_centre.h"
#include "alarm_feed.h"
#include "alarm_list_window.h"
#include "alarm_sound.h"
#include "batch_recorder.h"
#include "controller_link.h"
#include "controller_state.h"
#include "data_logger.h"
#include "link_connection.h"
#include "plant_feed.h"
#include "plant_link.h"
#include "polling_cycle.h"
#include "port_directory.h"
#include "single_writer_lock.h"
#include "splash_window.h"
#include "station_options.h"
#include "station_window_flow.h"

namespace vt {

namespace sim {
class SimulatorServer;
}

// The running station: the shared store, the controller link with its polling cycle (the
// hidden carrier `Met1`), the data logger (the hidden carrier `mscom`), the window flow and,
// when asked for, a simulated controller on port 1. Start-up goes through the splash window.
class Station : public QObject {
    Q_OBJECT
  public:
    explicit Station(const StationOptions& options, QObject* parent = nullptr);
    ~Station() override;

    // Prepares the database and the simulator and shows the splash window. False when the
    // simulator was asked for and could not start, or another station holds the database
    // (startRefusal() says which).
    bool start();
    const QString& startRefusal() const { return m_startRefusal; }

    ControllerState& state() { return m_state; }
    StationWindowFlow& flow() { return m_flow; }
    PollingCycle& polling() { return m_polling; }
    DataLogger& logger() { return m_logger; }
    BatchRecorder& recorder() { return m_recorder; }
    LinkConnection& connection() { return m_connection; }
    sim::SimulatorServer* simulator() { return m_simulator.get(); }
    SplashWindow* splash() { return m_splash; }
    PlantLink* plant() { return m_plant.get(); }
    // The alarms (made by start()): their transitionRecorded() signal carries every one.
    AlarmCentre* alarms() { return m_alarms.get(); }
    AlarmSound* alarmSound() { return m_alarmSound.get(); }
    // The window `bjyl`, made and shown by the overview's "报警一览".
    AlarmListWindow* alarmWindow() { return m_alarmWindow; }
    void showAlarmWindow();

  signals:
    // The overview is shown and the periodic work runs.
    void started();

  private:
    static std::unique_ptr<sim::SimulatorServer> StartSimulator(double timeFactor);
    void startRecords();
    static PortDirectory MakePorts(const StationOptions& options,
                                   const sim::SimulatorServer* simulator);
    void finishStartUp();
    void startAlarms();
    void addAlarmLine(OverviewWindow* overview);

    StationOptions m_options;
    SingleWriterLock m_databaseLock;  // two writers would corrupt the ring positions
    QString m_startRefusal;
    std::unique_ptr<sim::SimulatorServer> m_simulator;
    // Made before the link and gone after it: the link thread's journal publishes through it.
    std::unique_ptr<PlantLink> m_plant;
    ControllerState m_state;
    PortDirectory m_ports;
    ControllerLink m_link;
    PollingCycle m_polling;
    LinkConnection m_connection;
    DataLogger m_logger;
    BatchRecorder m_recorder;
    StationWindowFlow m_flow;
    QPointer<SplashWindow> m_splash;
    std::unique_ptr<PlantFeed> m_plantFeed;
    std::unique_ptr<AlarmCentre> m_alarms;
    std::unique_ptr<AlarmFeed> m_alarmFeed;
    std::unique_ptr<AlarmSound> m_alarmSound;
    QPointer<AlarmListWindow> m_alarmWindow;
};

}  // namespace vt
