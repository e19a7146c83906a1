#pragma once

class QWidget;

namespace vt {

class OverviewReadouts;
class ReadoutLabel;
class RunControlBar;

// The pieces the overview is made of, for its layout to place.
struct OverviewParts {
    OverviewReadouts& readouts;
    RunControlBar& runBar;
    QWidget* chart;
    QWidget* portPanel;
    QWidget* navigation;
    QWidget* linkHealth;
    QWidget* plantLink;          // none without a plant link
    ReadoutLabel* date;          // Label2_9
    ReadoutLabel* time;          // Label2_10
    ReadoutLabel* sampleStep;    // Label19
    ReadoutLabel* surfaceWidth;  // Label20
};

// Lays the overview out: the top bar with the date and time at its right, the status frames
// left and right of the trend, the port panel and the navigation bar at the bottom.
void BuildOverviewLayout(QWidget* window, const OverviewParts& parts);

}  // namespace vt
