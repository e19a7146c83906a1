#include "navigation_bar.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "named_button.h"

namespace vt {

NavigationBar::NavigationBar(WindowNavigator& navigator, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame11"));
    setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);

    const std::tuple<const char*, QString, StationWindow> editors[] = {
        {"Command14", QStringLiteral("曲线设置"), StationWindow::Tech},
        {"Command15", QStringLiteral("报警设置"), StationWindow::ALM1},
        {"Command16", QStringLiteral("PID参数"), StationWindow::PIDC},
        {"Command21", QStringLiteral("系统配置"), StationWindow::CONFIG1},
        {"Command22", QStringLiteral("PID分组"), StationWindow::FenzuPID},
        {"Command24", QStringLiteral("分组限幅"), StationWindow::Fenzuout1}};
    for (const auto& [name, caption, window] : editors) {
        QPushButton* button = addButton(QLatin1String(name), caption);
        connect(button, &QPushButton::clicked, this,
                [&navigator, which = window] { navigator.openEditor(which); });
        if (window == StationWindow::CONFIG1) m_config = button;
    }
    // "参数校准" has no action and is not shown by design; only its enabled state is kept.
    m_calibration = addButton(QStringLiteral("Command23"), QStringLiteral("参数校准"));
    m_calibration->setEnabled(false);
    m_calibration->hide();

    connect(addButton(QStringLiteral("Command29"), QStringLiteral("历史记录")),
            &QPushButton::clicked, this, &NavigationBar::historyRequested);
    connect(addButton(QStringLiteral("CommandBatches"), QStringLiteral("批次记录")),
            &QPushButton::clicked, this, [&navigator] { navigator.openBatchRecords(); });
    connect(addButton(QStringLiteral("Command1"), QStringLiteral("退出")), &QPushButton::clicked,
            this, &NavigationBar::exitRequested);
}

QPushButton* NavigationBar::addButton(const QString& name, const QString& caption) {
    QPushButton* button = NamedButton(name, caption, this);
    layout()->addWidget(button);
    return button;
}

void NavigationBar::setSystemButtonsEnabled(bool enabled) {
    m_config->setEnabled(enabled);
    m_calibration->setEnabled(enabled);
}

}  // namespace vt
