#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "alarm_evaluator.h"
#include "block_read.h"
#include "link_failure.h"

namespace vt {

class AlarmCentre;
class ControllerLink;
class DataLogger;
class PollingCycle;
struct ControllerState;

// Gathers what the evaluator looks at and hands it to the alarm centre after every polling
// tick (the controller's bits are fresh then) and once a second besides (the station's own
// alarms go on while the port is closed). The configured alarm types (4161, 4162) are read
// every few seconds at window-read priority, and at once when the link comes up; until they
// are, the controller's alarms stay as they were. The disk is measured every 30 s.
class AlarmFeed : public QObject {
    Q_OBJECT
  public:
    using ReasonText = std::function<QString(LinkFailure)>;

    AlarmFeed(AlarmCentre& centre, ControllerState& state, ControllerLink& link,
              PollingCycle& polling, const DataLogger& logger, const QString& databasePath,
              ReasonText reasonText, QObject* parent = nullptr);

    // Starts the reads and the evaluations.
    void start();
    // The inputs as they stand now.
    AlarmInputs gather();

  private:
    void evaluate();
    void typesRead(std::int32_t first, const std::vector<std::int32_t>& values);
    void measureDisk();

    AlarmCentre& m_centre;
    const ControllerState& m_state;
    PollingCycle& m_polling;
    const DataLogger& m_logger;
    QString m_databasePath;
    ReasonText m_reasonText;
    PeriodicRead m_typeRead;
    QTimer m_second;
    QTimer m_diskTimer;
    int m_alarmTypes[2] = {0, 0};
    bool m_typesKnown = false;  // read since the link came up
    std::optional<DiskRoom> m_disk;
};

}  // namespace vt
