#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <vector>

#include "report_chart_data.h"
#include "series_source.h"

class QPagedPaintDevice;

namespace vt {

// A pen of the history report: which value column, its name and look.
struct HistoryPen {
    int column = 0;
    ReportPen look;  // name, colour, dash pattern (no columns)
};

struct HistoryReportRequest {
    QString title;
    QString station;
    QDateTime from;
    QDateTime to;
    std::vector<HistoryPen> pens;
    double gapSeconds = 300.0;  // records further apart than this mark a gap
};

struct PenStatistics {
    QString name;
    qint64 count = 0;
    double minimum = 0.0;
    double maximum = 0.0;
    double mean = 0.0;
};

struct HistoryReportData {
    HistoryReportRequest request;
    ReportChartData chart;
    std::vector<PenStatistics> statistics;  // one per pen
    qint64 records = 0;
    QDateTime madeAt;
};

// Reads the range once: the chart's columns, each pen's minimum, maximum and mean, and the gaps
// (also before the first and after the last record of the range).
HistoryReportData BuildHistoryReport(SeriesSource& source, const HistoryReportRequest& request,
                                     int columns = 900);

// A4 portrait: the range, the chart, the table of minimum, maximum and mean per pen, the gaps.
bool PaintHistoryReport(QPagedPaintDevice& device, const HistoryReportData& report);
bool SaveHistoryReportPdf(const QString& path, const HistoryReportData& report, QString* error);
// 历史报告_<from yyyyMMdd_HHmm>_<to yyyyMMdd_HHmm>.pdf
QString HistoryReportFileName(const HistoryReportRequest& request);

// The six pens of the trend windows with their colours and print dash patterns, named as given.
std::vector<HistoryPen> TrendHistoryPens(const std::array<QString, 6>& namesByColumn);

}  // namespace vt
