#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace vt {

class AlarmCentre;

// The alarm sound: a beep every 2 s while an unacknowledged alarm stands, unless silenced
// ("消音", until the next new alarm) or switched off (kept as the setting alarms/sound).
class AlarmSound : public QObject {
    Q_OBJECT
  public:
    static constexpr int kBeepMs = 2000;
    using Beep = std::function<void()>;

    // `beep` defaults to QApplication::beep().
    explicit AlarmSound(const AlarmCentre& centre, Beep beep = {}, QObject* parent = nullptr);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool silenced() const { return m_silenced; }
    void silence();
    // Whether it beeps now.
    bool sounding() const { return m_timer.isActive(); }

  signals:
    void soundingChanged(bool sounding);

  private:
    void alarmRaised();
    void update();

    const AlarmCentre& m_centre;
    Beep m_beep;
    QTimer m_timer;
    bool m_enabled = true;
    bool m_silenced = false;
};

}  // namespace vt
