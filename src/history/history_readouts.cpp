#include "history_readouts.h"

#include <QGridLayout>
#include <QLabel>

#include "number_text.h"
#include "readout_label.h"
#include "trend_text.h"

namespace vt {

namespace {

const QColor kRulerColour{255, 255, 0};
const QColor kStampColour{128, 255, 128};

QString ValueText(float value) { return QString::fromStdString(FormatNumber(value)); }

}  // namespace

HistoryReadouts::HistoryReadouts(QWidget* parent)
    : QWidget(parent),
      m_date(new ReadoutLabel(QStringLiteral("Label2_9"), this)),
      m_time(new ReadoutLabel(QStringLiteral("Label2_10"), this)) {
    static const std::array<QString, kPenCount> captions{
        QStringLiteral("PV1值"), QStringLiteral("输出OP"), QStringLiteral("SV值"),
        QStringLiteral("PV2值"), QStringLiteral("SV1值"),  QStringLiteral("SV2值")};
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int j = 0; j < kPenCount; ++j) {
        m_values[j] = new ReadoutLabel(QStringLiteral("D_3W_%1").arg(j), this);
        auto* caption = new QLabel(captions[j], this);
        caption->setBuddy(m_values[j]);
        grid->addWidget(caption, j / 3, (j % 3) * 2);
        grid->addWidget(m_values[j], j / 3, (j % 3) * 2 + 1);
    }
    grid->setColumnMinimumWidth(6, 12);
    grid->addWidget(m_date, 0, 7);
    grid->addWidget(m_time, 1, 7);
    restoreColours();
}

void HistoryReadouts::showLiveValues(const ControllerState& state) {
    for (int j = 0; j < kPenCount; ++j) m_values[j]->showText(ValueText(state.LiveValue[j]));
}

void HistoryReadouts::showRulerReading(double date, double time,
                                       const std::array<float, kPenCount>& values) {
    showDateTime(date, time);
    m_date->setBackground(kRulerColour);
    m_time->setBackground(kRulerColour);
    for (int j = 0; j < kPenCount; ++j) {
        m_values[j]->showText(ValueText(values[j]));
        m_values[j]->setBackground(kRulerColour);
    }
}

void HistoryReadouts::restoreColours() {
    m_date->setBackground(kStampColour);
    m_time->setBackground(kStampColour);
    for (ReadoutLabel* value : m_values) value->setBackground(palette().color(QPalette::Base));
}

void HistoryReadouts::showDateTime(double date, double time) {
    m_date->showText(TrendDateText(date));
    m_time->showText(TrendTimeText(time));
}

}  // namespace vt
