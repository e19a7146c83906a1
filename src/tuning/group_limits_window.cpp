#include "group_limits_window.h"

#include <QHBoxLayout>
#include <QLabel>

#include "controller_map.h"
#include "group_catalogue.h"
#include "readout_label.h"

namespace vt {

namespace {

// The mode and groups 1..16 in one read, the rest of the table (to 4689) in a second one.
constexpr ReadBlock kLowerGroups{Group::Mode, 64};
constexpr std::int32_t kUpperFirst = Group::Mode + 64;
constexpr ReadBlock kUpperGroups{kUpperFirst, Area::GroupLimits.last() - kUpperFirst + 1};

// Columns 1..4 of group g: temperature, upper limit, lower limit, PID set.
std::optional<Parameter> GroupCell(int g, int column) {
    if (column < 1 || column > kGroupLimitColumns) return std::nullopt;
    return GroupLimitParameter(g, column);
}

GroupTable LimitTable() {
    QStringList heads{QStringLiteral("分组号 ")};
    for (int c = 1; c <= kGroupLimitColumns; ++c) heads << QString::fromUtf8(GroupLimitHead(c));
    return {heads,
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
    ParameterRow* mode = m_modeRow.add(
        GroupModeParameter(), {QStringLiteral("D_4WRWC_0"), QStringLiteral("Combo30"), QString()},
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
