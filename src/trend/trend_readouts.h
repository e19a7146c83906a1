#pragma once

#include <QColor>
#include <QObject>
#include <array>

#include "trend_engine.h"
#include "trend_geometry.h"

namespace vt {

class ReadoutLabel;
class TrendChart;

// The readouts a trend window shows its chart's moments in: the date `Label2_9`, the time
// `Label2_10` and the six values `D_3W`(0..5). They show the first row of every window the chart
// loads and, in yellow, the ruler's reading; restoreColours() gives them their own colours again.
class TrendReadouts : public QObject {
    Q_OBJECT
  public:
    struct Labels {
        ReadoutLabel* date;
        ReadoutLabel* time;
        std::array<ReadoutLabel*, kPenCount> values;
    };

    // `valueColours`: the colours of the six values while they show live values.
    TrendReadouts(const Labels& labels, const std::array<QColor, kPenCount>& valueColours,
                  QObject* parent = nullptr);

    // Shows every window the chart loads and every reading of its ruler.
    void follow(const TrendChart* chart);
    // A date (day serial) and a time of day (fraction).
    void showMoment(double date, double time);
    // The ruler's reading; a row without a record shows no values.
    void showRulerReading(const RulerReading& reading);
    // The colours of live values, once the ruler is off and the live window runs.
    void restoreColours();

  private:
    Labels m_labels;
    std::array<QColor, kPenCount> m_valueColours;
};

}  // namespace vt
