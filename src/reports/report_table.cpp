#include "report_table.h"

#include <QPainter>
#include <algorithm>
#include <numeric>

#include "report_flow.h"
#include "report_style.h"

namespace vt {

namespace {

constexpr double kCellPadMm = 1.0;

struct RowStyle {
    QFont font;
    QFont labelFont;
    bool labelsOnEven = false;
    bool shaded = false;
    int wrap = Qt::TextWordWrap;  // field values may be long unbroken codes
};

std::vector<double> ColumnWidths(const std::vector<TableColumn>& columns, double total) {
    const double sum = std::accumulate(columns.begin(), columns.end(), 0.0,
                                       [](double s, const TableColumn& c) { return s + c.weight; });
    std::vector<double> widths;
    for (const TableColumn& c : columns) widths.push_back(total * c.weight / sum);
    return widths;
}

const QFont& CellFont(const RowStyle& style, std::size_t column) {
    return style.labelsOnEven && column % 2 == 0 ? style.labelFont : style.font;
}

double RowHeight(const ReportFlow& flow, const std::vector<double>& widths,
                 const QStringList& cells, const RowStyle& style) {
    double height = 0.0;
    const double pad = Mm(kCellPadMm);
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const QString text = i < static_cast<std::size_t>(cells.size()) ? cells[int(i)] : QString();
        height = std::max(
            height, flow.textHeight(CellFont(style, i), widths[i] - 2 * pad, text, style.wrap));
    }
    return height + 2 * pad;
}

void PaintRow(ReportFlow& flow, const std::vector<TableColumn>& columns,
              const std::vector<double>& widths, const QStringList& cells, const RowStyle& style) {
    const double height = RowHeight(flow, widths, cells, style);
    const double top = flow.take(height);
    QPainter* painter = flow.painter();
    if (!painter) return;
    const double pad = Mm(kCellPadMm);
    double x = flow.body().left();
    if (style.shaded)
        painter->fillRect(QRectF(x, top, flow.body().width(), height), QColor(0xE8, 0xE8, 0xE8));
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const QRectF cell(x + pad, top + pad, widths[i] - 2 * pad, height - 2 * pad);
        const bool label = style.labelsOnEven && i % 2 == 0;
        const QString text = i < static_cast<std::size_t>(cells.size()) ? cells[int(i)] : QString();
        flow.drawText(cell, CellFont(style, i),
                      (columns[i].align | Qt::AlignTop).toInt() | style.wrap, text,
                      label ? QColor(0x50, 0x50, 0x50) : QColor(Qt::black));
        x += widths[i];
    }
    painter->setPen(LinePen(QColor(0x90, 0x90, 0x90), 0.15));
    painter->drawLine(QPointF(flow.body().left(), top + height),
                      QPointF(flow.body().right(), top + height));
}

QStringList Titles(const std::vector<TableColumn>& columns) {
    QStringList titles;
    for (const TableColumn& c : columns) titles << c.title;
    return titles;
}

}  // namespace

void FlowTable(ReportFlow& flow, const std::vector<TableColumn>& columns,
               const std::vector<QStringList>& rows, double points) {
    const std::vector<double> widths = ColumnWidths(columns, flow.body().width());
    const RowStyle body{ReportFont(points), ReportFont(points), false, false};
    const RowStyle header{ReportFont(points, true), ReportFont(points, true), false, true};
    const QStringList titles = Titles(columns);
    const bool hasHeader = !titles.join(QString()).isEmpty();
    int page = 0;
    for (const QStringList& row : rows) {
        const double height = RowHeight(flow, widths, row, body);
        const double headerHeight = RowHeight(flow, widths, titles, header);
        if (hasHeader && (page != flow.page() || height > flow.remaining())) {
            if (height + headerHeight > flow.remaining()) flow.newPage();
            PaintRow(flow, columns, widths, titles, header);
            page = flow.page();
        }
        PaintRow(flow, columns, widths, row, body);
    }
}

void FlowFields(ReportFlow& flow, const std::vector<std::pair<QString, QString>>& fields,
                int perRow) {
    std::vector<TableColumn> columns;
    // One pair a row leaves the value most of the width (a SHA-256 in hex fits on one line).
    const double labelWeight = perRow == 1 ? 0.25 : 0.55;
    for (int i = 0; i < perRow; ++i) {
        columns.push_back({QString(), labelWeight});
        columns.push_back({QString(), 1.0});
    }
    const std::vector<double> widths = ColumnWidths(columns, flow.body().width());
    const RowStyle style{ReportFont(9), ReportFont(9), true, false, Qt::TextWrapAnywhere};
    for (std::size_t i = 0; i < fields.size(); i += std::size_t(perRow)) {
        QStringList cells;
        for (std::size_t j = i; j < std::min(fields.size(), i + std::size_t(perRow)); ++j)
            cells << fields[j].first << fields[j].second;
        PaintRow(flow, columns, widths, cells, style);
    }
}

void FlowHeading(ReportFlow& flow, const QString& text, double keepWith) {
    const QFont font = ReportFont(11, true);
    const double height = flow.textHeight(font, flow.body().width(), text) + Mm(2);
    if (height + keepWith > flow.remaining()) flow.newPage();
    flow.skip(Mm(3));
    const double top = flow.take(height);
    flow.drawText(QRectF(flow.body().left(), top, flow.body().width(), height), font,
                  Qt::AlignLeft | Qt::AlignTop, text);
}

void FlowParagraph(ReportFlow& flow, const QString& text, double points, bool bold) {
    const QFont font = ReportFont(points, bold);
    const double height = flow.textHeight(font, flow.body().width(), text) + Mm(1);
    const double top = flow.take(height);
    flow.drawText(QRectF(flow.body().left(), top, flow.body().width(), height), font,
                  Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

}  // namespace vt
