#include "plant_link_view.h"

#include "link_health_view.h"
#include "plant_link.h"

namespace vt {

PlantLinkView::PlantLinkView(PlantLink& plant, QWidget* parent)
    : ReadoutLabel(QStringLiteral("PlantLink"), parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    // Room for the longest reason and a long queue, so a change of state moves nothing.
    PlantLinkState widest;
    widest.failure = PlantFailure::Unreachable;
    widest.waiting = 999999;
    reserveWidthFor(Text(widest));
    connect(&plant, &PlantLink::stateChanged, this, &PlantLinkView::show);
    show(plant.state());
}

QString PlantLinkView::ReasonText(PlantFailure failure) {
    switch (failure) {
        case PlantFailure::None:
            return {};
        case PlantFailure::Connecting:
            return QStringLiteral("正在连接");
        case PlantFailure::Unreachable:
            return QStringLiteral("服务器无法连接");
        case PlantFailure::Tls:
            return QStringLiteral("证书验证失败");
        case PlantFailure::LoginRefused:
            return QStringLiteral("登录被拒绝");
        case PlantFailure::ConnectionLost:
            return QStringLiteral("连接中断");
        case PlantFailure::Outbox:
            return QStringLiteral("发件箱无法使用");
    }
    return {};
}

QString PlantLinkView::Text(const PlantLinkState& state) {
    const QString link = state.connected
                             ? QStringLiteral("工厂网络已连接")
                             : QStringLiteral("工厂网络未连接：%1").arg(ReasonText(state.failure));
    return QStringLiteral("%1 待发 %2").arg(link).arg(state.waiting);
}

void PlantLinkView::show(const PlantLinkState& state) {
    showText(Text(state));
    setBackground(state.connected ? LinkHealthView::HealthyColour()
                                  : LinkHealthView::WarningColour());
    QString tip = state.detail;
    if (state.dropped > 0 || state.droppedHistory > 0) {
        if (!tip.isEmpty()) tip += QLatin1Char('\n');
        tip += QStringLiteral("已丢弃 %1 条消息，%2 条历史数据")
                   .arg(state.dropped)
                   .arg(state.droppedHistory);
    }
    setToolTip(tip);
}

}  // namespace vt
