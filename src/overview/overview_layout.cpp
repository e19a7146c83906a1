#include "overview_layout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry_box.h"
#include "overview_frames.h"
#include "overview_readouts.h"
#include "run_control_bar.h"

namespace vt {

namespace {

// The set-value block of the top bar: value readout, entry box and its write button.
void AddSetValue(QGridLayout* grid, int row, int column, OverviewReadouts& readouts,
                 RunControlBar& bar, RunEntry entry, const QString& readout) {
    grid->addWidget(readouts.label(readout), row, column);
    QWidget* box = bar.entry(entry);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-00000.000")));
    grid->addWidget(box, row, column + 1);
    QPushButton* button = bar.writeButton(entry);
    // The button comes and goes with the entry's focus; its place stays.
    QSizePolicy policy = button->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    button->setSizePolicy(policy);
    grid->addWidget(button, row, column + 2);
}

// A coil readout with its toggle button.
void AddToggle(QGridLayout* grid, int row, int column, OverviewReadouts& readouts,
               RunControlBar& bar, RunToggle toggle) {
    const int index = RunControl::CoilIndex(toggle);
    ReadoutLabel* readout = readouts.label(QStringLiteral("D_1RW_%1").arg(index));
    readout->reserveWidthFor(QStringLiteral("主自整定开"));
    grid->addWidget(readout, row, column);
    grid->addWidget(bar.toggleButton(toggle), row, column + 1);
}

QFrame* BuildTopBar(OverviewReadouts& readouts, RunControlBar& bar) {
    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("Frame4"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setHorizontalSpacing(4);
    AddCaptionedReadouts(grid, readouts,
                         {{QStringLiteral("t.PV"), QStringLiteral("D_3W_0")},
                          {QStringLiteral("t.OP"), QStringLiteral("D_3W_1")},
                          {QStringLiteral("t.SV"), QStringLiteral("D_3W_2")},
                          {QStringLiteral("SV1 "), QStringLiteral("D_3W_5")},
                          {QStringLiteral("PV1"), QStringLiteral("D_3W_3")},
                          {QStringLiteral("PV2值"), QStringLiteral("D_3W_4")},
                          {QStringLiteral("SV2 "), QStringLiteral("D_3W_6")}},
                         4);
    AddSetValue(grid, 0, 8, readouts, bar, RunEntry::SV1, QStringLiteral("D_4W_2"));
    AddSetValue(grid, 1, 8, readouts, bar, RunEntry::SV2, QStringLiteral("D_4W_3"));

    auto* outputCaption = new QLabel(QStringLiteral("OP值"));
    outputCaption->setBuddy(readouts.label(QStringLiteral("D_4W_1")));
    grid->addWidget(outputCaption, 0, 11);
    AddSetValue(grid, 0, 12, readouts, bar, RunEntry::Output, QStringLiteral("D_4W_1"));

    AddToggle(grid, 0, 15, readouts, bar, RunToggle::AutoManual);
    AddToggle(grid, 0, 17, readouts, bar, RunToggle::FixProgram);
    AddToggle(grid, 1, 13, readouts, bar, RunToggle::Standby);
    AddToggle(grid, 1, 15, readouts, bar, RunToggle::SvSelect);
    AddToggle(grid, 1, 17, readouts, bar, RunToggle::AutoTune);
    grid->setColumnStretch(19, 1);  // spare width goes to the right, not into the boxes
    return frame;
}

QVBoxLayout* Column(std::initializer_list<QWidget*> frames) {
    auto* column = new QVBoxLayout;
    for (QWidget* frame : frames) column->addWidget(frame);
    column->addStretch(1);
    return column;
}

}  // namespace

void BuildOverviewLayout(QWidget* window, const OverviewParts& parts) {
    auto* clock = new QVBoxLayout;
    clock->addWidget(parts.date);
    clock->addWidget(parts.time);
    auto* top = new QHBoxLayout;
    top->addWidget(BuildTopBar(parts.readouts, parts.runBar), 1);
    top->addLayout(clock);

    auto* middle = new QHBoxLayout;
    middle->addLayout(Column({BuildAlarmFrame(parts.readouts), BuildStateFrame(parts.readouts),
                              BuildProgramFrame(parts.readouts)}));
    middle->addWidget(parts.chart, 1);
    middle->addLayout(Column({BuildPidFrame(parts.readouts),
                              BuildProgramFunctionFrame(parts.readouts, parts.runBar),
                              BuildLimitsFrame(parts.readouts)}));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(parts.portPanel);
    bottom->addStretch(1);
    if (parts.plantLink) bottom->addWidget(parts.plantLink, 0, Qt::AlignVCenter);
    for (QWidget* status : {parts.linkHealth, static_cast<QWidget*>(parts.sampleStep),
                            static_cast<QWidget*>(parts.surfaceWidth)}) {
        bottom->addWidget(status, 0, Qt::AlignVCenter);
    }

    auto* page = new QVBoxLayout(window);
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(4);
    page->addLayout(top);
    page->addLayout(middle, 1);
    page->addLayout(bottom);
    page->addWidget(parts.navigation);
}

}  // namespace vt
