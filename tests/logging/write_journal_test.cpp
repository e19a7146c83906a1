// The journal of writes over a real link to the simulator: what each kind of answer leaves in
// the entry, and the journal's capacity.
#include "write_journal.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "controller_link.h"
#include "journal_fixture.h"
#include "link_jobs.h"
#include "simulated_line.h"
#include "temp_station.h"

namespace vt::test {
namespace {

constexpr int kSv1 = 3;

struct OutcomeCase {
    const char* name;
    std::function<void(sim::SimulatorOptions&)> fault;  // applied once the port is open
    std::function<LinkJob(const ControllerState&)> job;
    bool openPort;
    JournalResult result;
    std::int32_t code;
    bool retried;
    JournalResult retryResult;
    std::vector<std::string> carriedOut;  // what the simulator did
};

LinkJob Sv1Write(const ControllerState& s, RetryRule rule) {
    LinkJob job = WriteRegisterJob(s, kSv1, 2500, rule);
    job.note = {QStringLiteral("ssqx 过程控制仪表"), QStringLiteral("SV1"), QStringLiteral("200"),
                QStringLiteral("250")};
    return job;
}

const auto kRetryOnNoAnswer = [](const ControllerState& s) {
    return Sv1Write(s, RetryRule::OnNoAnswer);
};
const auto kRetryOnAnyFailure = [](const ControllerState& s) {
    return Sv1Write(s, RetryRule::OnAnyFailure);
};
const auto kNoFault = [](sim::SimulatorOptions&) {};
const auto kExceptionOnSv1 = [](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {kSv1}; };
const char* const kSv1Written = "holding 3 2500";

const auto kDropped = [](sim::SimulatorOptions& o) { o.dropRate = 1.0; };
const auto kFirstAnswerLost = [](sim::SimulatorOptions& o) { o.failFirstAnswers = 1; };
const auto kCorrupted = [](sim::SimulatorOptions& o) { o.corruptRate = 1.0; };
const auto kStationZero = [](const ControllerState& s) {
    LinkJob job = Sv1Write(s, RetryRule::OnNoAnswer);
    job.slave = 0;
    return job;
};
const auto kCoilSet = [](const ControllerState& s) { return CoilJob(s, 7, true); };
using R = JournalResult;

// clang-format off
const OutcomeCase kCases[] = {
    // name, fault, job, port open, result, code, retried, retry's result, carried out
    {"Written", kNoFault, kRetryOnNoAnswer, true, R::Written, 1, false, R::Unknown,
     {kSv1Written}},
    {"TimedOutTwice", kDropped, kRetryOnNoAnswer, true, R::NoAnswer, kNoAnswer, true, R::NoAnswer,
     {}},
    {"LostAnswerThenWrittenByTheRetry", kFirstAnswerLost, kRetryOnNoAnswer, true, R::NoAnswer,
     kNoAnswer, true, R::Written, {kSv1Written}},
    {"CarriedOutButAnswerCorrupted", kCorrupted, kRetryOnNoAnswer, true, R::NoAnswer, kNoAnswer,
     true, R::NoAnswer, {kSv1Written, kSv1Written}},
    {"ExceptionKeptWithoutRetry", kExceptionOnSv1, kRetryOnNoAnswer, true, R::Exception, -2, false,
     R::Unknown, {}},
    {"ExceptionRetriedOnAnyFailure", kExceptionOnSv1, kRetryOnAnyFailure, true, R::Exception, -2,
     true, R::Exception, {}},
    {"PortNotOpen", kNoFault, kRetryOnNoAnswer, false, R::PortClosed, kNoAnswer, true,
     R::PortClosed, {}},
    {"RefusedForStationZero", kNoFault, kStationZero, true, R::Refused, -99, false, R::Unknown,
     {}},
    {"CoilSet", kNoFault, kCoilSet, true, R::Written, 1, false, R::Unknown, {"coil 7 1"}},
};
// clang-format on

class WriteJournalTest : public ::testing::TestWithParam<OutcomeCase> {
  protected:
    WriteJournalTest() : m_link(m_line.ports()) {
        m_state.LinkSettings[PortNumber] = kSimPort;
        m_state.LinkSettings[SlaveAddress] = kSimSlave;
        m_link.setWriteRecorder(std::make_unique<WriteJournal>(m_station.database.path()));
    }

    void run(const LinkJob& job) {
        m_link.submit(job, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([this] { return m_link.pendingJobs() == 0; }, 10000));
    }

    SimulatedLine m_line;
    vt::testing::TempStation m_station;
    ControllerState m_state;
    ControllerLink m_link;
};

}  // namespace

TEST_P(WriteJournalTest, TheEntryTellsWhatBecameOfTheWrite) {
    const OutcomeCase& c = GetParam();
    if (c.openPort) run(OpenJob(kSimPort, kFastBaud, 0));
    m_line.change(c.fault);
    const LinkJob job = c.job(m_state);
    run(job);

    const auto entries = vt::testing::JournalEntries(m_station.check.database());
    ASSERT_EQ(entries.size(), 1u);  // reads and the open are not journaled
    const JournalEntry& entry = entries.front();
    EXPECT_EQ(entry.coil, job.op != LinkOp::WriteRegister);
    EXPECT_EQ(entry.number, job.first);
    EXPECT_EQ(entry.window, job.note.window);
    EXPECT_EQ(entry.caption, job.note.caption);
    EXPECT_EQ(entry.before, job.note.before);
    EXPECT_EQ(entry.before.isNull(), job.note.before.isEmpty());
    EXPECT_EQ(entry.value, job.op == LinkOp::WriteRegister ? job.value : 1);
    EXPECT_EQ(entry.entered, job.note.entered);
    EXPECT_EQ(entry.result, c.result);
    EXPECT_EQ(entry.code, c.code);
    EXPECT_EQ(entry.retried, c.retried);
    if (c.retried) {
        EXPECT_EQ(entry.retryResult, c.retryResult);
    }
    EXPECT_EQ(m_line.writes(), c.carriedOut);
}

INSTANTIATE_TEST_SUITE_P(Answers, WriteJournalTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteJournalFailure, AJournalThatCannotBeWrittenNeverHoldsAWriteBack) {
    SimulatedLine line;
    QTemporaryDir dir;
    QFile notAFolder(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    ControllerLink link(line.ports());
    link.setWriteRecorder(
        std::make_unique<WriteJournal>(dir.filePath(QStringLiteral("file/Rdatabj.db"))));
    ControllerState state;
    state.LinkSettings[PortNumber] = kSimPort;
    state.LinkSettings[SlaveAddress] = kSimSlave;
    link.submit(OpenJob(kSimPort, kFastBaud, 0), nullptr);
    link.submit(WriteRegisterJob(state, kSv1, 2500), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.pendingJobs() == 0; }, 10000));
    EXPECT_EQ(line.writes(), std::vector<std::string>{"holding 3 2500"});
}

TEST(WriteJournalCapacity, KeepsTheNewestHundredThousandEntries) {
    vt::testing::TempStation station;
    JournalEntry old;
    old.caption = QStringLiteral("old");
    const std::int64_t last = vt::testing::FillJournal(station.check.database(), old,
                                                       QDate(2026, 1, 5), WriteJournal::kCapacity);
    ASSERT_EQ(last, WriteJournal::kCapacity);

    WriteJournal journal(station.database.path());
    ControllerState state;
    for (int n = 0; n < 3; ++n) {
        const LinkJob job = WriteRegisterJob(state, kSv1, n);
        LinkReply reply;
        reply.job = job;
        journal.finished(journal.sending(job), reply);
    }

    QSqlQuery span(station.check.database());
    ASSERT_TRUE(span.exec(QStringLiteral("select count(*), min(id), max(id) from write_journal")));
    ASSERT_TRUE(span.next());
    EXPECT_EQ(span.value(0).toInt(), WriteJournal::kCapacity);
    EXPECT_EQ(span.value(1).toLongLong(), 4);  // the three oldest went
    EXPECT_EQ(span.value(2).toLongLong(), WriteJournal::kCapacity + 3);
}

}  // namespace vt::test
