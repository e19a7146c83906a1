#include "pid_window.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry_text.h"
#include "pid_parameters.h"
#include "row_frame.h"
#include "window_timer.h"

namespace vt {

namespace {

constexpr int kDisplayIntervalMs = 800;

// Rows 0..4 belong to output 1, 5..10 to output 2, 11..15 to the tuning options.
constexpr int kOutput2First = 5;
constexpr int kOptionsFirst = 11;

}  // namespace

PidWindow::PidWindow(StationContext& context, QWidget* parent)
    : EditorWindow(StationWindow::PIDC, context, parent),
      m_rows(context, this),
      m_displayTimer(this) {
    for (int i = 0; i < kPidParameterCount; ++i) {
        m_rows.add(PidParameters()[static_cast<std::size_t>(i)], IndexedRowNames(i));
    }
    buildLayout();
    SetUpTimer(m_displayTimer, "Timer1", kDisplayIntervalMs);
    connect(&m_displayTimer, &QTimer::timeout, this, &PidWindow::showValues);
    m_displayTimer.start();
}

void PidWindow::buildLayout() {
    const std::span<ParameterRow* const> rows = m_rows.rows();
    auto* page = new QVBoxLayout(this);
    page->addWidget(RowFrame(QStringLiteral("Frame1"), QStringLiteral("PID1 设置"),
                             rows.subspan(0, kOutput2First)));
    page->addWidget(RowFrame(QStringLiteral("Frame2"), QStringLiteral("PID2 设置"),
                             rows.subspan(kOutput2First, kOptionsFirst - kOutput2First)));
    page->addWidget(RowFrame(QStringLiteral("Frame3"), QString(), rows.subspan(kOptionsFirst)));
    page->addWidget(returnButton(), 0, Qt::AlignRight);
}

void PidWindow::showValues() {
    for (int i = 0; i < kPidParameterCount; ++i) {
        m_rows.rows()[static_cast<std::size_t>(i)]->showText(
            NumberText(m_context.state.PidParam[i]));
    }
}

void PidWindow::unload() { m_displayTimer.stop(); }

}  // namespace vt
