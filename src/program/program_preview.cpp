#include "program_preview.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "control_names.h"
#include "program_surface.h"

namespace vt {

namespace {

constexpr int kGap = 4;
constexpr int kFrameWidth = 1;

}  // namespace

ProgramPreview::ProgramPreview(QWidget* parent)
    : QWidget(parent), m_frame(new QFrame(this)), m_surface(new ProgramSurface(m_frame)) {
    m_frame->setFrameShape(QFrame::Box);
    m_frame->setLineWidth(kFrameWidth);
    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->setContentsMargins(kFrameWidth, kFrameWidth, kFrameWidth, kFrameWidth);
    frameLayout->addWidget(m_surface);

    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    m_heading = makeLabel(QStringLiteral("Label4"), QStringLiteral("当前程序曲线："), left);
    m_valueCaption = makeLabel(QStringLiteral("Label7_0"), QStringLiteral("温度  ℃ "), left);
    m_timeCaption = makeLabel(QStringLiteral("Label7_1"), QStringLiteral("时间   MIN"), right);
    m_maximum = makeLabel(QStringLiteral("Label5"), {}, left);
    m_valueStep = makeLabel(QStringLiteral("Label11"), {}, left);
    m_minimum = makeLabel(QStringLiteral("Label10"), {}, left);
    for (int i = 0; i < kPreviewValueLabels; ++i)
        m_valueLabels[i] = makeLabel(ArrayControlName("Label6", i), {}, right);
    for (int i = 0; i < kPreviewTimeLabels; ++i)
        m_timeLabels[i] = makeLabel(ArrayControlName("Label8", i), {}, Qt::AlignCenter);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QLabel* ProgramPreview::makeLabel(const QString& name, const QString& text,
                                  Qt::Alignment alignment) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setAlignment(alignment);
    return label;
}

void ProgramPreview::setPicture(ProgramPicture picture) {
    for (int i = 0; i < kPreviewValueLabels; ++i) m_valueLabels[i]->setText(picture.valueLabels[i]);
    for (int i = 0; i < kPreviewTimeLabels; ++i) m_timeLabels[i]->setText(picture.timeLabels[i]);
    m_maximum->setText(picture.maximum);
    m_minimum->setText(picture.minimum);
    m_valueStep->setText(picture.valueStep);
    m_surface->setPicture(std::move(picture));
}

ProgramPreview::Metrics ProgramPreview::metrics() const {
    const QFontMetrics fm = fontMetrics();
    Metrics m{};
    m.line = fm.height();
    m.valueWidth = fm.horizontalAdvance(QStringLiteral("-00000")) + kGap;
    m.timeWidth = fm.horizontalAdvance(QStringLiteral("00000")) + kGap;
    m.rightWidth = fm.horizontalAdvance(QStringLiteral("-0.000000")) + kGap;
    m.margins =
        QMargins(m.valueWidth + kGap, m.line + kGap, m.rightWidth + kGap, 2 * m.line + kGap);
    return m;
}

// Room for a time label between two time grid lines and a value label between two value lines.
QSize ProgramPreview::minimumSizeHint() const {
    const Metrics m = metrics();
    const int width = m.timeWidth * kPreviewWidth / kPreviewDivision;
    const int height = (m.line + 2) * kPreviewHeight / kPreviewDivision;
    return {m.margins.left() + width + m.margins.right(),
            m.margins.top() + height + m.margins.bottom()};
}

QSize ProgramPreview::sizeHint() const {
    const QSize least = minimumSizeHint();
    return {std::max(least.width(), 1000), std::max(least.height(), 600)};
}

void ProgramPreview::resizeEvent(QResizeEvent*) { placeChildren(); }

void ProgramPreview::placeChildren() {
    const Metrics m = metrics();
    const QRect frame = rect().marginsRemoved(m.margins);
    m_frame->setGeometry(frame);
    const QRect plot = frame.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    const auto xOf = [&](int logical) {
        return plot.left() +
               static_cast<int>(static_cast<qint64>(logical) * plot.width() / kPreviewWidth);
    };
    const auto yOf = [&](int logical) {
        return plot.top() +
               static_cast<int>(static_cast<qint64>(logical) * plot.height() / kPreviewHeight);
    };
    const int half = m.line / 2;
    for (int i = 0; i < kPreviewValueLabels; ++i) {
        const int y = yOf(kPreviewHeight - i * kPreviewDivision) - half;
        m_valueLabels[i]->setGeometry(frame.left() - kGap - m.valueWidth, y, m.valueWidth, m.line);
    }
    const int timeTop = frame.bottom() + 1 + kGap / 2;
    for (int i = 0; i < kPreviewTimeLabels; ++i) {
        const int x = xOf(i * kPreviewDivision);
        m_timeLabels[i]->setGeometry(x - m.timeWidth / 2, timeTop, m.timeWidth, m.line);
    }
    const int timeCaptionWidth = m_timeCaption->sizeHint().width();
    m_timeCaption->setGeometry(frame.right() + 1 - timeCaptionWidth, timeTop + m.line,
                               timeCaptionWidth, m.line);
    const int captionWidth = m_valueCaption->sizeHint().width();
    m_valueCaption->setGeometry(0, 0, captionWidth, m.line);
    m_heading->setGeometry(frame.left() + captionWidth, 0, frame.width() - captionWidth, m.line);
    const int rightLeft = frame.right() + 1 + kGap;
    m_maximum->setGeometry(rightLeft, yOf(kPreviewHeight - kPreviewPlotHeight) - half, m.rightWidth,
                           m.line);
    m_valueStep->setGeometry(rightLeft, yOf(kPreviewHeight / 2) - half, m.rightWidth, m.line);
    m_minimum->setGeometry(rightLeft, yOf(kPreviewHeight) - half, m.rightWidth, m.line);
}

}  // namespace vt
