#include "program_model.h"

#include "controller_link.h"
#include "link_jobs.h"
#include "number_text.h"
#include "program_reads.h"

namespace vt {

namespace {
constexpr int kParameterReadMs = 1000;
}

ProgramModel::ProgramModel(ControllerLink& link, ControllerState& state, QObject* parent)
    : QObject(parent),
      m_link(link),
      m_state(state),
      m_parameterRead(link, state, {ProgramParameterBlock()}, kParameterReadMs, this) {
    connect(
        &m_parameterRead, &PeriodicRead::blockValues, this,
        [this](std::int32_t, const std::vector<std::int32_t>& block) { storeParameters(block); });
}

void ProgramModel::storeParameters(const std::vector<std::int32_t>& block) {
    StoreParameterBlock(m_state.CurveMirror, block, m_state.Scaling);
    emit parametersRead();
}

bool ProgramModel::upload() {
    if (m_uploading) return false;
    m_uploading = true;
    ReadBlocksOnce(m_link, m_state, SegmentUploadBlocks(), this,
                   [this](const std::vector<LinkReply>& replies) {
                       int failed = 0;
                       for (int i = 0; i < static_cast<int>(replies.size()); ++i) {
                           const LinkReply& reply = replies[static_cast<std::size_t>(i)];
                           if (reply.ok()) {
                               StoreSegmentBlock(m_state.CurveMirror, i, reply.values,
                                                 m_state.Scaling);
                           } else {
                               ++failed;
                           }
                       }
                       m_uploading = false;
                       emit uploaded(failed);
                   });
    return true;
}

void ProgramModel::storeSegmentEdit(int n, int k, double entered) {
    if (n < 1 || n > Program::SegmentCount || k < 0 || k >= ProgramMirror::kFieldCount) return;
    m_state.CurveMirror.Segments[n][k] = RoundHalfEven(entered);
}

void ProgramModel::selectCurve(std::int32_t curve, const JournalNote& note) {
    LinkJob job = WriteRegisterJob(m_state, Run::CurveNumber.number, curve, RetryRule::OnNoAnswer);
    job.note = note;
    m_link.submit(job, this);
    if (!m_parameterRead.isRunning()) m_parameterRead.start();
}

}  // namespace vt
