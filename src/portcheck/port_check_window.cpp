#include "port_check_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "port_diagnosis.h"
#include "port_directory.h"

namespace vt {

namespace {

const QString kProblemStyle = QStringLiteral("color: rgb(192, 0, 0);");

std::vector<DiagnosisRow> RowsFor(const QString& device, QStringList* remedies) {
    if (PortDirectory::NormalisedTcpAddress(device)) {
        return {{QStringLiteral("设备"), QStringLiteral("%1（Modbus TCP）").arg(device), true}};
    }
    PortDiagnosis diagnosis = Diagnose(ReadPortFacts(device));
    *remedies = diagnosis.remedies;
    return diagnosis.rows;
}

}  // namespace

PortCheckWindow::PortCheckWindow(ControllerLink& link, const QString& device,
                                 const ProbeSettings& settings, bool portOpen, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_probe(link),
      m_device(device),
      m_settings(settings),
      m_portOpen(portOpen) {
    setObjectName(QStringLiteral("PortCheck"));
    setWindowTitle(QStringLiteral("端口诊断"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_grid = new QGridLayout;
    m_grid->setColumnStretch(1, 1);
    m_remedies = new QLabel;
    m_remedies->setObjectName(QStringLiteral("PortCheckRemedies"));
    m_remedies->setWordWrap(true);
    m_remedies->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_recheck = new QPushButton(QStringLiteral("重新检查"));
    m_recheck->setObjectName(QStringLiteral("CommandRecheck"));
    connect(m_recheck, &QPushButton::clicked, this, &PortCheckWindow::recheck);
    auto* close = new QPushButton(QStringLiteral("关闭"));
    close->setObjectName(QStringLiteral("CommandClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_recheck);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_grid);
    layout->addWidget(m_remedies);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(&m_probe, &PortProbe::finished, this, &PortCheckWindow::showProbe);
    resize(640, 360);
    recheck();
}

void PortCheckWindow::recheck() {
    showFindings();
    m_recheck->setEnabled(false);
    m_probe.run(m_settings, m_portOpen);
}

QString PortCheckWindow::probeText() const {
    return m_probe.running() ? QString() : m_probeResult->text();
}

QLabel* PortCheckWindow::addRow(int row, const QString& caption, const QString& finding, bool ok) {
    auto* name = new QLabel(caption);
    auto* value = new QLabel(finding);
    value->setObjectName(QStringLiteral("PortCheckFinding%1").arg(row));
    value->setAccessibleDescription(caption);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setStyleSheet(ok ? QString() : kProblemStyle);
    m_grid->addWidget(name, row, 0);
    m_grid->addWidget(value, row, 1);
    return value;
}

void PortCheckWindow::showFindings() {
    while (QLayoutItem* item = m_grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    QStringList remedies;
    const std::vector<DiagnosisRow> rows = RowsFor(m_device, &remedies);
    int row = 0;
    for (const DiagnosisRow& finding : rows)
        addRow(row++, finding.caption, finding.finding, finding.ok);
    const QString line =
        QStringLiteral("%1，站地址 %2%3")
            .arg(m_device)
            .arg(m_settings.slave)
            .arg(m_portOpen ? QStringLiteral("（端口已打开，按当前设置）") : QString());
    addRow(row++, QStringLiteral("测试读取"), line, true);
    m_probeResult = addRow(row, QStringLiteral("结果"), QStringLiteral("正在读取……"), true);
    m_probeResult->setObjectName(QStringLiteral("PortCheckProbe"));
    m_remedies->setText(remedies.isEmpty()
                            ? QString()
                            : QStringLiteral("建议：\n") + remedies.join(QLatin1Char('\n')));
    m_remedies->setStyleSheet(kProblemStyle);
}

void PortCheckWindow::showProbe(const ProbeResult& result) {
    m_probeResult->setText(ProbeText(result));
    m_probeResult->setStyleSheet(result.outcome == ProbeResult::Outcome::Answered ? QString()
                                                                                  : kProblemStyle);
    m_recheck->setEnabled(true);
    emit probeFinished();
}

}  // namespace vt
