#include "group_pid_window.h"

#include <QHBoxLayout>
#include <QLabel>

#include "controller_map.h"
#include "group_catalogue.h"

namespace vt {

namespace {

constexpr int kFieldCount = kGroupPidFields;
constexpr int kRowCount = Group::Count * kFieldCount;
constexpr int kValueColumn = 1;
// Sets 1..20 and four registers beyond them, in two reads.
constexpr ReadBlock kLowerSets{Group::Pid(1, 0), 64};
constexpr ReadBlock kUpperSets{Group::Pid(1, 0) + 64, 60};

// Row r (from 1) shows field (r - 1) mod 6 of set (r - 1) div 6 + 1.
int SetOf(int row) { return (row - 1) / kFieldCount + 1; }
int FieldOf(int row) { return (row - 1) % kFieldCount; }

std::optional<Parameter> ValueCell(int row, int column) {
    if (column != kValueColumn) return std::nullopt;
    return GroupPidParameter(SetOf(row), FieldOf(row));
}

GroupTable PidSetTable() {
    return {{QStringLiteral("功能 "), QStringLiteral("参数值"), QStringLiteral("地址"),
             QStringLiteral("参数范围"), QStringLiteral("参数说明")},
            {3000, 1500, 1100, 1600, 9100},
            kRowCount,
            {kLowerSets, kUpperSets},
            ValueCell};
}

}  // namespace

GroupPidWindow::GroupPidWindow(StationContext& context, QWidget* parent)
    : GroupTableWindow(StationWindow::FenzuPID, context, PidSetTable(), parent) {
    fillRowTexts();
    auto* heading = new QLabel(QStringLiteral("十个分组PID 参数组设定"));
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    heading->setFont(font);
    auto* top = new QHBoxLayout;
    top->addWidget(heading, 0, Qt::AlignCenter);
    buildLayout(top);
}

void GroupPidWindow::fillRowTexts() {
    for (int r = 1; r <= kRowCount; ++r) {
        const GroupPidField& field = GroupPidFields()[static_cast<std::size_t>(FieldOf(r))];
        grid()->setCellText(r, 0, QString::fromStdString(GroupPidCaption(SetOf(r), FieldOf(r))));
        grid()->setCellText(r, 2, QString::number(ValueCell(r, kValueColumn)->reg));
        grid()->setCellText(r, 3, QString::fromUtf8(field.range));
        grid()->setCellText(r, 4, QString::fromUtf8(field.description));
    }
}

}  // namespace vt
