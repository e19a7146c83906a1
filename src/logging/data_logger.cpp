#include "data_logger.h"

#include <algorithm>
#include <utility>

#include "clock_reading.h"

namespace vt {

namespace {

constexpr int kTickMs = 100;

}  // namespace

DataLogger::DataLogger(ControllerState& state, const QString& databasePath, Clock clock,
                       QObject* parent)
    : QObject(parent), m_state(state), m_writer(databasePath), m_clock(std::move(clock)) {
    if (!m_clock) m_clock = [] { return QDateTime::currentDateTime(); };
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &DataLogger::Timer1_Timer);
}

void DataLogger::start() {
    m_writer.open();
    m_timer.start();
}

void DataLogger::Timer1_Timer() { tick(m_clock()); }

void DataLogger::tick(const QDateTime& now) {
    logInto(Ring::Second, 1, m_state.PvLastDate, m_state.PvLastTime, m_state.NewSampleFlag, now);
    logInto(Ring::TenSecond, 10, m_state.LpvLastDate, m_state.LpvLastTime,
            m_state.NewHistorySampleFlag, now);
}

void DataLogger::logInto(Ring ring, std::int32_t intervalSeconds, double& lastDate,
                         double& lastTime, bool& newSampleFlag, const QDateTime& now) {
    const ClockReading reading = ReadClock(now);
    if (WholeSecondsBetween(lastDate, lastTime, reading) < intervalSeconds) return;
    lastTime = reading.time;
    lastDate = reading.date;
    std::array<float, 8> values{};
    std::copy_n(m_state.LiveValue.begin(), values.size(), values.begin());
    m_writer.append(ring, reading.date, reading.time, values);
    if (m_state.TrendWindowOpen) newSampleFlag = true;
}

}  // namespace vt
