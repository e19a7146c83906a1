#include "splash_picture.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace vt {

namespace {

void DrawPanel(QPainter& p, const QRectF& panel) {
    p.setPen(QPen(QColor(40, 48, 60), 3));
    p.setBrush(QColor(58, 66, 80));
    p.drawRoundedRect(panel, 10, 10);
    const QRectF display = panel.adjusted(18, 18, -18, -panel.height() / 2);
    p.setBrush(QColor(18, 24, 20));
    p.drawRect(display);
    QFont digits(QStringLiteral("Monospace"));
    digits.setBold(true);
    digits.setPixelSize(static_cast<int>(display.height() * 0.7));
    const QString reading = QStringLiteral("850.0");
    // Shrink the digits until the reading fits the display with a margin.
    while (digits.pixelSize() > 8 &&
           QFontMetricsF(digits).horizontalAdvance(reading) > display.width() * 0.9)
        digits.setPixelSize(digits.pixelSize() - 1);
    p.setFont(digits);
    p.setPen(QColor(255, 70, 50));
    p.drawText(display, Qt::AlignCenter, reading);
    const QRectF lower = panel.adjusted(18, panel.height() / 2 + 10, -18, -18);
    QFont small = p.font();
    small.setPixelSize(static_cast<int>(lower.height() * 0.45));
    p.setFont(small);
    p.setPen(QColor(90, 230, 110));
    p.drawText(lower, Qt::AlignCenter, QStringLiteral("SV 850.0"));
}

}  // namespace

QPixmap SplashPicture(const QSize& size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, size.height());
    background.setColorAt(0, QColor(30, 70, 130));
    background.setColorAt(1, QColor(10, 30, 60));
    p.fillRect(pixmap.rect(), background);
    const qreal w = size.width();
    const qreal h = size.height();
    DrawPanel(p, QRectF(w * 0.06, h * 0.15, w * 0.36, h * 0.7));
    QFont title = p.font();
    title.setPixelSize(static_cast<int>(h * 0.16));
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(w * 0.46, h * 0.2, w * 0.52, h * 0.3), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("VT5800"));
    QFont subtitle = p.font();
    subtitle.setPixelSize(static_cast<int>(h * 0.075));
    subtitle.setBold(false);
    p.setFont(subtitle);
    p.setPen(QColor(200, 220, 255));
    p.drawText(QRectF(w * 0.46, h * 0.5, w * 0.52, h * 0.3), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("过程控制仪表\n操作站"));
    return pixmap;
}

}  // namespace vt
