#include "records_fixture.h"

#include <QSqlQuery>
#include <QTest>

#include "clock_reading.h"

namespace vt::testing {

RecordsFixture::RecordsFixture() : m_now(QDateTime(QDate(2026, 3, 2), QTime(8, 0, 0))) {
    restart();
}

RecordsFixture::~RecordsFixture() { m_recorder.reset(); }

void RecordsFixture::restart() {
    m_recorder.reset();
    m_recorder = std::make_unique<BatchRecorder>(m_state, path(), [this] { return m_now; });
    m_recorder->open();
}

void RecordsFixture::feed(int seconds, float pv1, float sv, float pv2) {
    for (int i = 0; i < seconds; ++i) {
        advance(1);
        std::array<float, 8> values{};
        values[RecordColumn::Pv1] = pv1;
        values[RecordColumn::Pv2] = pv2;
        values[RecordColumn::CurrentSv] = sv;
        m_recorder->appendSecond(ReadClock(m_now), values);
    }
}

bool RecordsFixture::tamper(const QString& sql) {
    const QString name = QStringLiteral("tamper");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path());
        if (db.open()) ok = QSqlQuery(db).exec(sql);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

std::int64_t RecordsFixture::closedBatch(int records) {
    BatchHeader header = m_recorder->proposal();
    m_recorder->startManual(header, nullptr);
    const std::int64_t id = m_recorder->openBatch()->id;
    feed(records / 2, 100.0f);
    m_recorder->addNote(QStringLiteral("装炉完成"));
    m_recorder->setHeaderField(HeaderField::Part, QStringLiteral("零件-7"), nullptr);
    feed(records - records / 2, 101.5f);
    m_recorder->endBatch();
    waitForSeal();
    return id;
}

bool RecordsFixture::waitForSeal() {
    return QTest::qWaitFor([this] { return !m_recorder->sealing(); }, 30000);
}

}  // namespace vt::testing
