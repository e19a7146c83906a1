#pragma once

#include <QWidget>
#include <array>

#include "controller_state.h"
#include "trend_geometry.h"

namespace vt {

class ReadoutLabel;
class TrendReadouts;

// The readouts of the history window: `D_3W`(0..5) with their captions, showing LiveValue[0..5]
// or the ruler's reading, and the date `Label2_9` and time `Label2_10` of the first row of the
// loaded window or of the ruler's row.
class HistoryReadouts : public QWidget {
    Q_OBJECT
  public:
    explicit HistoryReadouts(QWidget* parent = nullptr);

    void showLiveValues(const ControllerState& state);
    // The date, the time and the values as the chart's moments show them.
    TrendReadouts* moments() const { return m_moments; }

  private:
    std::array<ReadoutLabel*, kPenCount> m_values{};
    TrendReadouts* m_moments = nullptr;
};

}  // namespace vt
