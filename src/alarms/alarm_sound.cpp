#include "alarm_sound.h"

#include <QApplication>
#include <QSettings>

#include "alarm_centre.h"

namespace vt {

namespace {
const QString kSoundKey = QStringLiteral("alarms/sound");
}

AlarmSound::AlarmSound(const AlarmCentre& centre, Beep beep, QObject* parent)
    : QObject(parent), m_centre(centre), m_beep(std::move(beep)) {
    if (!m_beep) m_beep = [] { QApplication::beep(); };
    m_enabled = QSettings().value(kSoundKey, true).toBool();
    m_timer.setInterval(kBeepMs);
    connect(&m_timer, &QTimer::timeout, this, [this] { m_beep(); });
    connect(&centre, &AlarmCentre::alarmRaised, this, &AlarmSound::alarmRaised);
    connect(&centre, &AlarmCentre::changed, this, &AlarmSound::update);
    update();
}

void AlarmSound::setEnabled(bool enabled) {
    m_enabled = enabled;
    QSettings().setValue(kSoundKey, enabled);
    update();
}

void AlarmSound::silence() {
    m_silenced = true;
    update();
}

void AlarmSound::alarmRaised() { m_silenced = false; }

void AlarmSound::update() {
    const bool on = m_enabled && !m_silenced && m_centre.book().unacknowledgedCount() > 0;
    if (on == m_timer.isActive()) return;
    if (on) {
        m_beep();
        m_timer.start();
    } else {
        m_timer.stop();
    }
    emit soundingChanged(on);
}

}  // namespace vt
