#include "history_report_command.h"

#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPrinter>
#include <QPushButton>

#include "report_output.h"

namespace vt {

namespace {

QDateTimeEdit* RangeEdit(const QString& name, QWidget* parent) {
    auto* edit = new QDateTimeEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(name);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    edit->setCalendarPopup(true);
    return edit;
}

}  // namespace

HistoryReportCommand::HistoryReportCommand(QWidget& window, SourceFactory source,
                                           HistoryReportRequest base)
    : QObject(&window), m_window(window), m_source(std::move(source)), m_base(std::move(base)) {}

HistoryReportCommand::~HistoryReportCommand() = default;

void HistoryReportCommand::run() {
    if (m_dialog) {
        m_dialog->raise();
        return;
    }
    std::unique_ptr<SeriesSource> source = m_source();
    const auto [first, last] = source ? source->extent() : std::pair<QDateTime, QDateTime>{};
    m_dialog = new QDialog(&m_window);
    m_dialog->setObjectName(QStringLiteral("HistoryReportDialog"));
    m_dialog->setWindowTitle(QStringLiteral("历史报告"));
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog->setWindowModality(Qt::WindowModal);
    connect(m_dialog, &QObject::destroyed, this, [this] { m_dialog = nullptr; });
    m_from = RangeEdit(QStringLiteral("ReportFrom"), m_dialog);
    m_to = RangeEdit(QStringLiteral("ReportTo"), m_dialog);
    for (QDateTimeEdit* edit : {m_from, m_to})
        if (first.isValid()) edit->setDateTimeRange(first, last);
    m_to->setDateTime(last);
    m_from->setDateTime(std::max(first, last.addDays(-1)));
    auto* buttons = new QDialogButtonBox(m_dialog);
    m_print = buttons->addButton(QStringLiteral("打印…"), QDialogButtonBox::ActionRole);
    m_save = buttons->addButton(QStringLiteral("保存PDF…"), QDialogButtonBox::ActionRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    m_print->setObjectName(QStringLiteral("HistoryReportPrint"));
    m_save->setObjectName(QStringLiteral("HistoryReportSave"));
    connect(m_print, &QPushButton::clicked, this, &HistoryReportCommand::preview);
    connect(m_save, &QPushButton::clicked, this, &HistoryReportCommand::askForFile);
    connect(cancel, &QPushButton::clicked, m_dialog, &QDialog::reject);
    for (QDateTimeEdit* edit : {m_from, m_to})
        connect(edit, &QDateTimeEdit::dateTimeChanged, this, &HistoryReportCommand::rangeChanged);
    auto* form = new QFormLayout(m_dialog);
    form->addRow(QStringLiteral("从"), m_from);
    form->addRow(QStringLiteral("至"), m_to);
    form->addRow(buttons);
    rangeChanged();
    m_dialog->open();
}

void HistoryReportCommand::rangeChanged() {
    const bool usable = m_from->dateTime() < m_to->dateTime();
    m_print->setEnabled(usable);
    m_save->setEnabled(usable);
}

HistoryReportData HistoryReportCommand::report() {
    HistoryReportRequest request = m_base;
    request.from = m_from->dateTime();
    request.to = m_to->dateTime();
    std::unique_ptr<SeriesSource> source = m_source();
    if (!source) return {request, {}, {}, 0, QDateTime::currentDateTime()};
    return BuildHistoryReport(*source, request);
}

void HistoryReportCommand::preview() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    OpenPrintPreview(*m_dialog, *m_printer, QStringLiteral("HistoryReportPreview"),
                     [report = report()](QPagedPaintDevice& device) {
                         return PaintHistoryReport(device, report);
                     });
}

void HistoryReportCommand::askForFile() {
    HistoryReportRequest request = m_base;
    request.from = m_from->dateTime();
    request.to = m_to->dateTime();
    AskPdfPath(*m_dialog, QStringLiteral("HistoryReportPdfDialog"), HistoryReportFileName(request),
               [this](const QString& path) { saveTo(path); });
}

bool HistoryReportCommand::saveTo(const QString& path) {
    QString error;
    if (SaveHistoryReportPdf(path, report(), &error)) {
        if (m_dialog) m_dialog->accept();
        return true;
    }
    ShowSaveFailure(m_window, error);
    return false;
}

}  // namespace vt
