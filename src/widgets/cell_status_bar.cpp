#include "cell_status_bar.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>

#include "control_names.h"

namespace vt {

CellStatusBar::CellStatusBar(Clock clock, QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    addPanel(QStringLiteral("当前行"), 0);
    addPanel(QStringLiteral("0"), 1);
    addPanel(QStringLiteral("当前列"), 0);
    addPanel(QStringLiteral("0"), 1);
    if (clock == Clock::DateAndTime) {
        addPanel({}, 1);
        addPanel({}, 1);
    }
}

QLabel* CellStatusBar::addPanel(const QString& text, int stretch) {
    auto* panel = new QLabel(text, this);
    NameCaptionlessControl(panel, QStringLiteral("StatusBar1_%1").arg(m_panels.size() + 1));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setContentsMargins(6, 0, 6, 0);
    addPermanentWidget(panel, stretch);
    m_panels.push_back(panel);
    return panel;
}

void CellStatusBar::showCell(int row, int column) {
    const QString rowText = QString::number(row);
    const QString columnText = QString::number(column);
    if (panel(2)->text() != rowText) panel(2)->setText(rowText);
    if (panel(4)->text() != columnText) panel(4)->setText(columnText);
}

void CellStatusBar::showClock(const QDateTime& now) {
    if (m_panels.size() < 6) return;
    panel(5)->setText(QLocale::system().toString(now.date(), QLocale::ShortFormat));
    panel(6)->setText(now.time().toString(QStringLiteral("HH:mm:ss")));
}

}  // namespace vt
