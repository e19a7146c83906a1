#pragma once

#include <QString>
#include <array>

#include "trend_geometry.h"

namespace vt {

// Everything in which the two trend windows differ. The engine and the chart are one; each
// window passes its own settings.
struct TrendSettings {
    // Seconds between two records of the ring the window reads (label extrapolation).
    int SecondsPerRecord = 1;
    // Scale of the third pen (column 1, the output).
    TrendScale OutputPenScale = TrendScale::OutputAxis;
    // Fixed output-axis labels, bottom to top.
    std::array<QString, kAxisLabelCount> OutputAxisLabels;
    // Captions of the button that raises ZoomLevel (F1) and the one that lowers it (F2).
    QString RaiseZoomCaption;
    QString LowerZoomCaption;
    QString PrintCaption;
    QString SelectCaption;
    // Value-axis editor captions and whether it hides again after an accepted change.
    QString MaximumCaption;
    QString MinimumCaption;
    bool HideEditorAfterChange = false;
    // Names of the six value columns as the window's readouts caption them (printed legend).
    std::array<QString, kPenCount> PenNames;
};

TrendSettings OverviewTrendSettings();
TrendSettings HistoryTrendSettings();

}  // namespace vt
