#include "batch_report.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

#include "report_chart.h"
#include "report_flow.h"
#include "report_pdf.h"
#include "report_style.h"
#include "report_table.h"
#include "report_text.h"

namespace vt {

namespace {

constexpr double kChartHeightMm = 82.0;

QString Or(const QString& text, const QString& otherwise) {
    return text.isEmpty() ? otherwise : text;
}

QDateTime MadeAt(const BatchReportData& data) {
    return data.madeAt.isValid() ? data.madeAt : QDateTime::currentDateTime();
}

QString EndText(const BatchReportData& data) {
    return data.end.isValid() ? ReportTimeText(data.end) : QStringLiteral("进行中");
}

QString DurationOf(const BatchReportData& data) {
    const QDateTime end = data.end.isValid() ? data.end : MadeAt(data);
    return DurationText(double(data.start.secsTo(end)));
}

void HeaderFields(ReportFlow& flow, const BatchReportData& d) {
    const QString unit = d.unit.isEmpty() ? QString() : QStringLiteral(" ") + d.unit;
    std::vector<std::pair<QString, QString>> fields{
        {QStringLiteral("站点"), d.station},
        {QStringLiteral("端口/地址"), QStringLiteral("%1 / %2").arg(d.port).arg(d.address)},
        {QStringLiteral("批号"), d.number},
        {QStringLiteral("工单"), d.order},
        {QStringLiteral("零件"), d.part},
        {QStringLiteral("材料"), d.material},
        {QStringLiteral("数量"), d.quantity},
        {QStringLiteral("操作员"), d.operatorName},
        {QStringLiteral("曲线号"),
         d.curveNumber >= 0 ? QString::number(d.curveNumber) : QStringLiteral("无程序")},
        {QStringLiteral("开始"),
         ReportTimeText(d.start) + (d.startedLate ? QStringLiteral("（迟启动）") : QString())},
        {QStringLiteral("结束"), EndText(d)},
        {QStringLiteral("时长"), DurationOf(d)},
        {QStringLiteral("负载传感器"), d.loadSensor},
        {QStringLiteral("温度容差"), QStringLiteral("±%1%2").arg(ValueText(d.bandTolerance), unit)},
        {QStringLiteral("时间容差"), QStringLiteral("%1 %").arg(ValueText(d.timeTolerancePercent))},
    };
    if (!d.comment.isEmpty()) fields.emplace_back(QStringLiteral("备注"), d.comment);
    FlowFields(flow, fields, 3);
}

QString VerdictTitle(const ReportVerdict& verdict) {
    switch (verdict.kind) {
        case VerdictKind::Pass:
            return QStringLiteral("判定：PASS 合格");
        case VerdictKind::Fail:
            return QStringLiteral("判定：FAIL 不合格");
        case VerdictKind::None:
            break;
    }
    return QStringLiteral("无判定（手动批次，无程序）");
}

void VerdictBox(ReportFlow& flow, const ReportVerdict& verdict) {
    const QFont titleFont = ReportFont(14, true);
    const QFont reasonFont = ReportFont(9);
    const double inner = flow.body().width() - Mm(8);
    const QString reasons = verdict.reasons.join(QLatin1Char('\n'));
    const double titleHeight = flow.textHeight(titleFont, inner, VerdictTitle(verdict));
    const double reasonHeight =
        reasons.isEmpty() ? 0.0 : flow.textHeight(reasonFont, inner, reasons);
    const double height = titleHeight + reasonHeight + Mm(5);
    flow.skip(Mm(2));
    const double top = flow.take(height);
    if (QPainter* painter = flow.painter()) {
        const QRectF box(flow.body().left(), top, flow.body().width(), height);
        const bool fail = verdict.kind == VerdictKind::Fail;
        painter->setBrush(Qt::NoBrush);
        painter->setPen(LinePen(Qt::black, fail ? 1.0 : 0.5));
        painter->drawRect(box);
        if (fail) painter->drawRect(box.adjusted(Mm(0.8), Mm(0.8), -Mm(0.8), -Mm(0.8)));
    }
    const double left = flow.body().left() + Mm(4);
    flow.drawText(QRectF(left, top + Mm(2), inner, titleHeight), titleFont,
                  Qt::AlignLeft | Qt::AlignTop, VerdictTitle(verdict));
    flow.drawText(QRectF(left, top + Mm(2) + titleHeight, inner, reasonHeight), reasonFont,
                  Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, reasons);
}

void Chart(ReportFlow& flow, const ReportChartData& chart) {
    flow.skip(Mm(2));
    const double top = flow.take(Mm(kChartHeightMm));
    if (QPainter* painter = flow.painter())
        PaintReportChart(*painter,
                         QRectF(flow.body().left(), top, flow.body().width(), Mm(kChartHeightMm)),
                         chart);
}

QString SegmentVerdict(const SegmentReportRow& s) {
    if (!s.passed.has_value()) return QStringLiteral("—");
    return *s.passed ? QStringLiteral("合格") : QStringLiteral("不合格");
}

void SegmentTable(ReportFlow& flow, const BatchReportData& d) {
    FlowHeading(flow, QStringLiteral("程序段"), Mm(12));
    const std::vector<TableColumn> columns{
        {QStringLiteral("段"), 0.5, Qt::AlignRight},
        {QStringLiteral("类型"), 0.6},
        {QStringLiteral("设定"), 0.8, Qt::AlignRight},
        {QStringLiteral("计划起止"), 1.5},
        {QStringLiteral("实际起止"), 1.5},
        {QStringLiteral("最小"), 0.8, Qt::AlignRight},
        {QStringLiteral("最大"), 0.8, Qt::AlignRight},
        {QStringLiteral("平均"), 0.8, Qt::AlignRight},
        {QStringLiteral("最大偏差"), 0.9, Qt::AlignRight},
        {QStringLiteral("带内/要求"), 1.5},
        {QStringLiteral("结果"), 0.7},
    };
    std::vector<QStringList> rows;
    for (const SegmentReportRow& s : d.segments) {
        const QString band = s.soak ? QStringLiteral("%1 / %2").arg(DurationText(s.timeInBand),
                                                                    DurationText(s.requiredTime))
                                    : QStringLiteral("—");
        rows.push_back({QString::number(s.number),
                        s.soak ? QStringLiteral("保温") : QStringLiteral("升降"),
                        ValueText(s.setPoint),
                        OffsetText(s.plannedStart) + QStringLiteral("–") + OffsetText(s.plannedEnd),
                        OffsetText(s.actualStart) + QStringLiteral("–") + OffsetText(s.actualEnd),
                        ValueText(s.minimum), ValueText(s.maximum), ValueText(s.mean),
                        ValueText(s.largestDeviation), band, SegmentVerdict(s)});
    }
    if (rows.empty()) {
        FlowParagraph(flow, QStringLiteral("无程序段（手动批次）。"));
        return;
    }
    FlowTable(flow, columns, rows, 7.5);
}

QString EventKindText(ReportEventKind kind) {
    switch (kind) {
        case ReportEventKind::Gap:
            return QStringLiteral("通讯中断");
        case ReportEventKind::Alarm:
            return QStringLiteral("报警");
        case ReportEventKind::Note:
            return QStringLiteral("备注");
        case ReportEventKind::HeaderChange:
            return QStringLiteral("批次信息修改");
        case ReportEventKind::Write:
            return QStringLiteral("写入");
    }
    return {};
}

void Events(ReportFlow& flow, const BatchReportData& d) {
    FlowHeading(flow, QStringLiteral("事件"), Mm(12));
    if (d.events.empty()) {
        FlowParagraph(flow, QStringLiteral("批次中无事件。"));
        return;
    }
    std::vector<QStringList> rows;
    for (const ReportEvent& e : d.events)
        rows.push_back({ReportTimeText(e.time), EventKindText(e.kind), e.text});
    FlowTable(flow,
              {{QStringLiteral("时间"), 1.3},
               {QStringLiteral("类型"), 0.9},
               {QStringLiteral("内容"), 4.0}},
              rows);
}

void Fingerprint(ReportFlow& flow, const ReportFingerprint& f) {
    FlowHeading(flow, QStringLiteral("控制器设定指纹 (SHA-256)"), Mm(15));
    QString verdict;
    if (f.atEnd.isEmpty())
        verdict = QStringLiteral("批次未结束");
    else if (f.atStart == f.atEnd)
        verdict = QStringLiteral("开始与结束相同");
    else
        verdict = QStringLiteral("设定在批次中已改变");
    FlowFields(flow,
               {{QStringLiteral("开始"), Or(f.atStart, QStringLiteral("—"))},
                {QStringLiteral("结束"), Or(f.atEnd, QStringLiteral("—"))},
                {QStringLiteral("比较"), verdict}},
               1);
    if (f.changingWrites.isEmpty()) return;
    FlowParagraph(flow, QStringLiteral("批次中本站发出的写入："), 9, true);
    std::vector<QStringList> rows;
    for (const QString& write : f.changingWrites) rows.push_back({write});
    FlowTable(flow, {{QString(), 1.0}}, rows);
}

void Integrity(ReportFlow& flow, const ReportIntegrity& i) {
    FlowHeading(flow, QStringLiteral("完整性"), Mm(20));
    const QString check = i.intact ? QStringLiteral("记录完整")
                                   : QStringLiteral("记录已被改动：%1").arg(i.firstMismatch);
    FlowFields(flow,
               {{QStringLiteral("链头 SHA-256"), i.chainHead},
                {QStringLiteral("记录数"), QString::number(i.recordCount)},
                {QStringLiteral("数据覆盖率"),
                 QStringLiteral("%1 %").arg(ValueText(i.coveragePercent, 2))},
                {QStringLiteral("通讯中断"),
                 QStringLiteral("%1 次，最长 %2，合计 %3")
                     .arg(i.gapCount)
                     .arg(DurationText(i.longestGapSeconds), DurationText(i.totalGapSeconds))},
                {QStringLiteral("校验"), check}},
               1);
}

void SignatureLine(ReportFlow& flow, const QString& meaning) {
    const double height = Mm(14);
    const double top = flow.take(height);
    QPainter* painter = flow.painter();
    if (!painter) return;
    const QFont font = ReportFont(9);
    const double left = flow.body().left();
    const double base = top + height - Mm(3);
    flow.drawText(QRectF(left, base - Mm(6), Mm(20), Mm(6)), font, Qt::AlignLeft | Qt::AlignBottom,
                  meaning + QStringLiteral("："));
    flow.drawText(QRectF(left + Mm(95), base - Mm(6), Mm(20), Mm(6)), font,
                  Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("日期："));
    painter->setPen(LinePen(Qt::black, 0.25));
    painter->drawLine(QPointF(left + Mm(20), base), QPointF(left + Mm(90), base));
    painter->drawLine(QPointF(left + Mm(110), base), QPointF(left + Mm(170), base));
}

void Signatures(ReportFlow& flow, const BatchReportData& d) {
    FlowHeading(flow, QStringLiteral("签名"), Mm(30));
    if (!d.signatures.empty()) {
        std::vector<QStringList> rows;
        for (const ReportSignature& s : d.signatures)
            rows.push_back({s.meaning, s.name, ReportTimeText(s.time), s.account, s.comment});
        FlowTable(flow,
                  {{QStringLiteral("意义"), 0.6},
                   {QStringLiteral("姓名"), 1.2},
                   {QStringLiteral("时间"), 1.4},
                   {QStringLiteral("计算机账户"), 1.0},
                   {QStringLiteral("说明"), 2.0}},
                  rows);
    }
    for (const QString& meaning : {QStringLiteral("审核"), QStringLiteral("批准")}) {
        const bool signed_ =
            std::any_of(d.signatures.begin(), d.signatures.end(),
                        [&](const ReportSignature& s) { return s.meaning == meaning; });
        if (!signed_) SignatureLine(flow, meaning);
    }
}

void Attachment(ReportFlow& flow, const BatchReportData& d) {
    FlowHeading(flow, QStringLiteral("附件"), Mm(10));
    FlowParagraph(flow,
                  QStringLiteral("本 PDF 附有批次的完整记录链 %1（%2 字节）。用 vtrecords verify "
                                 "校验本文件，或用任一 PDF 工具取出附件阅读。")
                      .arg(ChainAttachmentName(d.number))
                      .arg(d.chainExport.size()));
}

void Layout(ReportFlow& flow, const BatchReportData& d) {
    FlowHeading(flow, QStringLiteral("批次报告  %1").arg(d.number), Mm(20));
    HeaderFields(flow, d);
    VerdictBox(flow, d.verdict);
    Chart(flow, d.chart);
    SegmentTable(flow, d);
    flow.newPage();
    Events(flow, d);
    Fingerprint(flow, d.fingerprint);
    Integrity(flow, d.integrity);
    Signatures(flow, d);
    Attachment(flow, d);
}

QString SafeFileText(const QString& text, const QRegularExpression& unsafe) {
    QString safe = text;
    safe.replace(unsafe, QStringLiteral("_"));
    return safe.isEmpty() ? QStringLiteral("_") : safe;
}

}  // namespace

bool PaintBatchReport(QPagedPaintDevice& device, const BatchReportData& data) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    const PageFrame frame{QStringLiteral("批次报告"), data.station, data.number, MadeAt(data)};
    return PaintPaged(device, frame, [&](ReportFlow& flow) { Layout(flow, data); });
}

bool SaveBatchReportPdf(const QString& path, const BatchReportData& data, QString* error) {
    PdfDocument document;
    document.title = QStringLiteral("批次报告 %1").arg(data.number);
    document.chainHead = data.integrity.chainHead;
    document.attachmentName = ChainAttachmentName(data.number);
    document.attachment = data.chainExport;
    return SaveReportPdf(
        path, document, [&](QPagedPaintDevice& device) { return PaintBatchReport(device, data); },
        error);
}

QString BatchReportFileName(const QString& number) {
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    return QStringLiteral("批次报告_%1.pdf").arg(SafeFileText(number, unsafe));
}

QString ChainAttachmentName(const QString& number) {
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    return QStringLiteral("batch-%1-chain.txt").arg(SafeFileText(number, unsafe));
}

}  // namespace vt
