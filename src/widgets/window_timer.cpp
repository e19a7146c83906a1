#include "window_timer.h"

#include <QTimer>

namespace vt {

void SetUpTimer(QTimer& timer, const char* name, int intervalMs) {
    timer.setObjectName(QLatin1String(name));
    timer.setInterval(intervalMs);
}

}  // namespace vt
