#include "trend_page.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "report_flow.h"
#include "report_pdf.h"
#include "report_style.h"
#include "report_text.h"
#include "trend_text.h"

namespace vt {

namespace {

constexpr double kAxisMm = 14.0;
constexpr double kTimeAxisMm = 10.0;
constexpr double kLegendMm = 8.0;

QString StampText(const TrendStamp& stamp) {
    if (!stamp.known) return QStringLiteral("—");
    return TrendDateText(stamp.date) + QLatin1Char(' ') + TrendTimeText(stamp.time);
}

// Maps the picture's logical surface onto the chart rectangle on the page.
struct SurfaceMap {
    QRectF rect;
    QPointF operator()(const QPointF& p) const {
        return {rect.left() + p.x() * rect.width() / kSurfaceWidth,
                rect.top() + p.y() * rect.height() / kSurfaceHeight};
    }
};

void PaintLines(QPainter& painter, const SurfaceMap& map, std::span<const QLineF> lines,
                const QPen& pen) {
    painter.setPen(pen);
    for (const QLineF& line : lines) painter.drawLine(map(line.p1()), map(line.p2()));
}

void PaintPicture(QPainter& painter, const QRectF& rect, const TrendPageData& page) {
    const SurfaceMap map{rect};
    painter.save();
    painter.fillRect(rect, Qt::white);
    painter.setClipRect(rect);
    PaintLines(painter, map, page.picture.grid,
               LinePen(QColor(0xB0, 0xB0, 0xB0), 0.1, Qt::DotLine));
    PaintLines(painter, map, page.picture.gapMarks,
               LinePen(QColor(0x80, 0x80, 0x80), 0.2, Qt::DashLine));
    for (std::size_t i = 0; i < page.picture.pens.size(); ++i) {
        const TrendPolyline& line = page.picture.pens[i];
        if (line.points.size() < 2) continue;
        QPolygonF polygon;
        for (const QPointF& p : line.points) polygon << map(p);
        painter.setPen(
            LinePen(QColor::fromRgb(line.rgb), 0.25 * (line.width + 1), TrendPenStyle(int(i))));
        painter.drawPolyline(polygon);
    }
    if (page.rulerOn && page.ruler.visible) {
        painter.setPen(LinePen(Qt::black, 0.3));
        painter.drawLine(map(QPointF(page.ruler.x, page.ruler.top)),
                         map(QPointF(page.ruler.x, page.ruler.bottom)));
    }
    painter.restore();
    painter.setPen(LinePen(Qt::black, 0.25));
    painter.drawRect(rect);
}

void PaintAxes(QPainter& painter, const QRectF& rect, const TrendPageData& page) {
    painter.setFont(ReportFont(7));
    painter.setPen(Qt::black);
    for (int i = 0; i < kAxisLabelCount; ++i) {
        const double y = rect.bottom() - rect.height() * i * kAxisLabelSpacing / kSurfaceHeight;
        painter.drawText(QRectF(rect.left() - Mm(kAxisMm), y - Mm(2), Mm(kAxisMm - 1), Mm(4)),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(page.valueLabels[i]));
        painter.drawText(QRectF(rect.right() + Mm(1), y - Mm(2), Mm(kAxisMm), Mm(4)),
                         Qt::AlignLeft | Qt::AlignVCenter, page.outputLabels[i]);
    }
    for (int i = 0; i < kTimeLabelCount; ++i) {
        const TrendStamp& stamp = page.picture.timeLabels[i];
        if (!stamp.known) continue;
        const double x = rect.left() + rect.width() * i * kTimeLabelSpacing / kSurfaceWidth;
        painter.drawText(QRectF(x - Mm(12), rect.bottom() + Mm(1), Mm(24), Mm(kTimeAxisMm)),
                         Qt::AlignHCenter | Qt::AlignTop,
                         TrendTimeText(stamp.time) + QLatin1Char('\n') + TrendDateText(stamp.date));
    }
}

void PaintLegend(QPainter& painter, const QRectF& row, const TrendPageData& page) {
    painter.setFont(ReportFont(8));
    double x = row.left();
    for (int i = 0; i < kPenCount; ++i) {
        const TrendPolyline& line = page.picture.pens[std::size_t(i)];
        const int column = kTrendPens[std::size_t(i)].column;
        QString name = page.penNames[std::size_t(column)];
        if (page.rulerOn && page.reading.recorded)
            name +=
                QStringLiteral(" = ") + QString::number(page.reading.values[std::size_t(column)]);
        const double y = row.center().y();
        painter.setPen(
            LinePen(QColor::fromRgb(line.rgb), 0.25 * (line.width + 1), TrendPenStyle(i)));
        painter.drawLine(QPointF(x, y), QPointF(x + Mm(10), y));
        painter.setPen(Qt::black);
        QRectF used;
        painter.drawText(QRectF(x + Mm(11), row.top(), Mm(60), row.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, name, &used);
        x = used.right() + Mm(6);
    }
}

QString InfoLine(const TrendPageData& page) {
    QString info = QStringLiteral("时间范围 %1 至 %2")
                       .arg(StampText(page.picture.timeLabels.front()),
                            StampText(page.picture.timeLabels.back()));
    if (page.rulerOn)
        info += QStringLiteral("    标尺 %1%2")
                    .arg(StampText(page.reading.moment),
                         page.reading.recorded ? QString() : QStringLiteral("（无记录）"));
    return info;
}

void Layout(ReportFlow& flow, const TrendPageData& page) {
    const QRectF body = flow.body();
    flow.drawText(QRectF(body.left(), body.top(), body.width(), Mm(8)), ReportFont(10),
                  Qt::AlignLeft | Qt::AlignVCenter, InfoLine(page));
    QPainter* painter = flow.painter();
    if (!painter) return;
    const QRectF legend(body.left() + Mm(kAxisMm), body.top() + Mm(9), body.width(), Mm(kLegendMm));
    PaintLegend(*painter, legend, page);
    const QRectF chart(body.left() + Mm(kAxisMm), legend.bottom() + Mm(2),
                       body.width() - 2 * Mm(kAxisMm),
                       body.bottom() - legend.bottom() - Mm(2) - Mm(kTimeAxisMm));
    PaintPicture(*painter, chart, page);
    PaintAxes(*painter, chart, page);
}

}  // namespace

Qt::PenStyle TrendPenStyle(int index) {
    static constexpr std::array<Qt::PenStyle, kPenCount> kStyles{Qt::DashLine,       Qt::SolidLine,
                                                                 Qt::DashDotLine,    Qt::DotLine,
                                                                 Qt::DashDotDotLine, Qt::SolidLine};
    return kStyles[std::size_t(index) % kStyles.size()];
}

TrendPageData TrendPageOf(TrendEngine& engine, const QString& title, const QString& station) {
    TrendPageData page;
    page.title = title;
    page.station = station;
    page.madeAt = QDateTime::currentDateTime();
    page.picture = engine.buildPicture();
    page.ruler = engine.rulerLine();
    page.rulerOn = engine.state().RulerOn;
    if (page.rulerOn) page.reading = engine.rulerReading();
    page.penNames = engine.settings().PenNames;
    page.valueLabels = engine.valueAxisLabels();
    page.outputLabels = engine.settings().OutputAxisLabels;
    return page;
}

bool PaintTrendPage(QPagedPaintDevice& device, const TrendPageData& page) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Landscape);
    const PageFrame frame{QStringLiteral("趋势打印  %1").arg(page.title), page.station, QString(),
                          page.madeAt};
    return PaintPaged(device, frame, [&](ReportFlow& flow) { Layout(flow, page); });
}

bool SaveTrendPagePdf(const QString& path, const TrendPageData& page, QString* error) {
    PdfDocument document;
    document.title = QStringLiteral("趋势打印 %1").arg(page.title);
    document.orientation = QPageLayout::Landscape;
    return SaveReportPdf(
        path, document, [&](QPagedPaintDevice& device) { return PaintTrendPage(device, page); },
        error);
}

QString TrendPageFileName(const QDateTime& madeAt) {
    return QStringLiteral("趋势_%1.pdf").arg(madeAt.toString(QStringLiteral("yyyyMMdd_HHmmss")));
}

}  // namespace vt
