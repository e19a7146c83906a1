#include "parameter_rows.h"

#include "controller_link.h"
#include "journal_note.h"
#include "link_jobs.h"
#include "readout_label.h"

namespace vt {

ParameterRows::ParameterRows(StationContext& context, QWidget* parent)
    : QObject(parent), m_context(context), m_parent(parent) {}

ParameterRow* ParameterRows::add(const Parameter& parameter, const RowNames& names,
                                 const RowStyle& style) {
    auto* row = new ParameterRow(parameter, names, m_parent, style);
    connect(row, &ParameterRow::writeRequested, this, [this, row] { write(*row); });
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

void ParameterRows::write(const ParameterRow& row) {
    const std::optional<std::int32_t> value = row.registerValue(m_context.state.Scaling);
    if (!value) return;
    const Parameter& parameter = row.parameter();
    LinkJob job = WriteRegisterJob(m_context.state, parameter.reg, *value, parameter.retry);
    job.note = NoteFrom(m_parent, QString::fromUtf8(parameter.caption), row.value()->text(),
                        row.entryText());
    m_context.link.submit(job, this);
    emit writeQueued(parameter, *value);
}

}  // namespace vt
