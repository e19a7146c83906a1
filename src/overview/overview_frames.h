#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

class QGridLayout;
class QGroupBox;
class QWidget;

namespace vt {

class OverviewReadouts;
class RunControlBar;

// A caption and the name of the readout it stands beside.
using CaptionedReadout = std::pair<QString, QString>;

// Adds captioned readouts to a grid, `perRow` pairs to a row, from `firstRow` on.
void AddCaptionedReadouts(QGridLayout* grid, OverviewReadouts& readouts,
                          std::initializer_list<CaptionedReadout> items, int perRow,
                          int firstRow = 0);

// The side frames of the overview.
QGroupBox* BuildAlarmFrame(OverviewReadouts& readouts);    // Frame9 "ALM"
QGroupBox* BuildStateFrame(OverviewReadouts& readouts);    // Frame8 "State"
QGroupBox* BuildProgramFrame(OverviewReadouts& readouts);  // Frame7 "PROGRAM"
QGroupBox* BuildPidFrame(OverviewReadouts& readouts);      // Frame10 "PID"
QGroupBox* BuildProgramFunctionFrame(OverviewReadouts& readouts, RunControlBar& bar);  // Frame1
QGroupBox* BuildLimitsFrame(OverviewReadouts& readouts);  // valve and output limits

}  // namespace vt
