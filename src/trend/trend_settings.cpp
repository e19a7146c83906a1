#include "trend_settings.h"

namespace vt {

TrendSettings OverviewTrendSettings() {
    TrendSettings s;
    s.SecondsPerRecord = 1;
    s.OutputPenScale = TrendScale::OutputAxis;
    s.OutputAxisLabels = {QStringLiteral("-10"), QStringLiteral("10"), QStringLiteral("30"),
                          QStringLiteral("50"),  QStringLiteral("70"), QStringLiteral("90"),
                          QStringLiteral("110")};
    s.RaiseZoomCaption = QStringLiteral("F1 放大");
    s.LowerZoomCaption = QStringLiteral("F2 缩小");
    s.PrintCaption = QStringLiteral("F3 打印");
    s.SelectCaption = QStringLiteral("F5 选择");
    s.MaximumCaption = QStringLiteral("Y轴最大值");
    s.MinimumCaption = QStringLiteral("Y轴最小值");
    s.HideEditorAfterChange = false;
    s.PenNames = {QStringLiteral("t.PV"), QStringLiteral("t.OP"),  QStringLiteral("t.SV"),
                  QStringLiteral("PV1"),  QStringLiteral("PV2值"), QStringLiteral("SV1")};
    return s;
}

TrendSettings HistoryTrendSettings() {
    TrendSettings s;
    s.SecondsPerRecord = 10;
    s.OutputPenScale = TrendScale::Percent;
    s.OutputAxisLabels = {QStringLiteral("0"),  QStringLiteral("20"), QStringLiteral("40"),
                          QStringLiteral("60"), QStringLiteral("80"), QStringLiteral("100"),
                          QStringLiteral("120")};
    s.RaiseZoomCaption = QStringLiteral("F1 缩小");
    s.LowerZoomCaption = QStringLiteral("F2 放大");
    s.PrintCaption = QStringLiteral("F3 打印");
    s.SelectCaption = QStringLiteral("F5 选择");
    s.MaximumCaption = QStringLiteral("Y最大");
    s.MinimumCaption = QStringLiteral("Y最小");
    s.HideEditorAfterChange = true;
    s.PenNames = {QStringLiteral("PV1值"), QStringLiteral("输出OP"), QStringLiteral("SV值"),
                  QStringLiteral("PV2值"), QStringLiteral("SV1值"),  QStringLiteral("SV2值")};
    return s;
}

}  // namespace vt
