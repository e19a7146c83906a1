#include "alarm_banner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "alarm_centre.h"
#include "alarm_look.h"
#include "control_names.h"

namespace vt {

AlarmBanner::AlarmBanner(const AlarmCentre& centre, QWidget* parent)
    : QFrame(parent),
      m_centre(centre),
      m_line(new QLabel(this)),
      m_button(new QPushButton(QStringLiteral("报警一览"), this)) {
    setObjectName(QStringLiteral("AlarmLine"));
    NameCaptionlessControl(m_line, QStringLiteral("AlarmBanner"));
    m_line->setAutoFillBackground(true);
    m_line->setMargin(2);
    m_button->setObjectName(QStringLiteral("CommandAlarms"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_line, 1);
    row->addWidget(m_button);
    m_flash.setInterval(kFlashMs);
    connect(&m_flash, &QTimer::timeout, this, [this] { paintLine(m_lit = !m_lit); });
    connect(m_button, &QPushButton::clicked, this, &AlarmBanner::listRequested);
    connect(&centre, &AlarmCentre::changed, this, &AlarmBanner::refresh);
    refresh();
}

void AlarmBanner::refresh() {
    const BannerLook look = BannerOf(m_centre.book());
    m_line->setText(look.text);
    m_line->setProperty("alarmState", static_cast<int>(look.state));
    if (StateFlashes(look.state) != m_flash.isActive()) {
        if (StateFlashes(look.state))
            m_flash.start();
        else
            m_flash.stop();
    }
    paintLine(m_lit = true);
}

void AlarmBanner::paintLine(bool lit) {
    const auto state = static_cast<AlarmState>(m_line->property("alarmState").toInt());
    const QColor colour = StateColour(state);
    QPalette palette = this->palette();
    if (colour.isValid() && lit) {
        palette.setColor(QPalette::Window, colour);
        palette.setColor(QPalette::WindowText,
                         state == AlarmState::ClearedUnack ? Qt::black : Qt::white);
    }
    m_line->setPalette(palette);
}

}  // namespace vt
