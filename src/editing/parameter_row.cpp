#include "parameter_row.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "control_names.h"
#include "focus_loss_edit.h"
#include "named_button.h"
#include "readout_label.h"

namespace vt {

RowNames IndexedRowNames(int index, const QString& input, bool withButton) {
    return RowNames{QStringLiteral("D_4W_%1").arg(index),
                    input.isEmpty() ? QStringLiteral("T_3RW_%1").arg(index) : input,
                    withButton ? QStringLiteral("Command1_%1").arg(index) : QString()};
}

ParameterRow::ParameterRow(const Parameter& parameter, const RowNames& names, QWidget* parent,
                           const RowStyle& style)
    : QObject(parent), m_parameter(parameter) {
    m_caption = new QLabel(QString::fromUtf8(parameter.caption), parent);
    m_value = new ReadoutLabel(names.value, parent);
    makeInput(names, style, parent);
    // A hint of several lines makes the row taller; the readout stays as high as the input.
    m_value->setMaximumHeight(m_input->sizeHint().height());
    m_caption->setBuddy(m_input);
    if (!names.button.isEmpty()) {
        m_button = NamedButton(names.button, QStringLiteral("DOWN"), parent);
        // Every "DOWN" is named by its caption; its control name tells them apart.
        m_button->setAccessibleDescription(names.button);
        connect(m_button, &QPushButton::clicked, this, &ParameterRow::writeRequested);
    }
    m_hint = new QLabel(QString::fromUtf8(parameter.hint), parent);
    m_hint->setWordWrap(true);
}

void ParameterRow::makeInput(const RowNames& names, const RowStyle& style, QWidget* parent) {
    if (m_parameter.enumeration()) {
        m_list = new QComboBox(parent);
        NameCaptionlessControl(m_list, names.input);
        for (const OptionEntry& option : m_parameter.options) {
            m_list->addItem(QString::fromUtf8(option.option));
        }
        m_list->setEditable(style.editableList);
        m_list->setInsertPolicy(QComboBox::NoInsert);  // a typed code never grows the list
        m_list->setCurrentIndex(0);
        m_input = m_list;
    } else {
        m_entry = new EntryBox(names.input, style.focusColour, parent);
        m_input = m_entry;
    }
    if (names.button.isEmpty()) writeOnFocusLoss();
}

void ParameterRow::writeOnFocusLoss() {
    auto* edit = new FocusLossEdit(m_input);
    if (m_entry) connect(m_entry, &QLineEdit::textEdited, edit, &FocusLossEdit::markEdited);
    if (m_list) connect(m_list, &QComboBox::activated, edit, &FocusLossEdit::markEdited);
    if (m_list && m_list->lineEdit()) {
        connect(m_list->lineEdit(), &QLineEdit::textEdited, edit, &FocusLossEdit::markEdited);
    }
    connect(edit, &FocusLossEdit::leftAfterEdit, this, &ParameterRow::writeRequested);
}

void ParameterRow::placeIn(QGridLayout* grid, int row, int column) const {
    grid->addWidget(m_caption, row, column);
    grid->addWidget(m_value, row, column + 1);
    grid->addWidget(m_input, row, column + 2);
    if (m_button) grid->addWidget(m_button, row, column + 3);
    grid->addWidget(m_hint, row, column + 4);
}

void ParameterRow::showRegister(std::int32_t raw, const InputScaling& scaling) {
    if (const auto text = ParameterText(m_parameter, raw, scaling)) {
        m_value->showText(QString::fromStdString(*text));
    }
}

void ParameterRow::showText(const QString& text) { m_value->showText(text); }

QString ParameterRow::entryText() const { return m_list ? m_list->currentText() : m_entry->text(); }

std::optional<std::int32_t> ParameterRow::registerValue(const InputScaling& scaling) const {
    return ParameterValue(m_parameter, entryText().toStdString(), scaling);
}

}  // namespace vt
