#pragma once

#include <QColor>
#include <QString>

#include "alarm_book.h"

namespace vt {

// Background of a state (red, yellow, grey; none for normal).
QColor StateColour(AlarmState state);
// Whether the state flashes (active and unacknowledged).
bool StateFlashes(AlarmState state);

// What the overview's alarm line shows.
struct BannerLook {
    QString text;
    AlarmState state = AlarmState::Normal;
};

// The newest unacknowledged alarm (with the count when there are more), else the count of the
// alarms standing, else "无报警".
BannerLook BannerOf(const AlarmBook& book);

}  // namespace vt
