#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <memory>

#include "batch_recorder.h"

namespace vt::testing {

// A recorder on a records file in a temporary folder, with a clock the test moves, and a
// plain connection of its own to read or tamper with the file the way sqlite3 would.
class RecordsFixture {
  public:
    RecordsFixture();
    ~RecordsFixture();

    QString path() const { return m_dir.filePath(QStringLiteral("Records.db")); }
    BatchRecorder& recorder() { return *m_recorder; }
    ControllerState& state() { return m_state; }
    // A new recorder on the same file, as after a restart (the old one is simply dropped).
    void restart();
    // `seconds` one-second records with the load value `pv1` (the clock moves with them).
    void feed(int seconds, float pv1, float sv = 0.0f, float pv2 = 0.0f);
    void advance(int seconds) { m_now = m_now.addSecs(seconds); }
    std::int64_t nowMs() const { return m_now.toMSecsSinceEpoch(); }
    // Runs an SQL statement on the file from outside the recorder.
    bool tamper(const QString& sql);
    // Waits until every ended batch is sealed; false when a seal did not come.
    bool waitForSeal();
    // A closed manual batch of `records` records with a note and a header change.
    std::int64_t closedBatch(int records);

  private:
    QTemporaryDir m_dir;
    ControllerState m_state;
    QDateTime m_now;
    std::unique_ptr<BatchRecorder> m_recorder;
};

}  // namespace vt::testing
