#include "data_logger.h"

#include <algorithm>
#include <utility>

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
    if (m_live && !m_live()) return;
    const ClockReading reading = ReadClock(now);
    if (okitime(reading) >= 1) {
        logInto(Ring::Second, reading, m_state.PvLastDate, m_state.PvLastTime,
                m_state.NewSampleFlag);
    }
    if (Rec1_time(reading) >= 10) {
        logInto(Ring::TenSecond, reading, m_state.LpvLastDate, m_state.LpvLastTime,
                m_state.NewHistorySampleFlag);
    }
}

std::int32_t DataLogger::okitime(const ClockReading& now) const {
    return WholeSecondsBetween(m_state.PvLastDate, m_state.PvLastTime, now);
}

std::int32_t DataLogger::Rec1_time(const ClockReading& now) const {
    return WholeSecondsBetween(m_state.LpvLastDate, m_state.LpvLastTime, now);
}

void DataLogger::logInto(Ring ring, const ClockReading& now, double& lastDate, double& lastTime,
                         bool& newSampleFlag) {
    lastTime = now.time;
    lastDate = now.date;
    std::array<float, 8> values{};
    std::copy_n(m_state.LiveValue.begin(), values.size(), values.begin());
    m_lastWriteFailed = !m_writer.append(ring, now.date, now.time, values);
    if (ring == Ring::Second && m_secondSink) m_secondSink(now, values);
    if (m_state.TrendWindowOpen) newSampleFlag = true;
}

}  // namespace vt
