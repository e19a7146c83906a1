#include "pid_window.h"

#include <QPushButton>

#include "entry_text.h"
#include "pid_parameters.h"
#include "row_frame.h"
#include "window_timer.h"

namespace vt {

namespace {
constexpr int kDisplayIntervalMs = 800;
}  // namespace

PidWindow::PidWindow(StationContext& context, QWidget* parent)
    : EditorWindow(StationWindow::PIDC, context, parent),
      m_rows(context, this),
      m_displayTimer(this) {
    for (int i = 0; i < kPidParameterCount; ++i) {
        m_rows.add(PidParameters()[static_cast<std::size_t>(i)], IndexedRowNames(i));
    }
    // The journal's "before" is what the polling cycle last stored, even before the first tick.
    m_rows.setPolledText([this](std::size_t i) { return NumberText(m_context.state.PidParam[i]); });
    buildLayout();
    SetUpTimer(m_displayTimer, "Timer1", kDisplayIntervalMs);
    connect(&m_displayTimer, &QTimer::timeout, this, &PidWindow::showValues);
    m_displayTimer.start();
}

void PidWindow::buildLayout() {
    // Rows 0..4 belong to output 1, 5..10 to output 2, 11..15 to the tuning options.
    LayOutRowPanel(this, m_rows.rows(),
                   {{QStringLiteral("Frame1"), QStringLiteral("PID1 设置"), 5},
                    {QStringLiteral("Frame2"), QStringLiteral("PID2 设置"), 6},
                    {QStringLiteral("Frame3"), QString(), 5}},
                   returnButton());
}

void PidWindow::showValues() {
    for (std::size_t i = 0; i < m_rows.rows().size(); ++i) {
        m_rows.rows()[i]->showText(m_rows.polledText(i));
    }
}

void PidWindow::unload() { m_displayTimer.stop(); }

}  // namespace vt
