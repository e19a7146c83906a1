#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace vt {

class ReportFlow;

struct TableColumn {
    QString title;
    double weight = 1.0;  // share of the table's width
    Qt::Alignment align = Qt::AlignLeft;
};

// A table down the flow: the header row again on every page it continues on, each row kept
// whole on one page, long cells wrapped. Without titles no header row is drawn.
void FlowTable(ReportFlow& flow, const std::vector<TableColumn>& columns,
               const std::vector<QStringList>& rows, double points = 8.0);

// Label and value pairs, `perRow` pairs a row, labels in grey.
void FlowFields(ReportFlow& flow, const std::vector<std::pair<QString, QString>>& fields,
                int perRow);

// A section heading, kept on the page with at least `keepWith` below it.
void FlowHeading(ReportFlow& flow, const QString& text, double keepWith);

// A wrapped paragraph.
void FlowParagraph(ReportFlow& flow, const QString& text, double points = 9.0, bool bold = false);

}  // namespace vt
