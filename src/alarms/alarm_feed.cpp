#include "alarm_feed.h"

#include <QFileInfo>
#include <QStorageInfo>

#include "alarm_centre.h"
#include "data_logger.h"
#include "polling_cycle.h"

namespace vt {

namespace {
constexpr std::int32_t kAlarmTypeRegister = 4161;
constexpr int kTypeReadMs = 5000;
constexpr int kEvaluateMs = 1000;
constexpr int kDiskMs = 30000;
}  // namespace

AlarmFeed::AlarmFeed(AlarmCentre& centre, ControllerState& state, ControllerLink& link,
                     PollingCycle& polling, const DataLogger& logger, const QString& databasePath,
                     ReasonText reasonText, QObject* parent)
    : QObject(parent),
      m_centre(centre),
      m_state(state),
      m_polling(polling),
      m_logger(logger),
      m_databasePath(databasePath),
      m_reasonText(std::move(reasonText)),
      m_typeRead(link, state, {{kAlarmTypeRegister, 2}}, kTypeReadMs) {
    m_second.setInterval(kEvaluateMs);
    m_diskTimer.setInterval(kDiskMs);
    connect(&m_polling, &PollingCycle::tickFinished, this, &AlarmFeed::evaluate);
    connect(&m_second, &QTimer::timeout, this, &AlarmFeed::evaluate);
    connect(&m_diskTimer, &QTimer::timeout, this, &AlarmFeed::measureDisk);
    connect(&m_typeRead, &PeriodicRead::blockValues, this, &AlarmFeed::typesRead);
}

void AlarmFeed::start() {
    measureDisk();
    m_typeRead.start();
    m_typeRead.readNow();
    m_second.start();
    m_diskTimer.start();
}

void AlarmFeed::typesRead(std::int32_t first, const std::vector<std::int32_t>& values) {
    if (first != kAlarmTypeRegister || values.size() < 2) return;
    m_alarmTypes[0] = values[0];
    m_alarmTypes[1] = values[1];
    m_typesKnown = true;
}

void AlarmFeed::measureDisk() {
    const QStorageInfo disk(QFileInfo(m_databasePath).absolutePath());
    if (!disk.isValid() || disk.bytesTotal() <= 0) return;
    m_disk = DiskRoom{disk.bytesAvailable(), disk.bytesTotal()};
}

AlarmInputs AlarmFeed::gather() {
    const LinkStatus& status = m_polling.status();
    AlarmInputs in;
    in.now = QDateTime::currentDateTime();
    // The controller's alarms are judged once their types are known, so each is named right.
    in.linkUp = status.up() && m_typesKnown;
    in.linkDown = status.down();
    if (in.linkDown && m_reasonText) in.linkReason = m_reasonText(status.reason());
    for (std::size_t k = 0; k < in.inputBits.size(); ++k)
        in.inputBits[k] = m_state.InputBits[k] != 0;
    in.alarm1Type = m_alarmTypes[0];
    in.alarm2Type = m_alarmTypes[1];
    in.pvText = QString::number(m_state.LiveValue[0]);
    in.databaseWritesFail = m_logger.lastWriteFailed();
    in.disk = m_disk;
    return in;
}

void AlarmFeed::evaluate() {
    if (!m_polling.status().up()) {
        m_typesKnown = false;  // read them afresh from the controller the link reaches next
    } else if (!m_typesKnown) {
        m_typeRead.readNow();
    }
    m_centre.evaluate(gather());
}

}  // namespace vt
