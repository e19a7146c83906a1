#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>

#include "clock_reading.h"
#include "controller_state.h"
#include "ring_writer.h"

namespace vt {

// The data logger of the hidden window `mscom`: every 100 ms from start() to the end of the
// process it writes `LiveValue`[0..7] into the one-second ring once per clock second and into
// the ten-second ring once per ten clock seconds, and tells a loaded trend window about each
// new record. While the link is down it writes nothing, so the history never shows values
// nobody measured: the gap stays where the outage was, and logging resumes with the first tick
// after the link is back. A failing database never stops it.
class DataLogger : public QObject {
    Q_OBJECT
  public:
    using Clock = std::function<QDateTime()>;
    // Whether `LiveValue` holds values measured just now (the link is up).
    using LiveCheck = std::function<bool()>;
    // Handed each one-second record right after it went into the ring (the batch archive).
    using SecondRecordSink = std::function<void(const ClockReading&, const std::array<float, 8>&)>;

    // `clock` defaults to the system clock.
    DataLogger(ControllerState& state, const QString& databasePath, Clock clock = {},
               QObject* parent = nullptr);

    // Where the logger learns whether the link is up; without one every tick's values count as
    // measured.
    void setLiveCheck(LiveCheck check) { m_live = std::move(check); }
    void setSecondRecordSink(SecondRecordSink sink) { m_secondSink = std::move(sink); }

    // Opens the logger's connection and starts the 100 ms timer; it runs until destruction.
    void start();
    bool isRunning() const { return m_timer.isActive(); }

    // One tick of the timer at the clock reading `now`; nothing while the link is down.
    void tick(const QDateTime& now);

    // Whole seconds between `now` and the newest record of the one-second ring (`okitime`) and
    // of the ten-second ring (`Rec1_time`) made in this run (a clock set back counts too).
    std::int32_t okitime(const ClockReading& now) const;
    std::int32_t Rec1_time(const ClockReading& now) const;

    // The ring positions (`PvId`, `LpvId`) are kept by the writer.
    const RingWriter& writer() const { return m_writer; }
    // The last record could not be written (the database write failed).
    bool lastWriteFailed() const { return m_lastWriteFailed; }

  private:
    void Timer1_Timer();
    void logInto(Ring ring, const ClockReading& now, double& lastDate, double& lastTime,
                 bool& newSampleFlag);

    ControllerState& m_state;
    RingWriter m_writer;
    Clock m_clock;
    LiveCheck m_live;
    SecondRecordSink m_secondSink;
    QTimer m_timer;
    bool m_lastWriteFailed = false;
};

}  // namespace vt
