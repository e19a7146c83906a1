#include "cell_status_bar.h"

#include <QLabel>

#include "control_names.h"

namespace vt {

CellStatusBar::CellStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    const QString texts[] = {QStringLiteral("当前行"), QString(), QStringLiteral("当前列"),
                             QString()};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(texts[i], this);
        NameCaptionlessControl(panel, QStringLiteral("StatusBar1_%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("当前行 ")) * 2);
        addWidget(panel);
        m_panels[static_cast<std::size_t>(i)] = panel;
    }
    showCell(0, 0);
}

void CellStatusBar::showCell(int row, int column) {
    const QString rowText = QString::number(row);
    const QString columnText = QString::number(column);
    if (m_panels[1]->text() != rowText) m_panels[1]->setText(rowText);
    if (m_panels[3]->text() != columnText) m_panels[3]->setText(columnText);
}

}  // namespace vt
