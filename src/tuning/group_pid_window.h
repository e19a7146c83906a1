#pragma once

#include "group_table_window.h"

namespace vt {

// The grouped PID table `FenzuPID`: the twenty PID sets of six parameters (heating band,
// integral and derivative, then the cooling three), one grid row each, so that row r shows
// register 5120 + r. Only the value column is edited; the derivative times are in tenths.
class GroupPidWindow : public GroupTableWindow {
    Q_OBJECT
  public:
    explicit GroupPidWindow(StationContext& context, QWidget* parent = nullptr);

  private:
    void fillRowTexts();
};

}  // namespace vt
