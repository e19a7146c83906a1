#pragma once

#include <QObject>
#include <span>
#include <vector>

#include "parameter_row.h"
#include "station_context.h"

namespace vt {

// The parameter rows of one editor window and the writes they ask for: each write converts the
// row's entry by the parameter's rules and goes to its register through the link with the
// parameter's retry rule, ahead of every queued read. An entry out of the parameter's range
// writes nothing. Each write carries the journal's note: the window, the caption, the readout
// as last shown and the entry as the operator left it.
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

  signals:
    // A write of `value` to the row's register was queued.
    void writeQueued(const vt::Parameter& parameter, std::int32_t value);

  private:
    void write(const ParameterRow& row);

    StationContext& m_context;
    QWidget* m_parent;
    std::vector<ParameterRow*> m_rows;
};

}  // namespace vt
