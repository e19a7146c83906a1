#include "row_frame.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

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

void LayOutRowPanel(QWidget* window, std::span<ParameterRow* const> rows,
                    std::initializer_list<FramedRows> frames, QWidget* returnButton) {
    auto* page = new QVBoxLayout(window);
    std::size_t first = 0;
    for (const FramedRows& frame : frames) {
        const auto count = static_cast<std::size_t>(frame.rowCount);
        page->addWidget(RowFrame(frame.name, frame.title, rows.subspan(first, count)));
        first += count;
    }
    page->addWidget(returnButton, 0, Qt::AlignRight);
}

}  // namespace vt
