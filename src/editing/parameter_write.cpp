#include "parameter_write.h"

#include <QMessageBox>

#include "controller_link.h"
#include "journal_note.h"
#include "link_jobs.h"

namespace vt {

namespace {

// Tells the operator, without stopping the window, that an entry was not written.
void ShowRegisterRefusal(QWidget* window, const EntryWrite& write) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, QStringLiteral("数值无法写入"),
                        QStringLiteral("%1：%2 超出寄存器可存的范围（-32768～32767），未写入。")
                            .arg(write.caption, write.entry.trimmed()),
                        QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("RegisterRefusal"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

}  // namespace

bool FitsRegister(std::int32_t image) { return image >= -32768 && image <= 32767; }

std::optional<std::int32_t> WriteEntry(StationContext& station, QWidget* window, QObject* context,
                                       const EntryWrite& write) {
    const Parameter& parameter = write.parameter;
    const std::optional<std::int32_t> image =
        ParameterValue(parameter, write.entry.toStdString(), station.state.Scaling);
    if (!image) return std::nullopt;
    if (!FitsRegister(*image)) {
        ShowRegisterRefusal(window, write);
        return std::nullopt;
    }
    LinkJob job = WriteRegisterJob(station.state, parameter.reg, *image, parameter.retry);
    job.note = NoteFrom(window, write.caption, write.before, write.entry);
    station.link.submit(job, context);
    return image;
}

}  // namespace vt
