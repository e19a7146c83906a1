#include "trend_plot_area.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "control_names.h"
#include "trend_surface.h"
#include "trend_text.h"

namespace vt {

namespace {

constexpr int kGap = 4;
constexpr int kFrameWidth = 1;

// Width of a date with two-digit month and day (31 December 2024), in the current font.
int DateTextWidth(const QFontMetrics& fm) { return fm.horizontalAdvance(TrendDateText(45657.0)); }

}  // namespace

TrendPlotArea::TrendPlotArea(QWidget* parent)
    : QWidget(parent),
      m_frame(new QFrame(this)),
      m_surface(new TrendSurface(m_frame)),
      m_slider(new QSlider(Qt::Horizontal, this)) {
    m_frame->setObjectName(QStringLiteral("pt0"));
    m_frame->setAccessibleName(QStringLiteral("pt0"));
    m_frame->setFrameShape(QFrame::Box);
    m_frame->setLineWidth(kFrameWidth);
    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->setContentsMargins(kFrameWidth, kFrameWidth, kFrameWidth, kFrameWidth);
    frameLayout->addWidget(m_surface);

    m_slider->setObjectName(QStringLiteral("hc"));
    m_slider->setAccessibleName(QStringLiteral("hc"));
    m_slider->setRange(kSliderMin, kSliderMax);

    for (int i = 0; i < kAxisLabelCount; ++i) {
        m_valueLabels[i] =
            makeLabel(ArrayControlName("Label5", i), Qt::AlignRight | Qt::AlignVCenter);
        m_outputLabels[i] =
            makeLabel(ArrayControlName("Label6", i), Qt::AlignLeft | Qt::AlignVCenter);
    }
    for (int i = 0; i < kTimeLabelCount; ++i) {
        m_timeLabels[i] = makeLabel(ArrayControlName("Label4", i), Qt::AlignCenter);
        m_dateLabels[i] = makeLabel(ArrayControlName("Label7", i), Qt::AlignCenter);
    }
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QLabel* TrendPlotArea::makeLabel(const QString& name, Qt::Alignment alignment) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setAlignment(alignment);
    return label;
}

TrendPlotArea::Metrics TrendPlotArea::metrics() const {
    const QFontMetrics fm = fontMetrics();
    Metrics m{};
    m.lineHeight = fm.height();
    m.valueWidth = fm.horizontalAdvance(QStringLiteral("-12000")) + kGap;
    m.outputWidth = fm.horizontalAdvance(QStringLiteral("-110")) + kGap;
    m.timeWidth = fm.horizontalAdvance(QStringLiteral("00:00:00")) + kGap;
    m.dateWidth = DateTextWidth(fm) + kGap;
    const int halfStamp = std::max(m.timeWidth, m.dateWidth) / 2 + 1;
    m.left = std::max(m.valueWidth + kGap, halfStamp);
    m.right = std::max(m.outputWidth + kGap, halfStamp);
    m.top = m.lineHeight / 2 + 1;
    m.bottom = 2 * m.lineHeight + kGap + m_slider->sizeHint().height() + kGap;
    return m;
}

// The surface must leave room for a date label between two time grid lines and for a value
// label between two axis grid lines.
QSize TrendPlotArea::minimumSizeHint() const {
    const Metrics m = metrics();
    const int width = (m.dateWidth + kGap) * kSurfaceWidth / kTimeLabelSpacing + 1;
    const int height = (m.lineHeight + 2) * kSurfaceHeight / kAxisLabelSpacing + 1;
    return {m.left + width + m.right, m.top + height + m.bottom};
}

QSize TrendPlotArea::sizeHint() const {
    const QSize least = minimumSizeHint();
    return {std::max(least.width(), 1000), std::max(least.height(), 560)};
}

void TrendPlotArea::resizeEvent(QResizeEvent*) { placeChildren(); }

void TrendPlotArea::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        placeChildren();
    }
    QWidget::changeEvent(event);
}

void TrendPlotArea::placeChildren() {
    const Metrics m = metrics();
    const QRect frame(m.left, m.top, std::max(width() - m.left - m.right, 1),
                      std::max(height() - m.top - m.bottom, 1));
    m_frame->setGeometry(frame);
    const QRect plot = frame.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    auto xOf = [&](double logical) {
        return plot.left() + static_cast<int>(logical * plot.width() / kSurfaceWidth);
    };
    auto yOf = [&](double logical) {
        return plot.top() + static_cast<int>(logical * plot.height() / kSurfaceHeight);
    };
    const int half = m.lineHeight / 2;
    for (int i = 0; i < kAxisLabelCount; ++i) {
        const int y = yOf(kSurfaceHeight - i * kAxisLabelSpacing) - half;
        m_valueLabels[i]->setGeometry(frame.left() - kGap - m.valueWidth, y, m.valueWidth,
                                      m.lineHeight);
        m_outputLabels[i]->setGeometry(frame.right() + 1 + kGap, y, m.outputWidth, m.lineHeight);
    }
    const int timeTop = frame.bottom() + 1 + kGap / 2;
    for (int i = 0; i < kTimeLabelCount; ++i) {
        const int x = xOf(i * kTimeLabelSpacing);
        m_timeLabels[i]->setGeometry(x - m.timeWidth / 2, timeTop, m.timeWidth, m.lineHeight);
        m_dateLabels[i]->setGeometry(x - m.dateWidth / 2, timeTop + m.lineHeight, m.dateWidth,
                                     m.lineHeight);
    }
    m_slider->setGeometry(plot.left(), timeTop + 2 * m.lineHeight + kGap, plot.width(),
                          m_slider->sizeHint().height());
}

}  // namespace vt
