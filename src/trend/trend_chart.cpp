#include "trend_chart.h"

#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QVBoxLayout>

#include "entry_text.h"
#include "named_button.h"
#include "trend_axis_editor.h"
#include "trend_picture_builder.h"
#include "trend_plot_area.h"
#include "trend_surface.h"
#include "trend_text.h"

namespace vt {

namespace {

QLabel* LegendLabel(const QString& name, const QString& text, QRgb rgb, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(rgb));
    label->setPalette(palette);
    return label;
}

}  // namespace

TrendChart::TrendChart(const TrendSettings& settings, ControllerState& state, QWidget* parent)
    : QWidget(parent),
      m_state(state),
      m_engine(settings, state),
      m_plot(new TrendPlotArea(this)),
      m_editor(new TrendAxisEditor(settings, this)) {
    setObjectName(QStringLiteral("TrendChart"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildLegendRow());
    layout->addWidget(m_plot, 1);
    layout->addWidget(buildButtonRow());

    for (int i = 0; i < kAxisLabelCount; ++i) {
        m_plot->outputLabel(i)->setText(settings.OutputAxisLabels[i]);
        m_plot->valueLabel(i)->installEventFilter(this);
    }
    m_editor->hide();
    connect(m_editor, &TrendAxisEditor::changeRequested, this, &TrendChart::changeValueAxis);
    connect(m_plot->slider(), &QSlider::valueChanged, this, &TrendChart::moveRuler);
    resetSlider(false);
    syncControls();
}

QWidget* TrendChart::buildLegendRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LegendLabel(QStringLiteral("LegendPV"), QStringLiteral("PV"), 0xFF0000, row));
    layout->addWidget(LegendLabel(QStringLiteral("LegendSV"), QStringLiteral("SV"), 0x008000, row));
    layout->addStretch(1);
    layout->addWidget(m_editor);
    layout->addStretch(1);
    layout->addWidget(LegendLabel(QStringLiteral("LegendOP"), QStringLiteral("OP"), 0x0000FF, row));
    return row;
}

QWidget* TrendChart::buildButtonRow() {
    const TrendSettings& s = m_engine.settings();
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_raiseZoom = NamedButton(QStringLiteral("Command4"), s.RaiseZoomCaption, this);
    m_lowerZoom = NamedButton(QStringLiteral("Command3"), s.LowerZoomCaption, this);
    QPushButton* print = NamedButton(QStringLiteral("CommandPrint"), s.PrintCaption, this);
    m_ruler = NamedButton(QStringLiteral("CommandRuler"), QStringLiteral("F4 标尺"), this);
    QPushButton* select = NamedButton(QStringLiteral("CommandSelect"), s.SelectCaption, this);
    m_newer = NamedButton(QStringLiteral("CommandNewer"), QStringLiteral("F6 左移"), this);
    m_older = NamedButton(QStringLiteral("CommandOlder"), QStringLiteral("F7 右移"), this);
    for (QPushButton* b : {m_raiseZoom, m_lowerZoom, print, m_ruler, select, m_newer, m_older})
        layout->addWidget(b);
    layout->addStretch(1);
    connect(print, &QPushButton::clicked, this, &TrendChart::printRequested);
    connect(m_raiseZoom, &QPushButton::clicked, this, &TrendChart::raiseZoom);
    connect(m_lowerZoom, &QPushButton::clicked, this, &TrendChart::lowerZoom);
    connect(m_ruler, &QPushButton::clicked, this, &TrendChart::toggleRuler);
    connect(m_newer, &QPushButton::clicked, this, &TrendChart::pageNewer);
    connect(m_older, &QPushButton::clicked, this, &TrendChart::pageOlder);
    return row;
}

void TrendChart::setSource(RingWindowSource* source) { m_engine.setSource(source); }

TrendSurface* TrendChart::surface() const { return m_plot->surface(); }

bool TrendChart::displayPaused() const { return m_engine.displayPaused(); }

bool TrendChart::rulerOn() const { return m_engine.state().RulerOn; }

void TrendChart::initialise() {
    m_engine.initialise();
    resetSlider(false);
    redraw();
    refreshAxisLabels();
    syncControls();
}

void TrendChart::liveLoad() {
    m_engine.liveLoad();
    redraw();
    syncControls();
}

void TrendChart::appendLiveSample() {
    std::array<float, kPenCount> values{};
    std::copy_n(m_state.LiveValue.begin(), kPenCount, values.begin());
    const TrendStamp now = StampOf(QDateTime::currentDateTime());
    if (!m_engine.appendLiveSample(values, now.date, now.time)) return;
    redraw();
    syncControls();
}

void TrendChart::refreshAxisLabels() {
    const auto labels = m_engine.valueAxisLabels();
    for (int i = 0; i < kAxisLabelCount; ++i)
        m_plot->valueLabel(i)->setText(QString::number(labels[i]));
}

void TrendChart::displayTick(bool& newSample) {
    refreshAxisLabels();
    if (!newSample) return;
    appendLiveSample();
    newSample = false;
}

void TrendChart::redraw() {
    TrendPicture picture = m_engine.buildPicture();
    for (int i = 0; i < kTimeLabelCount; ++i) {
        const TrendStamp& stamp = picture.timeLabels[i];
        m_plot->timeLabel(i)->setText(stamp.known ? TrendTimeText(stamp.time) : QString());
        m_plot->dateLabel(i)->setText(stamp.known ? TrendDateText(stamp.date) : QString());
    }
    surface()->setRulerLine(m_engine.rulerLine());
    surface()->setPicture(std::move(picture));
}

bool TrendChart::handleKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_F1:
            raiseZoom();
            return true;
        case Qt::Key_F2:
            lowerZoom();
            return true;
        case Qt::Key_F4:
            toggleRuler();
            return true;
        case Qt::Key_F6:
            pageNewer();
            return true;
        case Qt::Key_F7:
            pageOlder();
            return true;
        case Qt::Key_F3:
            emit printRequested();
            return true;
        case Qt::Key_F5:  // select does nothing
            return true;
        default:
            return false;
    }
}

void TrendChart::installWindowKeys(QWidget* window, std::function<void()> escape) {
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    connect(esc, &QShortcut::activated, window, std::move(escape));
    for (int key = Qt::Key_F1; key <= Qt::Key_F7; ++key) {
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        connect(shortcut, &QShortcut::activated, this, [this, key] { handleKey(key); });
    }
}

void TrendChart::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(event->key())) QWidget::keyPressEvent(event);
}

bool TrendChart::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && qobject_cast<QLabel*>(watched)) {
        m_editor->show();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TrendChart::raiseZoom() {
    if (!m_engine.raiseZoom()) return;
    redraw();
    syncControls();
}

void TrendChart::lowerZoom() {
    if (!m_engine.lowerZoom()) return;
    redraw();
    syncControls();
}

void TrendChart::toggleRuler() {
    if (m_engine.state().RulerOn) {
        m_engine.leaveRuler();
        resetSlider(false);
        m_ruler->setFocus();
        redraw();
    } else {
        m_engine.enterRuler();
        resetSlider(true);
        m_plot->slider()->setFocus();
        surface()->setRulerLine(m_engine.rulerLine());
    }
    syncControls();
}

void TrendChart::pageNewer() {
    if (!m_engine.canPageNewer()) return;
    m_engine.pageNewer();
    redraw();
    syncControls();
}

// A refused page leaves the picture as it is.
void TrendChart::pageOlder() {
    if (!m_engine.canPageOlder()) return;
    if (m_engine.pageOlder()) redraw();
    syncControls();
}

void TrendChart::moveRuler(int value) {
    if (!m_engine.state().RulerOn) return;
    if (m_engine.moveRuler(value)) redraw();
    surface()->setRulerLine(m_engine.rulerLine());
    const RulerReading reading = m_engine.rulerReading();
    syncControls();
    emit rulerMoved(reading);
}

void TrendChart::changeValueAxis() {
    const double maximum = EntryNumber(m_editor->maximumText());
    const double minimum = EntryNumber(m_editor->minimumText());
    if (!m_engine.changeValueAxis(maximum, minimum)) return;
    refreshAxisLabels();
    redraw();
    if (m_engine.settings().HideEditorAfterChange) m_editor->hide();
}

void TrendChart::resetSlider(bool rulerOn) {
    QSlider* slider = m_plot->slider();
    const QSignalBlocker blocker(slider);
    slider->setValue(0);
    slider->setEnabled(rulerOn);
    slider->setFocusPolicy(rulerOn ? Qt::StrongFocus : Qt::NoFocus);
}

// Buttons, caption, slider steps and the notifications follow the engine's state.
void TrendChart::syncControls() {
    m_raiseZoom->setEnabled(m_engine.canRaiseZoom());
    m_lowerZoom->setEnabled(m_engine.canLowerZoom());
    m_newer->setEnabled(m_engine.canPageNewer());
    m_older->setEnabled(m_engine.canPageOlder());
    m_ruler->setText(rulerOn() ? QStringLiteral("F4 复原") : QStringLiteral("F4 标尺"));
    m_plot->slider()->setSingleStep(m_engine.sliderStep());
    m_plot->slider()->setPageStep(m_engine.sliderStep());
    if (m_engine.windowLoads() != m_seenLoads) {
        m_seenLoads = m_engine.windowLoads();
        const TrendState& s = m_engine.state();
        const int row = std::clamp(s.FirstIndex + 1, 0, kLastRow);
        const TrendStamp first = RowStamp(s, m_engine.settings(), row);
        if (first.known) emit windowLoaded(first.date, first.time);
    }
    if (displayPaused() != m_paused) {
        m_paused = displayPaused();
        emit displayPausedChanged(m_paused);
    }
}

}  // namespace vt
