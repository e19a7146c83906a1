#include "group_limits_window.h"

#include <QHBoxLayout>
#include <QLabel>

#include "controller_map.h"
#include "readout_label.h"

namespace vt {

namespace {

constexpr OptionEntry kModes[] = {{"0:禁止 ", "0"}, {"1:按PV切换 ", "1"}, {"2:按SV切换 ", "2"}};
constexpr Parameter kMode = ListParameter(Group::Mode, "当前功能", kModes);

// The mode and groups 1..16 in one read, the rest of the table (to 4689) in a second one.
constexpr ReadBlock kLowerGroups{Group::Mode, 64};
constexpr std::int32_t kUpperFirst = Group::Mode + 64;
constexpr ReadBlock kUpperGroups{kUpperFirst, Area::GroupLimits.last() - kUpperFirst + 1};

constexpr EntryRange kTemperatureRange{-10000, 30000};
constexpr EntryRange kLimitRange{0, 100};

// Columns 1..4 of group g: temperature, upper limit, lower limit, PID set.
std::optional<CellWrite> GroupCell(int g, int column) {
    constexpr RetryRule kRetry = RetryRule::OnAnyFailure;
    switch (column) {
        case 1:
            return CellWrite{Group::Temperature(g), ScalingRule::MainWhole, kTemperatureRange,
                             kRetry};
        case 2:
            return CellWrite{Group::OutputHigh(g), ScalingRule::Raw, kLimitRange, kRetry};
        case 3:
            return CellWrite{Group::OutputLow(g), ScalingRule::Raw, kLimitRange, kRetry};
        case 4:
            return CellWrite{Group::PidSet(g), ScalingRule::Raw, std::nullopt, kRetry};
        default:
            return std::nullopt;
    }
}

GroupTable LimitTable() {
    return {{QStringLiteral("分组号 "), QStringLiteral("温度"), QStringLiteral("输出上限福"),
             QStringLiteral("输出下限福"), QStringLiteral("PID组")},
            {1000, 1500, 1500, 1500, 1200},
            Group::Count,
            {kLowerGroups, kUpperGroups},
            GroupCell};
}

}  // namespace

GroupLimitsWindow::GroupLimitsWindow(StationContext& context, QWidget* parent)
    : GroupTableWindow(StationWindow::Fenzuout1, context, LimitTable(), parent),
      m_modeRow(context, this) {
    for (int g = 1; g <= Group::Count; ++g) grid()->setCellText(g, 0, QString::number(g));
    ParameterRow* mode =
        m_modeRow.add(kMode, {QStringLiteral("D_4WRWC_0"), QStringLiteral("Combo30"), QString()},
                      RowStyle{.editableList = true});
    auto* top = new QHBoxLayout;
    top->addWidget(mode->caption());
    top->addWidget(mode->value());
    top->addWidget(mode->input());
    top->addWidget(mode->hint(), 1);
    buildLayout(top);
    setTabOrder(mode->input(), grid());
}

// Beside the groups' cells, the mode code as a number.
void GroupLimitsWindow::showBlock(std::int32_t first, std::span<const std::int32_t> values) {
    GroupTableWindow::showBlock(first, values);
    if (first == Group::Mode) m_modeRow.rows().front()->showText(QString::number(values[0]));
}

}  // namespace vt
