#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <optional>

#include "entry_box.h"
#include "parameter.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace vt {

class ReadoutLabel;

// The control names of one parameter row.
struct RowNames {
    QString value;   // current-value readout (`D_4W_7`)
    QString input;   // entry box or list (`T_3RW_7`, `Combo0`)
    QString button;  // its "DOWN" button (`Command1_7`); empty: the row writes on focus loss
};

// The names of row `index` as the editor windows number their controls: `D_4W_<index>`,
// `input` (default `T_3RW_<index>`) and, unless it writes on focus loss, `Command1_<index>`.
RowNames IndexedRowNames(int index, const QString& input = {}, bool withButton = true);

// How a row's input behaves.
struct RowStyle {
    QColor focusColour = EntryBox::LightYellow();  // an entry box's background while focused
    bool editableList = false;                     // a list that also takes a typed code
};

// One parameter as an editor window shows it: caption, current value, entry box or list,
// "DOWN" and hint. The window places the parts and shows values; the row turns the operator's
// entry into the register value by the parameter's rules. A row without a button asks for its
// write when its input loses the focus after the operator typed in it or chose an entry, never
// when the focus merely passes through.
class ParameterRow : public QObject {
    Q_OBJECT
  public:
    ParameterRow(const Parameter& parameter, const RowNames& names, QWidget* parent,
                 const RowStyle& style = {});

    const Parameter& parameter() const { return m_parameter; }
    QLabel* caption() const { return m_caption; }
    ReadoutLabel* value() const { return m_value; }
    QWidget* input() const { return m_input; }
    QComboBox* list() const { return m_list; }        // null for a number row
    EntryBox* entry() const { return m_entry; }       // null for a list row
    QPushButton* button() const { return m_button; }  // null for a focus-loss row
    QLabel* hint() const { return m_hint; }

    // Puts caption, value, input, button and hint into five columns of `grid` from `column`.
    void placeIn(QGridLayout* grid, int row, int column = 0) const;

    // Shows register value `raw` by the parameter's display rule; an enumeration code without a
    // text leaves the readout as it was.
    void showRegister(std::int32_t raw, const InputScaling& scaling);
    void showText(const QString& text);

    // The entry box's or the list's text as the operator left it.
    QString entryText() const;
    // The register value a write sends now; none when the entry is out of the parameter's range.
    std::optional<std::int32_t> registerValue(const InputScaling& scaling) const;

  signals:
    // "DOWN" was pressed, or a focus-loss row's entry was left after an edit.
    void writeRequested();

  private:
    void makeInput(const RowNames& names, const RowStyle& style, QWidget* parent);
    void writeOnFocusLoss();

    Parameter m_parameter;
    QLabel* m_caption = nullptr;
    ReadoutLabel* m_value = nullptr;
    QWidget* m_input = nullptr;
    QComboBox* m_list = nullptr;
    EntryBox* m_entry = nullptr;
    QPushButton* m_button = nullptr;
    QLabel* m_hint = nullptr;
};

}  // namespace vt
