#include "plant_journal_recorder.h"

#include "journal_entry.h"
#include "plant_link.h"

namespace vt {

namespace {

QString ResultKey(LinkFailure failure) {
    switch (JournalResultOf(failure)) {
        case JournalResult::Unknown:
            return QStringLiteral("unknown");
        case JournalResult::Written:
            return QStringLiteral("written");
        case JournalResult::NoAnswer:
            return QStringLiteral("no-answer");
        case JournalResult::Exception:
            return QStringLiteral("exception");
        case JournalResult::PortClosed:
            return QStringLiteral("not-sent");
        case JournalResult::Refused:
            return QStringLiteral("refused");
    }
    return {};
}

JournalRecord RecordOf(std::int64_t entry, const LinkReply& reply) {
    const LinkJob& job = reply.job;
    JournalRecord record;
    record.id = entry;
    record.window = job.note.window;
    record.coil = job.op != LinkOp::WriteRegister;
    record.number = job.first;
    record.caption = job.note.caption;
    record.before = job.note.before;
    record.value = record.coil ? (job.op == LinkOp::SetCoil ? 1 : 0) : job.value;
    record.entered = job.note.entered;
    record.result = ResultKey(reply.failure);
    record.code = reply.result;
    record.retried = reply.retried;
    if (reply.retried) record.retryResult = ResultKey(reply.retryFailure);
    return record;
}

}  // namespace

PlantJournalRecorder::PlantJournalRecorder(std::unique_ptr<WriteRecorder> journal, PlantLink& plant)
    : m_journal(std::move(journal)), m_plant(plant) {}

std::int64_t PlantJournalRecorder::sending(const LinkJob& job) { return m_journal->sending(job); }

void PlantJournalRecorder::finished(std::int64_t entry, const LinkReply& reply) {
    m_journal->finished(entry, reply);
    if (entry != 0) m_plant.publishJournal(RecordOf(entry, reply));
}

}  // namespace vt
