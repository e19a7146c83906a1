#include "config_pages.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "config_catalogue.h"
#include "parameter_row.h"
#include "readout_label.h"
#include "row_frame.h"

namespace vt {

namespace {

// A list row's readout keeps room for the widest text it can show, so nothing is cut and the
// rows below do not move when the value changes.
void FitReadout(const ParameterRow& row) {
    const QFontMetrics metrics = row.value()->fontMetrics();
    QString widest;
    for (const OptionEntry& option : row.parameter().options) {
        const QString shown = QString::fromUtf8(option.shown);
        if (metrics.horizontalAdvance(shown) > metrics.horizontalAdvance(widest)) widest = shown;
    }
    if (!widest.isEmpty()) row.value()->reserveWidthFor(widest);
}

// Room for `text` and the control's frame.
int TextWidth(const QWidget& control, const char* text) {
    return control.fontMetrics().horizontalAdvance(QString::fromLatin1(text)) + 16;
}

QLabel* Heading(const ConfigTab& tab, int number) {
    auto* heading = new QLabel(QString::fromUtf8(tab.heading));
    heading->setObjectName(QStringLiteral("Label3_%1").arg(number));
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    heading->setFont(font);
    return heading;
}

// Two rows a line: the first of each pair in the left column, the second in the right, each
// column with its hint under it.
QLayout* PairedColumns(const ConfigTab& tab, std::span<ParameterRow* const> rows) {
    std::vector<ParameterRow*> sides[2];
    for (std::size_t i = 0; i < rows.size(); ++i) sides[i % 2].push_back(rows[i]);
    const char* hints[2] = {tab.leftColumnHint, tab.rightColumnHint};
    auto* columns = new QHBoxLayout;
    for (int side = 0; side < 2; ++side) {
        auto* column = new QVBoxLayout;
        column->addWidget(RowFrame(QString(), QString(), sides[side]));
        column->addWidget(new QLabel(QString::fromUtf8(hints[side])), 0, Qt::AlignHCenter);
        columns->addLayout(column);
    }
    return columns;
}

}  // namespace

QWidget* ConfigTabPage(const ConfigTab& tab, int number, std::span<ParameterRow* const> rows) {
    for (const ParameterRow* row : rows) FitReadout(*row);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Heading(tab, number));
    if (tab.paired())
        layout->addLayout(PairedColumns(tab, rows));
    else
        layout->addWidget(RowFrame(QString(), QString(), rows));
    layout->addStretch(1);
    return page;
}

QWidget* NetworkBlock(std::span<ParameterRow* const> rows) {
    auto* block = new QFrame;
    block->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(block);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        FitReadout(*rows[i]);
        rows[i]->placeIn(grid, static_cast<int>(i));
        rows[i]->hint()->hide();
        // An octet needs three digits: the block stays narrow, so the tabs keep the width.
        if (rows[i]->entry())
            rows[i]->entry()->setMaximumWidth(TextWidth(*rows[i]->entry(), "00000"));
        rows[i]->button()->setMaximumWidth(TextWidth(*rows[i]->button(), "DOWN"));
    }
    return block;
}

}  // namespace vt
