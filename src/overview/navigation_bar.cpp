#include "navigation_bar.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "named_button.h"

namespace vt {

NavigationBar::NavigationBar(WindowNavigator& navigator, std::span<const EditorDescriptor> editors,
                             QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("Frame11"));
    setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);

    for (const EditorDescriptor& editor : editors) {
        QPushButton* button =
            addButton(QString::fromUtf8(editor.buttonName), QString::fromUtf8(editor.caption));
        connect(button, &QPushButton::clicked, this,
                [&navigator, which = editor.window] { navigator.openEditor(which); });
        if (editor.window == StationWindow::CONFIG1) m_config = button;
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
    if (m_config) m_config->setEnabled(enabled);
    m_calibration->setEnabled(enabled);
}

}  // namespace vt
