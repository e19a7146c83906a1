#include "trend_readouts.h"

#include "entry_text.h"
#include "readout_label.h"
#include "trend_chart.h"
#include "trend_text.h"

namespace vt {

namespace {

const QColor kRulerColour{255, 255, 0};
const QColor kMomentColour{128, 255, 128};

}  // namespace

TrendReadouts::TrendReadouts(const Labels& labels,
                             const std::array<QColor, kPenCount>& valueColours, QObject* parent)
    : QObject(parent), m_labels(labels), m_valueColours(valueColours) {}

void TrendReadouts::follow(const TrendChart* chart) {
    connect(chart, &TrendChart::rulerMoved, this, &TrendReadouts::showRulerReading);
    connect(chart, &TrendChart::windowLoaded, this, &TrendReadouts::showMoment);
}

void TrendReadouts::showMoment(double date, double time) {
    m_labels.date->showText(TrendDateText(date));
    m_labels.time->showText(TrendTimeText(time));
}

void TrendReadouts::showRulerReading(const RulerReading& reading) {
    const TrendStamp& at = reading.moment;
    m_labels.date->showText(at.known ? TrendDateText(at.date) : QString());
    m_labels.time->showText(at.known ? TrendTimeText(at.time) : QString());
    m_labels.date->setBackground(kRulerColour);
    m_labels.time->setBackground(kRulerColour);
    for (int j = 0; j < kPenCount; ++j) {
        m_labels.values[j]->showText(reading.recorded ? NumberText(reading.values[j]) : QString());
        m_labels.values[j]->setBackground(kRulerColour);
    }
}

void TrendReadouts::restoreColours() {
    m_labels.date->setBackground(kMomentColour);
    m_labels.time->setBackground(kMomentColour);
    for (int j = 0; j < kPenCount; ++j) m_labels.values[j]->setBackground(m_valueColours[j]);
}

}  // namespace vt
