#include "image_restorer.h"

#include "controller_link.h"
#include "controller_map.h"
#include "journal_note.h"
#include "link_jobs.h"

namespace vt {

ImageRestorer::ImageRestorer(ControllerLink& link, const ControllerState& state, QWidget* window)
    : QObject(window), m_link(link), m_state(state), m_window(window) {}

void ImageRestorer::start(const ImageComparison& comparison) {
    if (m_running) return;
    m_running = true;
    m_cancelled = false;
    m_curveFailed = false;
    m_plan.clear();
    m_writes.clear();
    const ControllerImage& file = comparison.file().image;
    for (std::size_t index : comparison.restoreOrder()) {
        const ImageRegister& reg = ImageRegisters()[index];
        m_plan.push_back({index, file.raw(index),
                          NoteFrom(m_window, reg.caption, comparison.controller().shownText(index),
                                   file.shownText(index))});
    }
    emit progress(0, static_cast<int>(m_plan.size()));
    writeNext();
}

void ImageRestorer::writeNext() {
    while (m_writes.size() < m_plan.size()) {
        const Planned& next = m_plan[m_writes.size()];
        QString skipped;
        if (m_cancelled)
            skipped = QStringLiteral("已取消");
        else if (m_curveFailed && InCurveWindow(ImageRegisters()[next.index].reg()))
            skipped = QStringLiteral("当前曲线未能切换");
        if (skipped.isEmpty()) {
            send(next);
            return;
        }
        m_writes.push_back({next.index, std::nullopt, skipped});
    }
    m_running = false;
    emit finished(m_writes);
}

void ImageRestorer::send(const Planned& write) {
    const Parameter& parameter = ImageRegisters()[write.index].parameter;
    LinkJob job = WriteRegisterJob(m_state, parameter.reg, write.value, parameter.retry);
    job.note = write.note;
    m_link.submit(job, this, [this, index = write.index](const LinkReply& reply) {
        if (reply.job.first == Run::CurveNumber.number && !WriteConfirmed(reply))
            m_curveFailed = true;
        m_writes.push_back({index, reply, {}});
        emit progress(static_cast<int>(m_writes.size()), static_cast<int>(m_plan.size()));
        writeNext();
    });
}

}  // namespace vt
