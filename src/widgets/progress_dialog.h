#pragma once

#include <QString>

class QProgressDialog;
class QWidget;

namespace vt {

// A progress dialog `name` over `window` with the button "取消", shown and hidden by its user
// only (never on a timer of its own before its work starts; neither closed nor reset when
// full). Not modal: a modal dialog would run the event loop
// inside every progress update.
QProgressDialog* ProgressDialog(const QString& name, QWidget* window);

}  // namespace vt
