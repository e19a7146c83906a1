#pragma once

#include <QTableWidget>
#include <functional>
#include <optional>

#include "parameter.h"
#include "station_context.h"

class QLineEdit;

namespace vt {

// Grid columns are given in twips, as the controller's windows were laid out.
int TwipsToPixels(int twips);

// A grid of controller values that the operator edits one cell at a time: a click on an editable
// cell lays the edit box `Text1` over it with the cell's text selected; Enter checks the number
// at the start of the text and writes it by `WriteEntry` as a parameter row does (range, register
// fit, retry rule, journal note) and hides the box; a rejected number writes nothing. Esc drops the
// edit. Enter or F2 on the current cell starts an edit from the keyboard. A cell's edit writes by
// its parameter's register, entry rule, range and retry rule; the journal of writes names the cell
// by its row text and column head.
//
// Rows are numbered as the controller's windows numbered them: row 0 is the column heads (shown
// as the grid's header, so they stay in view), data rows from 1; column 0 holds the row texts.
// Refreshing cells never touches the edit box, so a refresh cannot disturb typing. A write's
// journal note holds what the controller held (the polled value where the window gives one, else
// the cell's text when the edit started) and the text the operator entered.
class CellEditGrid : public QTableWidget {
    Q_OBJECT
  public:
    using CellWrites = std::function<std::optional<Parameter>(int row, int column)>;

    CellEditGrid(const QString& name, StationContext& context, QWidget* parent = nullptr);

    // Heads of columns 0.., widths in twips, and the number of data rows.
    void setLayout(const QStringList& heads, const std::vector<int>& widthsTwips, int dataRows);
    // Which cells may be edited and what their edit writes; none: the cell is not editable.
    void setCellWrites(CellWrites cellWrites) { m_cellWrites = std::move(cellWrites); }
    // What the controller holds for a cell, from the polled controller state, for the journal's
    // note; unset, the cell's text when the edit started.
    using PolledText = std::function<QString(int row, int column)>;
    void setPolledText(PolledText polledText) { m_polledText = std::move(polledText); }

    // Sets a cell's text (data rows from 1), repainting only when it changes.
    void setCellText(int row, int column, const QString& text);
    QString cellText(int row, int column) const;

    QLineEdit* editBox() const { return m_editBox; }
    // The cell of the last edit started, 0 before any.
    int selectedRow() const { return m_selectedRow; }
    int selectedColumn() const { return m_selectedColumn; }

    // Opens the edit box over a cell, as a click on it does; false if the cell is not editable.
    bool startEdit(int row, int column);

  signals:
    // An edit was confirmed and its write queued: `entered` is the number typed.
    void committed(int row, int column, double entered);
    // An edit was confirmed with a number out of the cell's range, or one whose converted value
    // the register cannot hold; nothing was written.
    void rejected(int row, int column);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeEditBox();
    void confirmEdit();
    void closeEdit();
    QString cellCaption() const;

    StationContext& m_context;
    CellWrites m_cellWrites;
    PolledText m_polledText;
    QLineEdit* m_editBox = nullptr;
    int m_selectedRow = 0;
    int m_selectedColumn = 0;
    QString m_textBefore;  // the cell's text when the edit started
};

}  // namespace vt
