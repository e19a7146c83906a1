#pragma once

#include <QString>
#include <span>

class QGroupBox;

namespace vt {

class ParameterRow;

// A captioned frame (no caption when `title` is empty) holding `rows` one under the other, each
// as caption, value, input, button and hint; the hint column takes the spare width. The caption
// column is as wide in every such frame, so frames one under the other line up.
QGroupBox* RowFrame(const QString& name, const QString& title, std::span<ParameterRow* const> rows);

}  // namespace vt
