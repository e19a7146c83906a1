#include "cell_edit_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

#include "control_names.h"
#include "entry_text.h"
#include "parameter_write.h"

namespace vt {

namespace {
constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch

}  // namespace

int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

CellEditGrid::CellEditGrid(const QString& name, StationContext& context, QWidget* parent)
    : QTableWidget(parent), m_context(context) {
    NameCaptionlessControl(this, name);
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // The edit box stands over the grid in the window, where it is found by its name.
    m_editBox = new QLineEdit(parent ? parent : this);
    NameCaptionlessControl(m_editBox, QStringLiteral("Text1"));
    m_editBox->hide();
    m_editBox->installEventFilter(this);
    // A second click soon after an edit closed counts as a double click, not a click: both open
    // the edit box.
    for (auto clicked : {&QTableWidget::cellClicked, &QTableWidget::cellDoubleClicked}) {
        connect(this, clicked, this,
                [this](int tableRow, int column) { startEdit(tableRow + 1, column); });
    }
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, &CellEditGrid::placeEditBox);
    }
}

void CellEditGrid::setLayout(const QStringList& heads, const std::vector<int>& widthsTwips,
                             int dataRows) {
    setColumnCount(static_cast<int>(heads.size()));
    setRowCount(dataRows);
    setHorizontalHeaderLabels(heads);
    for (int c = 0; c < static_cast<int>(widthsTwips.size()); ++c) {
        setColumnWidth(c, TwipsToPixels(widthsTwips[static_cast<std::size_t>(c)]));
    }
    for (int r = 0; r < dataRows; ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            if (c == 0) item->setBackground(palette().color(QPalette::Button));
            setItem(r, c, item);
        }
    }
}

void CellEditGrid::setCellText(int row, int column, const QString& text) {
    QTableWidgetItem* cell = item(row - 1, column);
    if (cell && cell->text() != text) cell->setText(text);
}

QString CellEditGrid::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row - 1, column);
    return cell ? cell->text() : QString();
}

bool CellEditGrid::startEdit(int row, int column) {
    if (row < 1 || column < 1 || !m_cellWrites || !m_cellWrites(row, column)) return false;
    m_selectedRow = row;
    m_selectedColumn = column;
    setCurrentCell(row - 1, column);
    m_textBefore = m_polledText ? m_polledText(row, column) : cellText(row, column);
    m_editBox->setText(cellText(row, column));
    placeEditBox();
    m_editBox->show();
    m_editBox->raise();
    m_editBox->setFocus();
    m_editBox->selectAll();
    return true;
}

void CellEditGrid::placeEditBox() {
    if (m_selectedRow < 1) return;
    const QRect cell = visualItemRect(item(m_selectedRow - 1, m_selectedColumn));
    const QWidget* host = m_editBox->parentWidget();
    m_editBox->setGeometry(QRect(viewport()->mapTo(host, cell.topLeft()), cell.size()));
}

void CellEditGrid::confirmEdit() {
    const std::optional<Parameter> target = m_cellWrites(m_selectedRow, m_selectedColumn);
    const QString text = m_editBox->text();
    closeEdit();
    if (!target) return;
    if (!WriteEntry(m_context, this, this, {*target, cellCaption(), m_textBefore, text})) {
        emit rejected(m_selectedRow, m_selectedColumn);
        return;
    }
    emit committed(m_selectedRow, m_selectedColumn, EntryNumber(text));
}

QString CellEditGrid::cellCaption() const {
    const QTableWidgetItem* head = horizontalHeaderItem(m_selectedColumn);
    return QStringLiteral("%1 %2")
        .arg(cellText(m_selectedRow, 0).trimmed(), head ? head->text().trimmed() : QString())
        .trimmed();
}

void CellEditGrid::closeEdit() {
    m_editBox->hide();
    setFocus();
}

void CellEditGrid::keyPressEvent(QKeyEvent* event) {
    const bool startKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                          event->key() == Qt::Key_F2;
    if (startKey && startEdit(currentRow() + 1, currentColumn())) return;
    QTableWidget::keyPressEvent(event);
}

bool CellEditGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_editBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            confirmEdit();
            return true;
        }
        if (key == Qt::Key_Escape) {
            closeEdit();
            return true;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

void CellEditGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    placeEditBox();
}

}  // namespace vt
