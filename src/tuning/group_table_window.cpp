#include "group_table_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "cell_status_bar.h"
#include "entry_text.h"
#include "window_timer.h"

namespace vt {

namespace {

constexpr int kRefreshIntervalMs = 1000;
constexpr int kSelectionIntervalMs = 100;
constexpr int kRowsInView = 15;

// The grid opens showing every column and some fifteen rows.
void SizeToShowColumns(QTableWidget& grid) {
    int width = 2 * grid.frameWidth() + grid.verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < grid.columnCount(); ++c) width += grid.columnWidth(c);
    const int height = 2 * grid.frameWidth() + grid.horizontalHeader()->sizeHint().height() +
                       kRowsInView * grid.verticalHeader()->defaultSectionSize();
    grid.setMinimumSize(width, height);
}

}  // namespace

GroupTableWindow::GroupTableWindow(StationWindow which, StationContext& context,
                                   const GroupTable& table, QWidget* parent)
    : EditorWindow(which, context, parent),
      m_grid(new CellEditGrid(QStringLiteral("MSFlexGrid1"), context, this)),
      m_statusBar(new CellStatusBar(CellStatusBar::Clock::None, this)),
      m_read(context.link, context.state, table.blocks, kRefreshIntervalMs, this),
      m_selectionTimer(this) {
    m_grid->setLayout(table.heads, table.widthsTwips, table.rows);
    m_grid->setCellWrites(table.cells);
    SizeToShowColumns(*m_grid);
    for (int r = 1; r <= table.rows; ++r) {
        for (int c = 1; c < static_cast<int>(table.heads.size()); ++c) {
            if (const auto cell = table.cells(r, c))
                m_cellOfRegister[cell->reg] = {r, c, cell->shown};
        }
    }
    connect(m_grid, &CellEditGrid::committed, this, [this](int row, int column, double entered) {
        m_grid->setCellText(row, column, NumberText(entered));
    });
    SetUpTimer(m_read.timer(), "Timer1", kRefreshIntervalMs);
    connect(&m_read, &PeriodicRead::blockValues, this,
            [this](std::int32_t first, const std::vector<std::int32_t>& values) {
                showBlock(first, values);
            });
    m_read.start();
    SetUpTimer(m_selectionTimer, "Timer2", kSelectionIntervalMs);
    connect(&m_selectionTimer, &QTimer::timeout, this,
            [this] { m_statusBar->showCell(m_grid->selectedRow(), m_grid->selectedColumn()); });
    m_selectionTimer.start();
}

void GroupTableWindow::buildLayout(QBoxLayout* top) {
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(new QLabel(QStringLiteral("更改数据用鼠标选中单元格，输入数据后按回车确认")));
    page->addWidget(m_grid, 1);
    page->addWidget(returnButton(), 0, Qt::AlignRight);
    page->addWidget(m_statusBar);
    setTabOrder(m_grid, returnButton());
}

void GroupTableWindow::showBlock(std::int32_t first, std::span<const std::int32_t> values) {
    const InputScaling& scaling = m_context.state.Scaling;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto reg = first + static_cast<std::int32_t>(i);
        const auto cell = m_cellOfRegister.find(reg);
        if (cell == m_cellOfRegister.end()) continue;
        const ShownCell& shown = cell->second;
        m_grid->setCellText(shown.row, shown.column,
                            QString::fromStdString(ShownText(shown.rule, values[i], scaling)));
    }
}

void GroupTableWindow::unload() {
    m_read.stop();
    m_selectionTimer.stop();
}

}  // namespace vt
