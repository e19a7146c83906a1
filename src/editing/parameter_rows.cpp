#include "parameter_rows.h"

#include "parameter_write.h"
#include "readout_label.h"

namespace vt {

ParameterRows::ParameterRows(StationContext& context, QWidget* parent)
    : QObject(parent), m_context(context), m_parent(parent) {}

ParameterRow* ParameterRows::add(const Parameter& parameter, const RowNames& names,
                                 const RowStyle& style) {
    auto* row = new ParameterRow(parameter, names, m_parent, style);
    // A row without a register (a list shown for its own sake) writes nothing at all.
    if (parameter.reg != 0) {
        const std::size_t index = m_rows.size();
        connect(row, &ParameterRow::writeRequested, this,
                [this, row, index] { write(*row, index); });
    }
    m_rows.push_back(row);
    return row;
}

ParameterRow* ParameterRows::row(std::int32_t reg) const {
    for (ParameterRow* row : m_rows) {
        if (row->parameter().reg == reg) return row;
    }
    return nullptr;
}

void ParameterRows::showBlock(std::int32_t first, std::span<const std::int32_t> values) {
    const auto count = static_cast<std::int32_t>(values.size());
    for (ParameterRow* row : m_rows) {
        const std::int32_t offset = row->parameter().reg - first;
        if (offset >= 0 && offset < count)
            row->showRegister(values[offset], m_context.state.Scaling);
    }
}

QString ParameterRows::polledText(std::size_t index) const {
    return m_polledText ? m_polledText(index) : m_rows[index]->value()->text();
}

void ParameterRows::write(const ParameterRow& row, std::size_t index) {
    const Parameter& parameter = row.parameter();
    const std::optional<std::int32_t> value = WriteEntry(
        m_context, m_parent, this,
        {parameter, QString::fromUtf8(parameter.caption), polledText(index), row.entryText()});
    if (value) emit writeQueued(parameter, *value);
}

}  // namespace vt
