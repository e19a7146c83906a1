#include "history_report.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "column_reducer.h"
#include "report_chart.h"
#include "report_flow.h"
#include "report_pdf.h"
#include "report_style.h"
#include "report_table.h"
#include "report_text.h"
#include "trend_geometry.h"
#include "trend_page.h"

namespace vt {

namespace {

constexpr double kChartHeightMm = 110.0;

struct Running {
    qint64 count = 0;
    double minimum = 0.0;
    double maximum = 0.0;
    double sum = 0.0;

    void add(double v) {
        minimum = count == 0 ? v : std::min(minimum, v);
        maximum = count == 0 ? v : std::max(maximum, v);
        sum += v;
        ++count;
    }
};

void AddGap(ReportChartData& chart, double from, double to, double threshold) {
    if (to - from > threshold) chart.gaps.push_back({from, to});
}

void Layout(ReportFlow& flow, const HistoryReportData& r) {
    FlowHeading(flow, r.request.title, Mm(20));
    FlowFields(flow,
               {{QStringLiteral("站点"), r.request.station},
                {QStringLiteral("记录数"), QString::number(r.records)},
                {QStringLiteral("从"), ReportTimeText(r.request.from)},
                {QStringLiteral("至"), ReportTimeText(r.request.to)}},
               2);
    flow.skip(Mm(2));
    const double top = flow.take(Mm(kChartHeightMm));
    if (QPainter* painter = flow.painter())
        PaintReportChart(*painter,
                         QRectF(flow.body().left(), top, flow.body().width(), Mm(kChartHeightMm)),
                         r.chart);
    FlowHeading(flow, QStringLiteral("统计"), Mm(12));
    std::vector<QStringList> rows;
    for (const PenStatistics& s : r.statistics)
        rows.push_back({s.name, QString::number(s.count),
                        s.count ? ValueText(s.minimum) : QStringLiteral("—"),
                        s.count ? ValueText(s.maximum) : QStringLiteral("—"),
                        s.count ? ValueText(s.mean, 2) : QStringLiteral("—")});
    FlowTable(flow,
              {{QStringLiteral("笔"), 1.2},
               {QStringLiteral("记录"), 1.0, Qt::AlignRight},
               {QStringLiteral("最小"), 1.0, Qt::AlignRight},
               {QStringLiteral("最大"), 1.0, Qt::AlignRight},
               {QStringLiteral("平均"), 1.0, Qt::AlignRight}},
              rows, 9);
    FlowHeading(flow, QStringLiteral("数据中断"), Mm(12));
    if (r.chart.gaps.empty()) {
        FlowParagraph(flow, QStringLiteral("范围内无中断。"));
        return;
    }
    rows.clear();
    for (const ChartSpan& gap : r.chart.gaps)
        rows.push_back({ReportTimeText(r.chart.start.addMSecs(qint64(gap.fromSeconds * 1000))),
                        ReportTimeText(r.chart.start.addMSecs(qint64(gap.toSeconds * 1000))),
                        DurationText(gap.toSeconds - gap.fromSeconds)});
    FlowTable(flow,
              {{QStringLiteral("从"), 1.0},
               {QStringLiteral("至"), 1.0},
               {QStringLiteral("时长"), 0.8, Qt::AlignRight}},
              rows);
}

}  // namespace

HistoryReportData BuildHistoryReport(SeriesSource& source, const HistoryReportRequest& request,
                                     int columns) {
    HistoryReportData report;
    report.request = request;
    report.madeAt = QDateTime::currentDateTime();
    ReportChartData& chart = report.chart;
    chart.start = request.from;
    chart.spanSeconds = std::max(1.0, double(request.from.msecsTo(request.to)) / 1000.0);
    ColumnReducer reducer(chart.spanSeconds, columns, int(request.pens.size()));
    std::vector<Running> running(request.pens.size());
    std::vector<float> picked(request.pens.size());
    double last = 0.0;
    source.read(request.from, request.to, [&](double at, std::span<const float> v) {
        AddGap(chart, last, at, request.gapSeconds);
        last = at;
        for (std::size_t i = 0; i < request.pens.size(); ++i) {
            picked[i] = v[std::size_t(request.pens[i].column)];
            running[i].add(picked[i]);
        }
        reducer.add(at, picked);
        ++report.records;
    });
    AddGap(chart, last, chart.spanSeconds, request.gapSeconds);
    for (std::size_t i = 0; i < request.pens.size(); ++i) {
        ReportPen pen = request.pens[i].look;
        pen.columns = reducer.pen(int(i));
        chart.pens.push_back(std::move(pen));
        const Running& r = running[i];
        report.statistics.push_back({request.pens[i].look.name, r.count, r.minimum, r.maximum,
                                     r.count ? r.sum / double(r.count) : 0.0});
    }
    return report;
}

bool PaintHistoryReport(QPagedPaintDevice& device, const HistoryReportData& report) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    const PageFrame frame{report.request.title, report.request.station, QString(), report.madeAt};
    return PaintPaged(device, frame, [&](ReportFlow& flow) { Layout(flow, report); });
}

bool SaveHistoryReportPdf(const QString& path, const HistoryReportData& report, QString* error) {
    PdfDocument document;
    document.title = report.request.title;
    return SaveReportPdf(
        path, document,
        [&](QPagedPaintDevice& device) { return PaintHistoryReport(device, report); }, error);
}

QString HistoryReportFileName(const HistoryReportRequest& request) {
    const QString format = QStringLiteral("yyyyMMdd_HHmm");
    return QStringLiteral("历史报告_%1_%2.pdf")
        .arg(request.from.toString(format), request.to.toString(format));
}

std::vector<HistoryPen> TrendHistoryPens(const std::array<QString, 6>& namesByColumn) {
    std::vector<HistoryPen> pens;
    for (int i = 0; i < kPenCount; ++i) {
        const TrendPenSpec& spec = kTrendPens[std::size_t(i)];
        pens.push_back({spec.column,
                        {namesByColumn[std::size_t(spec.column)], spec.rgb, TrendPenStyle(i), {}}});
    }
    return pens;
}

}  // namespace vt
