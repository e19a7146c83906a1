#include "row_frame.h"

#include <QGridLayout>
#include <QGroupBox>

#include "parameter_row.h"

namespace vt {

QGroupBox* RowFrame(const QString& name, const QString& title,
                    std::span<ParameterRow* const> rows) {
    auto* frame = new QGroupBox(title);
    frame->setObjectName(name);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(8);
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i]->placeIn(grid, static_cast<int>(i));
    // Frames one under the other line up: every caption column fits ten characters.
    grid->setColumnMinimumWidth(0,
                                frame->fontMetrics().horizontalAdvance(QString(10, QChar(0x6D4B))));
    grid->setColumnStretch(4, 1);
    return frame;
}

}  // namespace vt
