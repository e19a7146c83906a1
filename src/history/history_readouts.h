#pragma once

#include <QWidget>
#include <array>

#include "controller_state.h"
#include "trend_geometry.h"

namespace vt {

class ReadoutLabel;

// The readouts of the history window: `D_3W`(0..5) with their captions, showing LiveValue[0..5]
// or the ruler's reading, and the date `Label2_9` and time `Label2_10` of the first row of the
// loaded window or of the ruler's row.
class HistoryReadouts : public QWidget {
    Q_OBJECT
  public:
    explicit HistoryReadouts(QWidget* parent = nullptr);

    void showLiveValues(const ControllerState& state);
    // Label2_9 and Label2_10: a date (day serial) and a time of day (fraction).
    void showDateTime(double date, double time);
    void showRulerReading(double date, double time, const std::array<float, kPenCount>& values);
    // Normal colours again once the ruler is off and the live window runs.
    void restoreColours();

  private:
    std::array<ReadoutLabel*, kPenCount> m_values{};
    ReadoutLabel* m_date;  // Label2_9
    ReadoutLabel* m_time;  // Label2_10
};

}  // namespace vt
