#include "overview_frames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "overview_readouts.h"
#include "run_control_bar.h"

namespace vt {

namespace {

QGroupBox* MakeFrame(const QString& name, const QString& title, QGridLayout*& grid) {
    auto* frame = new QGroupBox(title);
    frame->setObjectName(name);
    grid = new QGridLayout(frame);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    return frame;
}

}  // namespace

void AddCaptionedReadouts(QGridLayout* grid, OverviewReadouts& readouts,
                          std::initializer_list<CaptionedReadout> items, int perRow, int firstRow) {
    int k = 0;
    for (const auto& [caption, name] : items) {
        ReadoutLabel* readout = readouts.label(name);
        auto* label = new QLabel(caption);
        label->setBuddy(readout);
        const int row = firstRow + k / perRow;
        const int column = 2 * (k % perRow);
        grid->addWidget(label, row, column);
        grid->addWidget(readout, row, column + 1);
        ++k;
    }
}

QGroupBox* BuildAlarmFrame(OverviewReadouts& readouts) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = MakeFrame(QStringLiteral("Frame9"), QStringLiteral("ALM"), grid);
    const char* const names[] = {"D_3W_7", "D_3W_8", "D_2R_0", "D_2R_1", "D_2R_2",
                                 "D_2R_3", "D_2R_4", "D_2R_5", "D_2R_6", "D_2R_7"};
    int k = 0;
    for (const char* name : names) {
        ReadoutLabel* readout = readouts.label(QLatin1String(name));
        readout->reserveWidthFor(QStringLiteral("ABS(PV1-PV2)"));
        // The fault readouts come and go; their place stays so nothing else moves.
        QSizePolicy policy = readout->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        readout->setSizePolicy(policy);
        grid->addWidget(readout, k / 2, k % 2);
        ++k;
    }
    return frame;
}

QGroupBox* BuildStateFrame(OverviewReadouts& readouts) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = MakeFrame(QStringLiteral("Frame8"), QStringLiteral("State"), grid);
    AddCaptionedReadouts(grid, readouts,
                         {{QStringLiteral("当前PID组"), QStringLiteral("D3WW_0")},
                          {QStringLiteral("主比例带"), QStringLiteral("D3WW_1")},
                          {QStringLiteral("主积分"), QStringLiteral("D3WW_2")},
                          {QStringLiteral("主微分"), QStringLiteral("D3WW_3")},
                          {QStringLiteral("副比例带"), QStringLiteral("D3WW_4")},
                          {QStringLiteral("副积分"), QStringLiteral("D3WW_5")},
                          {QStringLiteral("副微分"), QStringLiteral("D3WW_6")}},
                         2);
    return frame;
}

QGroupBox* BuildProgramFrame(OverviewReadouts& readouts) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = MakeFrame(QStringLiteral("Frame7"), QStringLiteral("PROGRAM"), grid);
    readouts.label(QStringLiteral("D3XX_7"))->reserveWidthFor(QStringLiteral("偏差等待"));
    AddCaptionedReadouts(grid, readouts,
                         {{QStringLiteral("程序状态"), QStringLiteral("D3XX_0")},
                          {QStringLiteral("目标测量值"), QStringLiteral("D3XX_1")},
                          {QStringLiteral("目标温度"), QStringLiteral("D3XX_2")},
                          {QStringLiteral("当前段号"), QStringLiteral("D3XX_3")},
                          {QStringLiteral("段剩余时间"), QStringLiteral("D3XX_4")},
                          {QStringLiteral("总剩余时间"), QStringLiteral("D3XX_5")},
                          {QStringLiteral("循环时间"), QStringLiteral("D3XX_6")},
                          {QStringLiteral("偏差等待状态"), QStringLiteral("D3XX_7")},
                          {QStringLiteral("段循环"), QStringLiteral("D3XX_8")}},
                         2);
    return frame;
}

QGroupBox* BuildPidFrame(OverviewReadouts& readouts) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = MakeFrame(QStringLiteral("Frame10"), QStringLiteral("PID"), grid);
    AddCaptionedReadouts(grid, readouts,
                         {{QStringLiteral("比例带1"), QStringLiteral("D3WWP_0")},
                          {QStringLiteral("积分1"), QStringLiteral("D3WWP_1")},
                          {QStringLiteral("微分1"), QStringLiteral("D3WWP_2")},
                          {QStringLiteral("控制回差1"), QStringLiteral("D3WWP_3")},
                          {QStringLiteral("开关周期1"), QStringLiteral("D3WWP_4")},
                          {QStringLiteral("比例带2"), QStringLiteral("D3WWP_5")},
                          {QStringLiteral("积分2"), QStringLiteral("D3WWP_6")},
                          {QStringLiteral("微分2"), QStringLiteral("D3WWP_7")},
                          {QStringLiteral("控制回差2"), QStringLiteral("D3WWP_8")},
                          {QStringLiteral("开关周期2"), QStringLiteral("D3WWP_9")},
                          {QStringLiteral("冷却死区"), QStringLiteral("D3WWP_10")},
                          {QStringLiteral("微分滤波系数"), QStringLiteral("D3WWP_11")},
                          {QStringLiteral("分组PID设定"), QStringLiteral("D3WWP_12")},
                          {QStringLiteral("分段PID设定值"), QStringLiteral("D3WWP_13")},
                          {QStringLiteral("上过冲抑制"), QStringLiteral("D3WWP_14")},
                          {QStringLiteral("下过冲抑制"), QStringLiteral("D3WWP_15")}},
                         2);
    return frame;
}

QGroupBox* BuildProgramFunctionFrame(OverviewReadouts& readouts, RunControlBar& bar) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = MakeFrame(QStringLiteral("Frame1"), QString(), grid);
    const std::pair<ProgramSelector, const char*> rows[] = {{ProgramSelector::Function, "D_4W_7"},
                                                            {ProgramSelector::Process, "D_4W_6"},
                                                            {ProgramSelector::Jump, "D_4W_5"}};
    int row = 0;
    for (const auto& [which, readout] : rows) {
        grid->addWidget(readouts.label(QLatin1String(readout)), row, 0);
        grid->addWidget(bar.selector(which), row, 1);
        grid->addWidget(bar.selectorButton(which), row, 2);
        ++row;
    }
    return frame;
}

QGroupBox* BuildLimitsFrame(OverviewReadouts& readouts) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = MakeFrame(QStringLiteral("FrameLimits"), QString(), grid);
    AddCaptionedReadouts(grid, readouts,
                         {{QStringLiteral("阀门上限"), QStringLiteral("D_3W_11")},
                          {QStringLiteral("当前分组限幅号"), QStringLiteral("D3WW_8")},
                          {QStringLiteral("阀门下限"), QStringLiteral("D_3W_12")},
                          {QStringLiteral("当前分组上限幅"), QStringLiteral("D3WW_9")},
                          {QStringLiteral("目标值"), QStringLiteral("D_3W_13")},
                          {QStringLiteral("当前分组下限幅"), QStringLiteral("D3WW_10")}},
                         2);
    return frame;
}

}  // namespace vt
