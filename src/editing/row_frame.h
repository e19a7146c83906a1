#pragma once

#include <QString>
#include <initializer_list>
#include <span>

class QGroupBox;
class QWidget;

namespace vt {

class ParameterRow;

// A captioned frame (no caption when `title` is empty) holding `rows` one under the other, each
// as caption, value, input, button and hint; the hint column takes the spare width. The caption
// column is as wide in every such frame, so frames one under the other line up.
QGroupBox* RowFrame(const QString& name, const QString& title, std::span<ParameterRow* const> rows);

// One frame of a panel of rows: its control name, its caption and how many rows it holds.
struct FramedRows {
    QString name;
    QString title;
    int rowCount;
};

// Lays out a panel window of parameter rows: the frames one under the other, each holding the
// next rows in order, and the window's return button below them on the right.
void LayOutRowPanel(QWidget* window, std::span<ParameterRow* const> rows,
                    std::initializer_list<FramedRows> frames, QWidget* returnButton);

}  // namespace vt
