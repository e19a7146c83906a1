#pragma once

#include "group_table_window.h"
#include "parameter_rows.h"

namespace vt {

// The grouped output limits `Fenzuout1`: the switching mode (`Combo30`, its code shown by
// "当前功能" `D_4WRWC_0`) and the twenty groups, one grid row each: temperature (whole
// engineering units of the main input), output upper and lower limit (0..100) and PID set.
// The mode is written when the operator chose or typed one and leaves the combo.
class GroupLimitsWindow : public GroupTableWindow {
    Q_OBJECT
  public:
    explicit GroupLimitsWindow(StationContext& context, QWidget* parent = nullptr);

  private:
    void showBlock(std::int32_t first, std::span<const std::int32_t> values) override;

    ParameterRows m_modeRow;
};

}  // namespace vt
