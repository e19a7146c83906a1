#pragma once

class QTimer;

namespace vt {

// Names a window's timer by its control name (`Timer1`), so tests find it, and sets its interval.
void SetUpTimer(QTimer& timer, const char* name, int intervalMs);

}  // namespace vt
