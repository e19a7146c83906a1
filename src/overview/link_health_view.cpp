#include "link_health_view.h"

#include <QHBoxLayout>
#include <QLabel>

#include "control_names.h"
#include "link_connection.h"
#include "polling_cycle.h"

namespace vt {

namespace {

QLabel* MakeLabel(const QString& name) {
    auto* label = new QLabel;
    NameCaptionlessControl(label, name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    return label;
}

}  // namespace

LinkHealthView::LinkHealthView(PollingCycle& polling, LinkConnection& connection, QWidget* parent)
    : QWidget(parent), m_polling(polling) {
    m_state = MakeLabel(QStringLiteral("LinkHealth"));
    m_failures = MakeLabel(QStringLiteral("LinkFailures"));
    m_failures->setToolTip(QStringLiteral("失败块数"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_state);
    row->addWidget(m_failures);

    connect(&polling, &PollingCycle::tickFinished, this, &LinkHealthView::showTick);
    connect(&connection, &LinkConnection::opened, this,
            [this] { m_failures->setNum(m_polling.failedBlocks()); });
    connect(&connection, &LinkConnection::closed, this, [this] { showState(false); });
    m_failures->setNum(polling.failedBlocks());
    // With the port open the state is unknown until the next tick comes back.
    if (!connection.isOpen()) showState(false);
}

void LinkHealthView::showTick(int failedBlocks) {
    showState(failedBlocks == 0);
    m_failures->setNum(m_polling.failedBlocks());
}

void LinkHealthView::showState(bool healthy) {
    m_state->setText(healthy ? QStringLiteral("通讯正常") : QStringLiteral("通讯中断"));
    QPalette p = m_state->palette();
    p.setColor(QPalette::Window, healthy ? HealthyColour() : WarningColour());
    m_state->setPalette(p);
}

}  // namespace vt
