#include "trend_print_command.h"

#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSysInfo>

#include "controller_state.h"
#include "report_output.h"
#include "trend_chart.h"

namespace vt {

TrendPrintCommand::TrendPrintCommand(TrendChart& chart, QWidget& window, QString title,
                                     const ControllerState& state)
    : QObject(&window),
      m_chart(chart),
      m_window(window),
      m_title(std::move(title)),
      m_state(state) {
    connect(&m_chart, &TrendChart::printRequested, this, &TrendPrintCommand::run);
}

TrendPrintCommand::~TrendPrintCommand() = default;

void TrendPrintCommand::run() {
    m_page = TrendPageOf(m_chart.engine(), m_title, StationText(m_state));
    auto* box = new QMessageBox(QMessageBox::Question, QStringLiteral("打印"),
                                QStringLiteral("打印当前趋势图，或保存为 PDF。"),
                                QMessageBox::NoButton, &m_window);
    box->setObjectName(QStringLiteral("TrendPrintChoice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    QPushButton* print = box->addButton(QStringLiteral("打印…"), QMessageBox::AcceptRole);
    QPushButton* save = box->addButton(QStringLiteral("保存PDF…"), QMessageBox::AcceptRole);
    box->addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    print->setObjectName(QStringLiteral("TrendPrintButton"));
    save->setObjectName(QStringLiteral("TrendSavePdfButton"));
    connect(print, &QPushButton::clicked, this, &TrendPrintCommand::preview);
    connect(save, &QPushButton::clicked, this, &TrendPrintCommand::askForFile);
    box->open();
}

void TrendPrintCommand::preview() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    OpenPrintPreview(m_window, *m_printer, QStringLiteral("TrendPrintPreview"),
                     [this](QPagedPaintDevice& device) { return PaintTrendPage(device, m_page); });
}

void TrendPrintCommand::askForFile() {
    AskPdfPath(m_window, QStringLiteral("TrendPdfDialog"), TrendPageFileName(m_page.madeAt),
               [this](const QString& path) { saveTo(path); });
}

bool TrendPrintCommand::saveTo(const QString& path) {
    QString error;
    if (SaveTrendPagePdf(path, m_page, &error)) return true;
    ShowSaveFailure(m_window, error);
    return false;
}

QString StationText(const ControllerState& state) {
    return QStringLiteral("%1 · 端口 %2 · 地址 %3")
        .arg(QSysInfo::machineHostName())
        .arg(state.LinkSettings[PortNumber])
        .arg(state.LinkSettings[SlaveAddress]);
}

}  // namespace vt
