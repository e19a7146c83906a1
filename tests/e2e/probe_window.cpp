#include "probe_window.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTextStream>

namespace vt {

namespace {

// Controls without a caption carry their control name as accessible name. Qt 6.4 on
// Linux publishes a combo box's current item as its name, and a label's name hides its
// text, so those carry the control name as accessible description instead.
void name(QWidget* widget, const QString& controlName) {
    widget->setObjectName(controlName);
    widget->setAccessibleName(controlName);
}

void describe(QWidget* widget, const QString& controlName) {
    widget->setObjectName(controlName);
    widget->setAccessibleDescription(controlName);
}

}  // namespace

ProbeWindow::ProbeWindow(QTextStream& report, QWidget* parent)
    : QWidget(parent),
      m_report(report),
      m_open(new QPushButton(QStringLiteral("打开"), this)),
      m_counter(new QLabel(QStringLiteral("0"), this)),
      m_entry(new QLineEdit(this)),
      m_write(new QPushButton(QStringLiteral("SV1"), this)),
      m_combo(new QComboBox(this)),
      m_grid(new QTableWidget(3, 2, this)),
      m_slider(new QSlider(Qt::Horizontal, this)) {
    setObjectName(QStringLiteral("probe"));
    setWindowTitle(QStringLiteral("e2e probe"));
    nameControls();
    fillControls();
    layOut();

    m_write->hide();
    m_entry->installEventFilter(this);
    connect(m_open, &QPushButton::clicked, this, &ProbeWindow::onOpen);
    connect(m_write, &QPushButton::clicked, this, &ProbeWindow::onWrite);
    connect(m_combo, &QComboBox::currentTextChanged, this, &ProbeWindow::onPick);
}

bool ProbeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_entry && event->type() == QEvent::FocusIn) m_write->show();
    return QWidget::eventFilter(watched, event);
}

void ProbeWindow::nameControls() {
    m_open->setObjectName(QStringLiteral("Command9"));
    m_write->setObjectName(QStringLiteral("Command11"));
    name(m_entry, QStringLiteral("T_3RW_2"));
    name(m_grid, QStringLiteral("MSFlexGrid1"));
    name(m_slider, QStringLiteral("HScroll1"));
    describe(m_combo, QStringLiteral("Combo1"));
    m_combo->setAccessibleName(QStringLiteral("Combo1"));
    describe(m_counter, QStringLiteral("Label1"));
}

void ProbeWindow::fillControls() {
    for (int i = 1; i <= 20; ++i) m_combo->addItem(QStringLiteral("%1 ").arg(i));
    m_grid->setItem(1, 1, new QTableWidgetItem(QStringLiteral("温度")));
    m_slider->setRange(0, 100);
}

void ProbeWindow::layOut() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_open, 0, 0);
    grid->addWidget(m_counter, 0, 1);
    grid->addWidget(m_entry, 1, 0);
    grid->addWidget(m_write, 1, 1);
    grid->addWidget(m_combo, 2, 0);
    grid->addWidget(m_grid, 3, 0, 1, 2);
    grid->addWidget(m_slider, 4, 0, 1, 2);
}

void ProbeWindow::onOpen() {
    m_counter->setNum(++m_openCount);
    report(QStringLiteral("open %1").arg(m_openCount));
}

void ProbeWindow::onWrite() { report(QStringLiteral("SV1 %1").arg(m_entry->text())); }

void ProbeWindow::onPick(const QString& item) { report(QStringLiteral("Combo1 [%1]").arg(item)); }

void ProbeWindow::report(const QString& line) { m_report << line << Qt::endl; }

}  // namespace vt
