#include "station_wiring.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QTimeZone>

#include "alarm_centre.h"
#include "batch_chain.h"
#include "plant_event_bodies.h"
#include "records_fixture.h"
#include "temp_station.h"

using namespace vt;

namespace {

QString Compact(const QJsonObject& body) {
    return QString::fromUtf8(QJsonDocument(body).toJson(QJsonDocument::Compact));
}

// One transition and the alarm body it must give.
struct AlarmBodyCase {
    const char* name;
    AlarmSource source;
    TransitionKind kind;
    AlarmState state;
    const char* value;
    const char* who;
    const char* expected;
};

class AlarmBodyTest : public ::testing::TestWithParam<AlarmBodyCase> {};

TEST_P(AlarmBodyTest, CarriesWhichAlarmWhatHappenedAndWhereItStands) {
    const AlarmBodyCase& c = GetParam();
    AlarmTransition t;
    t.time = QDateTime(QDate(2026, 12, 9), QTime(8, 31, 40, 120), QTimeZone(8 * 3600));
    t.source = c.source;
    t.kind = c.kind;
    t.state = c.state;
    t.text = QStringLiteral("文本");
    t.value = QString::fromUtf8(c.value);
    t.who = QString::fromUtf8(c.who);
    EXPECT_EQ(Compact(AlarmBody(t)), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Transitions, AlarmBodyTest,
    ::testing::Values(
        AlarmBodyCase{
            "alarm2_raised", AlarmSource::Alarm2, TransitionKind::Raise, AlarmState::ActiveUnack,
            "312.5", "",
            R"({"alarm":"alarm2","at":"2026-12-09T08:31:40.120+08:00","source":"controller","state":"active-unack","text":"文本","transition":"raised","value":"312.5"})"},
        AlarmBodyCase{
            "input2_short_cleared", AlarmSource::Pv2Short, TransitionKind::Clear,
            AlarmState::ClearedUnack, "", "",
            R"({"alarm":"input2-short","at":"2026-12-09T08:31:40.120+08:00","source":"controller","state":"cleared-unack","text":"文本","transition":"cleared"})"},
        AlarmBodyCase{
            "link_acknowledged", AlarmSource::LinkLost, TransitionKind::Acknowledge,
            AlarmState::ActiveAck, "", "张工",
            R"({"alarm":"link","at":"2026-12-09T08:31:40.120+08:00","source":"link","state":"active-ack","text":"文本","transition":"acknowledged","who":"张工"})"},
        AlarmBodyCase{
            "records_file_shelved", AlarmSource::RecordsFile, TransitionKind::Shelve,
            AlarmState::Shelved, "", "",
            R"({"alarm":"records-file","at":"2026-12-09T08:31:40.120+08:00","source":"station","state":"shelved","text":"文本","transition":"shelved"})"},
        AlarmBodyCase{
            "rebuilt_returned", AlarmSource::DatabaseRebuilt, TransitionKind::Return,
            AlarmState::Normal, "", "",
            R"({"alarm":"database-rebuilt","at":"2026-12-09T08:31:40.120+08:00","source":"station","state":"normal","text":"文本","transition":"returned"})"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchBodies, StartAndEndCarryTheBatchAndTheEndItsSummaryVerdictAndSeal) {
    BatchSummary b;
    b.header.value(HeaderField::Number) = QStringLiteral("B-7");
    b.header.value(HeaderField::Operator) = QStringLiteral("张工");
    b.startedMs =
        QDateTime(QDate(2026, 12, 9), QTime(8, 40), QTimeZone(8 * 3600)).toMSecsSinceEpoch();
    b.endedMs = b.startedMs + 90'500;
    b.recordCount = 91;
    b.verdict = QStringLiteral("FAIL");
    b.seal = QStringLiteral("9f2c");
    BatchEvaluation e;
    e.overall.samples = 91;
    e.overall.minimum = 24.75;
    e.overall.maximum = 851.25;
    e.alarms = {QStringLiteral("报警一ON"), QStringLiteral("PV1断线")};
    e.coverage = 98.5;
    const QJsonObject start = BatchStartBody(b);
    EXPECT_EQ(start.value("event"), "start");
    EXPECT_EQ(start.value("batch"), "B-7");
    EXPECT_EQ(start.value("operator"), "张工");
    const QJsonObject end = BatchEndBody(b, e);
    EXPECT_EQ(end.value("event"), "end");
    EXPECT_EQ(end.value("batch"), "B-7");
    EXPECT_EQ(
        QDateTime::fromString(end.value("ended").toString(), Qt::ISODateWithMs).toMSecsSinceEpoch(),
        b.endedMs);
    EXPECT_EQ(end.value("records").toInteger(), 91);
    EXPECT_EQ(end.value("verdict"), "FAIL");
    EXPECT_EQ(end.value("chainHead"), "9f2c");
    const QJsonObject summary = end.value("summary").toObject();
    EXPECT_EQ(summary.value("pvMin").toDouble(), 24.75);
    EXPECT_EQ(summary.value("pvMax").toDouble(), 851.25);
    EXPECT_EQ(summary.value("alarms").toInt(), 2);
    e.overall.samples = 0;  // no record: no values rather than zeros
    EXPECT_TRUE(BatchEndBody(b, e).value("summary").toObject().value("pvMin").isNull());
}

// The real alarm centre and batch recorder, joined as the station joins them.
class StationWiringTest : public ::testing::Test {
  protected:
    void SetUp() override { WireStation(m_alarms, m_records.recorder(), nullptr, &m_context); }

    void evaluate(bool alarm1) {
        AlarmInputs in;
        in.now = QDateTime::currentDateTime();
        in.linkUp = true;
        in.inputBits[0] = alarm1;
        m_alarms.evaluate(in);
    }

    std::vector<QJsonObject> events(std::int64_t batch) {
        std::vector<QJsonObject> out;
        for (const StoredEntry& s : m_records.recorder().store()->entries(batch))
            if (s.entry.kind == EntryKind::Event)
                out.push_back(QJsonDocument::fromJson(s.entry.payload).object());
        return out;
    }

    vt::testing::TempStation m_station;
    AlarmCentre m_alarms{m_station.database.path()};
    vt::testing::RecordsFixture m_records;
    QObject m_context;
};

TEST_F(StationWiringTest, AnAlarmDuringAnOpenBatchLandsOnceInItsEventsAndChain) {
    BatchRecorder& recorder = m_records.recorder();
    ASSERT_TRUE(recorder.startManual(recorder.proposal(), nullptr));
    const std::int64_t id = recorder.openBatch()->id;
    evaluate(true);
    recorder.observeProgram(1, 1);  // the recorder itself no longer notes the alarm bits
    evaluate(false);
    const auto got = events(id);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].value("kind"), "alarm");
    EXPECT_EQ(got[0].value("text"), m_alarms.book().alarm(AlarmSource::Alarm1).text);
    EXPECT_EQ(got[1].value("kind"), "alarm-change");
    EXPECT_TRUE(got[1].value("text").toString().startsWith(KindText(TransitionKind::Clear)));
    ASSERT_TRUE(recorder.endBatch());
    const BatchSummary closed = *recorder.store()->batch(id);
    EXPECT_TRUE(VerifyBatch(*recorder.store(), closed).holds);
}

TEST_F(StationWiringTest, AnUnusableRecordsFileRaisesItsAlarmAndAUsableOneClearsIt) {
    emit m_records.recorder().problemChanged(QStringLiteral("磁盘已满"));
    evaluate(false);
    EXPECT_EQ(m_alarms.book().alarm(AlarmSource::RecordsFile).state, AlarmState::ActiveUnack);
    emit m_records.recorder().problemChanged({});
    evaluate(false);
    EXPECT_EQ(m_alarms.book().alarm(AlarmSource::RecordsFile).state, AlarmState::ClearedUnack);
}

}  // namespace
