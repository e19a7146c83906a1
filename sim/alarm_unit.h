#pragma once

namespace vt::sim {

// What one alarm looks at, in input-1 engineering units (pv2 in input-2 units).
struct AlarmSignals {
    double pv = 0.0;
    double sv = 0.0;
    double pv2 = 0.0;
    double output = 0.0;  // percent
    bool sensorFault = false;
    bool segmentAlarm = false;  // the running program segment has its alarm flag
    double heaterBreakValue = 0.0;
    double heaterBreakOutput = 0.0;  // percent from which a low input 2 means a broken heater
};

// Settings of one alarm: type code (0 none, 1 high, 2 low, 3 high deviation, 4 low
// deviation, 5 deviation band, 6 heater break, 7 sensor fault, 8 program segment, 9 PV1-PV2,
// 10 PV2-PV1, 11 |PV1-PV2|), set value or deviation, hysteresis and delay in seconds.
struct AlarmSettings {
    int type = 0;
    double setting = 0.0;
    double hysteresis = 0.0;
    double delay = 0.0;
};

// One alarm output: comes on once its condition has held for the delay, goes off when the
// condition has fallen back by the hysteresis.
class AlarmUnit {
  public:
    void update(double dt, const AlarmSettings& settings, const AlarmSignals& signals);
    bool active() const { return m_active; }
    int statusCode() const { return m_active ? m_type : 0; }

  private:
    bool m_active = false;
    int m_type = 0;
    double m_pending = 0.0;  // seconds the condition has held while not yet active
};

}  // namespace vt::sim
