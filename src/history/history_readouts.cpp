#include "history_readouts.h"

#include <QGridLayout>
#include <QLabel>

#include "entry_text.h"
#include "readout_label.h"
#include "trend_readouts.h"

namespace vt {

HistoryReadouts::HistoryReadouts(QWidget* parent) : QWidget(parent) {
    auto* date = new ReadoutLabel(QStringLiteral("Label2_9"), this);
    auto* time = new ReadoutLabel(QStringLiteral("Label2_10"), this);
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
    grid->addWidget(date, 0, 7);
    grid->addWidget(time, 1, 7);
    std::array<QColor, kPenCount> colours;
    colours.fill(palette().color(QPalette::Base));
    m_moments = new TrendReadouts({date, time, m_values}, colours, this);
    m_moments->restoreColours();
}

void HistoryReadouts::showLiveValues(const ControllerState& state) {
    for (int j = 0; j < kPenCount; ++j) m_values[j]->showText(NumberText(state.LiveValue[j]));
}

}  // namespace vt
