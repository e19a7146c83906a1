// A records file that cannot be used, made so for real on a small tmpfs of the test's own: its
// folder gone, its file system read-only, its disk full. The station keeps logging its rings,
// shows the problem, keeps every record already written and appends again once the file is
// back, all in the one batch with the outage as its gap.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <functional>

#include "batch_chain.h"
#include "batch_evaluation.h"
#include "batch_recorder.h"
#include "batch_window.h"
#include "data_logger.h"
#include "ring_fixture.h"
#include "temp_station.h"
#include "window_rig.h"

using namespace vt;

namespace {

constexpr int kWaitMs = 10000;

// A 4 MB tmpfs mounted on a temporary folder for the test's life; the records live in its
// subfolder `r`.
class SmallDisk {
  public:
    SmallDisk() {
        const QByteArray at = root().toLocal8Bit();
        if (::mount("tmpfs", at.constData(), "tmpfs", 0, "size=4m") != 0)
            m_problem = QString::fromLocal8Bit(std::strerror(errno));
        else
            m_mounted = QDir(root()).mkdir(QStringLiteral("r"));
    }
    ~SmallDisk() {
        if (m_mounted) ::umount2(root().toLocal8Bit().constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    const QString& problem() const { return m_problem; }
    QString root() const { return m_dir.path(); }
    QString folder() const { return m_dir.filePath(QStringLiteral("r")); }
    QString records() const { return folder() + QStringLiteral("/Records.db"); }

    bool remount(unsigned long flags) {
        return ::mount("tmpfs", root().toLocal8Bit().constData(), "tmpfs", MS_REMOUNT | flags,
                       "size=4m") == 0;
    }
    // Writes a filler file until the disk refuses more.
    bool fill() {
        QFile filler(m_dir.filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly)) return false;
        const QByteArray block(64 * 1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        return true;
    }
    bool unfill() { return QFile::remove(m_dir.filePath(QStringLiteral("filler"))); }

  private:
    QTemporaryDir m_dir;
    QString m_problem;
    bool m_mounted = false;
};

struct FaultCase {
    const char* name;
    // Met by the station starting on the file (else by the open batch's next write).
    bool atStart;
    std::function<bool(SmallDisk&)> breakIt;
    std::function<bool(SmallDisk&)> heal;
};

// A station (logger and recorder) with its records on the small disk, the rings elsewhere.
class RecordsFault : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!m_disk.mounted())
            GTEST_SKIP() << "cannot mount a tmpfs here (root in a container needed): "
                         << m_disk.problem().toStdString();
        m_logger = std::make_unique<DataLogger>(m_state, m_station.database.path(),
                                                [this] { return m_now; });
        m_logger->setSecondRecordSink([this](const ClockReading& r, const std::array<float, 8>& v) {
            m_recorder->appendSecond(r, v);
        });
        m_logger->start();
        restart();
    }
    void TearDown() override {
        m_recorder.reset();
        m_logger.reset();
    }

    void restart() {
        m_recorder.reset();
        m_recorder =
            std::make_unique<BatchRecorder>(m_state, m_disk.records(), [this] { return m_now; });
        m_recorder->setRetryInterval(20);
        m_recorder->open();
    }
    void seconds(int n) {
        for (int i = 0; i < n; ++i) {
            m_now = m_now.addSecs(1);
            m_state.LiveValue[3] = 100.0f + static_cast<float>(i);
            m_logger->tick(m_now);
        }
    }
    std::int32_t ringNewest() { return vt::testing::Positions(m_station.check.database())[0]; }

    SmallDisk m_disk;
    vt::testing::TempStation m_station;
    ControllerState m_state;
    QDateTime m_now{QDate(2026, 3, 2), QTime(8, 0, 0)};
    std::unique_ptr<DataLogger> m_logger;
    std::unique_ptr<BatchRecorder> m_recorder;
};

class RecordsFaultTest : public RecordsFault, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(RecordsFaultTest, TheStationGoesOnAndTheBatchResumesWhenTheFileIsBack) {
    const FaultCase& c = GetParam();
    ASSERT_TRUE(m_recorder->usable()) << m_recorder->problem().toStdString();
    ASSERT_TRUE(m_recorder->startManual(m_recorder->proposal(), nullptr));
    const std::int64_t id = m_recorder->openBatch()->id;
    seconds(5);
    if (c.atStart) m_recorder.reset();
    ASSERT_TRUE(c.breakIt(m_disk));
    if (c.atStart) restart();
    const std::int32_t ringBefore = ringNewest();
    seconds(5);
    EXPECT_EQ(ringNewest(), ringBefore + 5) << "the rings stopped with the records file";
    EXPECT_FALSE(m_recorder->usable());
    EXPECT_FALSE(m_recorder->problem().isEmpty());
    {
        BatchWindow window(*m_recorder);
        const auto* state = test::Find<QLabel>(&window, QStringLiteral("RecordsFileState"));
        EXPECT_TRUE(state->text().startsWith(QStringLiteral("记录文件不可用")))
            << state->text().toStdString();
    }

    ASSERT_TRUE(c.heal(m_disk));
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_recorder->usable(); }, kWaitMs))
        << m_recorder->problem().toStdString();
    ASSERT_TRUE(m_recorder->openBatch());
    EXPECT_EQ(m_recorder->openBatch()->id, id);
    seconds(5);
    ASSERT_TRUE(m_recorder->endBatch());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_recorder->sealing(); }, kWaitMs));

    const BatchStore& store = *m_recorder->store();
    const BatchSummary batch = *store.batch(id);
    EXPECT_EQ(batch.recordCount, 10);
    const ChainCheck check = VerifyBatch(store, batch);
    EXPECT_TRUE(check.holds) << check.text().toStdString();
    EXPECT_EQ(batch.integrity, QStringLiteral("记录完整"));
    const BatchEvaluation e = EvaluateBatch(store, batch, true);
    EXPECT_EQ(e.gapCount, 1);
    EXPECT_EQ(e.longestGapSeconds, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RecordsFaultTest,
    ::testing::Values(
        FaultCase{"folder_missing", true,
                  [](SmallDisk& d) {
                      return QDir().rename(d.folder(), d.folder() + QStringLiteral("-away"));
                  },
                  [](SmallDisk& d) {
                      return QDir().rename(d.folder() + QStringLiteral("-away"), d.folder());
                  }},
        FaultCase{"read_only", true, [](SmallDisk& d) { return d.remount(MS_RDONLY); },
                  [](SmallDisk& d) { return d.remount(0); }},
        FaultCase{"disk_full", false, [](SmallDisk& d) { return d.fill(); },
                  [](SmallDisk& d) { return d.unfill(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The disk fills between the end entry and the seal: the seal waits for room, comes once.
TEST_F(RecordsFault, ASealRefusedByAFullDiskComesOnceTheDiskHasRoom) {
    ASSERT_TRUE(m_recorder->startManual(m_recorder->proposal(), nullptr));
    const std::int64_t id = m_recorder->openBatch()->id;
    seconds(5);
    ASSERT_TRUE(m_recorder->endBatch());
    ASSERT_TRUE(m_disk.fill());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_recorder->usable(); }, kWaitMs));
    EXPECT_TRUE(m_recorder->sealing());
    ASSERT_TRUE(m_disk.unfill());
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_recorder->usable() && !m_recorder->sealing(); },
                                kWaitMs));
    const BatchStore& store = *m_recorder->store();
    const BatchSummary batch = *store.batch(id);
    EXPECT_EQ(batch.integrity, QStringLiteral("记录完整"));
    EXPECT_TRUE(VerifyBatch(store, batch).holds);
    int seals = 0;
    for (const StoredEntry& s : store.entries(id)) seals += s.entry.kind == EntryKind::Seal;
    EXPECT_EQ(seals, 1);
}

}  // namespace
