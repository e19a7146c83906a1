#include "history_report_command.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>

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

HistoryReportCommand::HistoryReportCommand(QWidget& window, SourceFactory ring,
                                           HistoryReportRequest base, ArchiveCatalogue* archives)
    : QObject(&window),
      m_window(window),
      m_ring(std::move(ring)),
      m_base(std::move(base)),
      m_archives(archives) {}

HistoryReportCommand::~HistoryReportCommand() = default;

void HistoryReportCommand::run() {
    if (m_dialog) {
        m_dialog->raise();
        return;
    }
    m_dialog = new QDialog(&m_window);
    m_dialog->setObjectName(QStringLiteral("HistoryReportDialog"));
    m_dialog->setWindowTitle(QStringLiteral("历史报告"));
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog->setWindowModality(Qt::WindowModal);
    connect(m_dialog, &QObject::destroyed, this, [this] {
        m_dialog = nullptr;
        m_making.reset();
    });
    m_source = new QComboBox(m_dialog);
    m_source->setObjectName(QStringLiteral("ReportSource"));
    m_source->setAccessibleDescription(QStringLiteral("ReportSource"));
    m_source->addItem(QStringLiteral("十秒记录"));
    m_choices = m_archives ? m_archives->archives() : std::vector<ArchiveChoice>{};
    for (const ArchiveChoice& choice : m_choices) m_source->addItem(choice.label);
    m_from = RangeEdit(QStringLiteral("ReportFrom"), m_dialog);
    m_to = RangeEdit(QStringLiteral("ReportTo"), m_dialog);
    auto* buttons = new QDialogButtonBox(m_dialog);
    m_print = buttons->addButton(QStringLiteral("打印…"), QDialogButtonBox::ActionRole);
    m_save = buttons->addButton(QStringLiteral("保存PDF…"), QDialogButtonBox::ActionRole);
    QPushButton* cancel = buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    m_print->setObjectName(QStringLiteral("HistoryReportPrint"));
    m_save->setObjectName(QStringLiteral("HistoryReportSave"));
    connect(m_print, &QPushButton::clicked, this, &HistoryReportCommand::preview);
    connect(m_save, &QPushButton::clicked, this, &HistoryReportCommand::askForFile);
    connect(cancel, &QPushButton::clicked, m_dialog, &QDialog::reject);
    connect(m_source, &QComboBox::currentIndexChanged, this, &HistoryReportCommand::sourceChosen);
    for (QDateTimeEdit* edit : {m_from, m_to})
        connect(edit, &QDateTimeEdit::dateTimeChanged, this, &HistoryReportCommand::rangeChanged);
    m_status = new QLabel(m_dialog);
    m_status->setObjectName(QStringLiteral("HistoryReportStatus"));
    m_status->setAccessibleName(QStringLiteral("HistoryReportStatus"));
    auto* form = new QFormLayout(m_dialog);
    form->addRow(QStringLiteral("来源"), m_source);
    form->addRow(QStringLiteral("从"), m_from);
    form->addRow(QStringLiteral("至"), m_to);
    form->addRow(m_status);
    form->addRow(buttons);
    sourceChosen();
    m_dialog->open();
}

// The range is limited to what the chosen source holds: the last day of the ring by default, a
// batch's whole span.
void HistoryReportCommand::sourceChosen() {
    std::unique_ptr<SeriesSource> chosen = source();
    const auto [first, last] = chosen ? chosen->extent() : std::pair<QDateTime, QDateTime>{};
    const bool batch = m_source->currentIndex() > 0;
    for (QDateTimeEdit* edit : {m_from, m_to}) {
        const QSignalBlocker quiet(edit);
        edit->clearMinimumDateTime();
        edit->clearMaximumDateTime();
        if (first.isValid()) edit->setDateTimeRange(first, last);
    }
    m_to->setDateTime(last);
    m_from->setDateTime(batch ? first : std::max(first, last.addDays(-1)));
    rangeChanged();
}

void HistoryReportCommand::rangeChanged() {
    const bool usable = m_from->dateTime() < m_to->dateTime() && !m_making;
    m_source->setEnabled(!m_making);
    m_print->setEnabled(usable);
    m_save->setEnabled(usable);
}

std::unique_ptr<SeriesSource> HistoryReportCommand::source() {
    const int index = m_source ? m_source->currentIndex() : 0;
    if (index <= 0 || !m_archives) return m_ring ? m_ring() : nullptr;
    return m_archives->open(m_choices[std::size_t(index - 1)].id);
}

HistoryReportRequest HistoryReportCommand::request() const {
    HistoryReportRequest request = m_base;
    request.from = m_from->dateTime();
    request.to = m_to->dateTime();
    if (const int index = m_source->currentIndex(); index > 0) {
        const ArchiveChoice& choice = m_choices[std::size_t(index - 1)];
        request.title = m_base.title + QStringLiteral("  ") + choice.label;
        request.gapSeconds = choice.gapSeconds;
    }
    return request;
}

void HistoryReportCommand::makeReport(std::function<void(const HistoryReportData&)> use) {
    const HistoryReportRequest chosen = request();
    const int index = m_source->currentIndex();
    if (index > 0 && m_archives) {
        m_making = m_archives->makeReport(
            m_choices[std::size_t(index - 1)].id, chosen,
            [this, use](const std::optional<HistoryReportData>& report, const QString& problem) {
                reportReady(report, problem, use);
            });
        m_status->setText(QStringLiteral("正在生成报告…"));
        rangeChanged();
        return;
    }
    // The ring is read here: tens of milliseconds.
    std::unique_ptr<SeriesSource> ring = source();
    use(ring ? BuildHistoryReport(*ring, chosen)
             : HistoryReportData{chosen, {}, {}, 0, QDateTime::currentDateTime()});
}

void HistoryReportCommand::reportReady(const std::optional<HistoryReportData>& report,
                                       const QString& problem,
                                       const std::function<void(const HistoryReportData&)>& use) {
    // The task that called is released once it has returned.
    m_making.release()->deleteLater();
    m_status->setText(report ? QString() : QStringLiteral("无法读取: %1").arg(problem));
    rangeChanged();
    if (report) use(*report);
}

void HistoryReportCommand::preview() {
    makeReport([this](const HistoryReportData& report) {
        if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        OpenPrintPreview(
            *m_dialog, *m_printer, QStringLiteral("HistoryReportPreview"),
            [report](QPagedPaintDevice& device) { return PaintHistoryReport(device, report); });
    });
}

void HistoryReportCommand::askForFile() {
    AskPdfPath(
        *m_dialog, QStringLiteral("HistoryReportPdfDialog"), HistoryReportFileName(request()),
        [this](const QString& path) {
            makeReport([this, path](const HistoryReportData& report) { saveTo(path, report); });
        });
}

bool HistoryReportCommand::saveTo(const QString& path, const HistoryReportData& report) {
    QString error;
    if (SaveHistoryReportPdf(path, report, &error)) {
        if (m_dialog) m_dialog->accept();
        return true;
    }
    ShowSaveFailure(m_window, error);
    return false;
}

}  // namespace vt
