#pragma once

#include <QObject>
#include <functional>
#include <span>
#include <vector>

#include "parameter_row.h"
#include "station_context.h"

namespace vt {

// The parameter rows of one editor window and the writes they ask for, each by `WriteEntry`:
// converted by the parameter's rules, to its register with the parameter's retry rule, ahead of
// every queued read; an entry out of the parameter's range or beyond the register writes
// nothing. Each write carries the journal's note: the window, the caption, the value the
// controller held (the window's polled value where it has one, else the readout as last shown)
// and the entry as the operator left it. A row without a register writes nothing.
class ParameterRows : public QObject {
    Q_OBJECT
  public:
    ParameterRows(StationContext& context, QWidget* parent);

    ParameterRow* add(const Parameter& parameter, const RowNames& names,
                      const RowStyle& style = {});

    const std::vector<ParameterRow*>& rows() const { return m_rows; }
    // The row of register `reg`; null if none.
    ParameterRow* row(std::int32_t reg) const;

    // Shows every row whose register lies in the block of `values` starting at `first`.
    void showBlock(std::int32_t first, std::span<const std::int32_t> values);

    // What the controller holds for row `index`, as the window shows it, taken from the polled
    // controller state; windows that read their own blocks leave it unset.
    using PolledText = std::function<QString(std::size_t index)>;
    void setPolledText(PolledText polledText) { m_polledText = std::move(polledText); }
    QString polledText(std::size_t index) const;

  signals:
    // A write of `value` to the row's register was queued.
    void writeQueued(const vt::Parameter& parameter, std::int32_t value);

  private:
    void write(const ParameterRow& row, std::size_t index);

    StationContext& m_context;
    QWidget* m_parent;
    std::vector<ParameterRow*> m_rows;
    PolledText m_polledText;
};

}  // namespace vt
