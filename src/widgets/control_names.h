#pragma once

#include <QString>

class QWidget;

namespace vt {

// Names a control that has no caption of its own: its control name becomes its objectName (for
// tests) and what assistive tools find it by. A label keeps its text as its accessible name, so
// that a reader hears the value, and carries the control name as its description; any other
// control carries the control name as both.
void NameCaptionlessControl(QWidget* control, const QString& name);

// The name of element `index` of a control array (`D_3W`, 7 -> `D_3W_7`).
QString ArrayControlName(const char* control, int index);

}  // namespace vt
