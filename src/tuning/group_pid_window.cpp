#include "group_pid_window.h"

#include <QHBoxLayout>
#include <QLabel>

#include "controller_map.h"

namespace vt {

namespace {

// One parameter of a PID set: its text after the set number, its range and its description.
struct PidField {
    const char* name;
    const char* range;
    const char* description;
};

constexpr PidField kFields[] = {
    {" 加热比例带", "0~99999", "主输出过程设定值为单位的比例带，单位：过程值，默认值：20"},
    {" 加热积分时间 ", "0-3600 S", "主输出的积分时间，单位：秒，默认值：120"},
    {" 加热微分时间 ", "0-360.0 S", "主输出的微分时间，单位：秒，默认值：10"},
    {" 制冷比例带 ", "0~99999", "付输出过程设定值为单位的比例带，单位：过程值，默认值：20"},
    {" 制冷积分时间 ", "0-3600 S", "付输出的积分时间，单位：秒，默认值：120"},
    {" 制冷微分时间 ", "0-360.0 S", "付输出的微分时间，单位：秒，默认值：10"},
};
constexpr int kFieldCount = static_cast<int>(std::size(kFields));
constexpr int kRowCount = Group::Count * kFieldCount;
constexpr int kValueColumn = 1;
// Sets 1..20 and four registers beyond them, in two reads.
constexpr ReadBlock kLowerSets{Group::Pid(1, 0), 64};
constexpr ReadBlock kUpperSets{Group::Pid(1, 0) + 64, 60};

// Row r (from 1) shows field (r - 1) mod 6 of set (r - 1) div 6 + 1.
int SetOf(int row) { return (row - 1) / kFieldCount + 1; }
const PidField& FieldOf(int row) { return kFields[(row - 1) % kFieldCount]; }

std::optional<CellWrite> ValueCell(int row, int column) {
    if (column != kValueColumn) return std::nullopt;
    // The derivative times, every third row, are held in tenths of a second.
    const ScalingRule rule = row % 3 == 0 ? ScalingRule::TenthsPlain : ScalingRule::Raw;
    return CellWrite{Group::Pid(SetOf(row), (row - 1) % kFieldCount), rule, std::nullopt,
                     RetryRule::OnAnyFailure};
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
        const PidField& field = FieldOf(r);
        grid()->setCellText(
            r, 0, QStringLiteral("分组 %1%2").arg(SetOf(r)).arg(QString::fromUtf8(field.name)));
        grid()->setCellText(r, 2, QString::number(ValueCell(r, kValueColumn)->reg));
        grid()->setCellText(r, 3, QString::fromUtf8(field.range));
        grid()->setCellText(r, 4, QString::fromUtf8(field.description));
    }
}

}  // namespace vt
