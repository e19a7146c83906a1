#pragma once

#include <QDateTime>
#include <QString>
#include <array>

#include "trend_engine.h"
#include "trend_picture.h"

class QPagedPaintDevice;

namespace vt {

// A trend window's chart as it stands, for one printed page.
struct TrendPageData {
    QString title;  // the window's chart title
    QString station;
    QDateTime madeAt;
    TrendPicture picture;
    RulerLine ruler;
    bool rulerOn = false;
    RulerReading reading;
    std::array<QString, kPenCount> penNames;  // by value column
    std::array<std::int32_t, kAxisLabelCount> valueLabels{};
    std::array<QString, kAxisLabelCount> outputLabels;
};

// The page of `engine`'s chart now (its picture, ruler and axes) with the names of its pens.
TrendPageData TrendPageOf(TrendEngine& engine, const QString& title, const QString& station);

// One A4 landscape page: title, station, time range, the chart (pens in their colours and dash
// patterns), the legend and, with the ruler on, its time and values. False when the device
// cannot be painted on.
bool PaintTrendPage(QPagedPaintDevice& device, const TrendPageData& page);
bool SaveTrendPagePdf(const QString& path, const TrendPageData& page, QString* error);
// 趋势_<yyyyMMdd_HHmmss>.pdf
QString TrendPageFileName(const QDateTime& madeAt);

// The dash pattern that tells pen `index` (drawing order) apart in black and white.
Qt::PenStyle TrendPenStyle(int index);

}  // namespace vt
