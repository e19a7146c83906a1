#include "alarm_window.h"

#include <QPushButton>

#include "alarm_parameters.h"
#include "controller_map.h"
#include "entry_text.h"
#include "row_frame.h"
#include "window_timer.h"

namespace vt {

namespace {

constexpr int kReadIntervalMs = 500;
constexpr int kControlIndexBase = 256;  // T_3RW_256 is the box of register 257
const QColor kLightCyan{192, 255, 255};

}  // namespace

AlarmWindow::AlarmWindow(StationContext& context, QWidget* parent)
    : EditorWindow(StationWindow::ALM1, context, parent),
      m_rows(context, this),
      m_read(context.link, context.state, {{Area::AlarmSettings.first, Area::AlarmSettings.count}},
             kReadIntervalMs, this) {
    for (int i = 0; i < kAlarmParameterCount; ++i) {
        m_rows.add(AlarmParameters()[static_cast<std::size_t>(i)],
                   IndexedRowNames(kControlIndexBase + i, {}, false), RowStyle{kLightCyan});
    }
    buildLayout();
    SetUpTimer(m_read.timer(), "Timer1", kReadIntervalMs);
    connect(&m_read, &PeriodicRead::blockRead, this,
            [this](int, const LinkReply& reply) { showRead(reply); });
    m_read.readNow();
    m_read.start();
}

void AlarmWindow::buildLayout() {
    LayOutRowPanel(this, m_rows.rows(),
                   {{QStringLiteral("Frame1"), QStringLiteral("ALARM1"), 3},
                    {QStringLiteral("Frame2"), QStringLiteral("ALARM2"), 3},
                    {QStringLiteral("Frame3"), QStringLiteral("加热器断线报警"), 2}},
                   returnButton());
}

// A failed read leaves the rows as they were.
void AlarmWindow::showRead(const LinkReply& reply) {
    const bool opening = !m_opened;
    m_opened = true;
    if (!reply.ok()) return;
    if (opening) {
        showUnconverted(reply.values);
    } else {
        m_rows.showBlock(Area::AlarmSettings.first, reply.values);
    }
}

// The read on opening shows the registers unconverted, the heater-break output already in
// tenths; the scaled values follow from the first tick on.
void AlarmWindow::showUnconverted(std::span<const std::int32_t> block) {
    for (ParameterRow* row : m_rows.rows()) {
        const Parameter& parameter = row->parameter();
        const ScalingRule rule =
            parameter.shown == ScalingRule::TenthsPlain ? parameter.shown : ScalingRule::Raw;
        const std::int32_t raw = block[Area::AlarmSettings.element(parameter.reg)];
        row->showText(QString::fromStdString(ShownText(rule, raw, m_context.state.Scaling)));
    }
}

void AlarmWindow::unload() { m_read.stop(); }

}  // namespace vt
