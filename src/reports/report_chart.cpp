#include "report_chart.h"

#include "chart_painter.h"
#include "chart_picture_builder.h"
#include "report_style.h"

namespace vt {

void PaintReportChart(QPainter& painter, const QRectF& frame, const ReportChartData& chart) {
    const ChartLooks paper{Mm(1), 0.0, ReportFont(7), ReportFont(7.5), ReportFont(6.5, true)};
    PaintChartPicture(painter, frame, BuildChartPicture(chart), paper);
}

std::vector<ReportPen> BatchPenLooks() {
    return {{QStringLiteral("PV1"), 0xE00000, Qt::SolidLine, {}},
            {QStringLiteral("PV2"), 0xB05000, Qt::DashDotLine, {}},
            {QStringLiteral("SV1"), 0x0000E0, Qt::DotLine, {}}};
}

}  // namespace vt
