#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace vt {

// A push button with its caption and its control name as object name.
QPushButton* NamedButton(const QString& name, const QString& caption, QWidget* parent = nullptr);

}  // namespace vt
