// The CSV export of the ten-second ring: order across the wrap, values read back, a
// consistent picture while the logger writes, and failures that leave no file behind.
#include "ring_csv_exporter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>

#include "history_table_window.h"
#include "ring_fixture.h"
#include "ring_table_columns.h"
#include "ring_writer.h"
#include "window_rig.h"

namespace vt::test {
namespace {

struct CsvFile {
    bool hasBom = false;
    QStringList header;
    QList<QStringList> rows;
};

CsvFile ReadCsv(const QString& path) {
    QFile file(path);
    CsvFile csv;
    if (!file.open(QIODevice::ReadOnly)) return csv;
    QByteArray bytes = file.readAll();
    csv.hasBom = bytes.startsWith("\xEF\xBB\xBF");
    if (csv.hasBom) bytes.remove(0, 3);
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (!lines.isEmpty()) csv.header = lines.takeFirst().split(QLatin1Char(','));
    for (const QString& line : lines) csv.rows << line.split(QLatin1Char(','));
    return csv;
}

QDateTime StampOf(const QStringList& row) {
    return QDateTime(QDate::fromString(row[1], QStringLiteral("yyyy/M/d")),
                     QTime::fromString(row[2], QStringLiteral("H:mm:ss")));
}

class CsvExportTest : public ::testing::Test {
  protected:
    QString csvPath() const { return rig.station.dir.filePath(QStringLiteral("ring.csv")); }
    // A full ring whose newest record is id 100.
    void fillWrappedRing() {
        rig.fillTenSecondRing(101, kRingCapacity, QDateTime(QDate(2026, 5, 1), QTime(12, 0)));
    }

    WindowRig rig;
};

TEST_F(CsvExportTest, AWrappedRingIsWrittenInTimeOrderAndReadsBackTheSameValues) {
    fillWrappedRing();
    RingCsvExporter exporter(rig.station.database.path(), csvPath());
    ASSERT_TRUE(exporter.run());
    EXPECT_EQ(exporter.written(), kRingCapacity);

    const CsvFile csv = ReadCsv(csvPath());
    EXPECT_TRUE(csv.hasBom);
    EXPECT_EQ(csv.header, RingTableCaptions());
    const auto stored = vt::testing::RecordsByTime(rig.station.check.database(), Ring::TenSecond);
    ASSERT_EQ(csv.rows.size(), static_cast<qsizetype>(stored.size()));
    for (qsizetype i = 0; i < csv.rows.size(); ++i) {
        const QStringList& row = csv.rows[i];
        ASSERT_EQ(row.size(), kRingTableColumns) << i;
        if (i > 0) {
            ASSERT_LT(StampOf(csv.rows[i - 1]), StampOf(row)) << i;
        }
        ASSERT_EQ(row[0].toInt(), stored[i].id) << i;
        for (int j = 0; j < 7; ++j) ASSERT_EQ(row[3 + j].toFloat(), stored[i].values[j]) << i;
    }
    EXPECT_EQ(csv.rows.first()[0], QStringLiteral("101"));
    EXPECT_EQ(csv.rows.last()[1], QStringLiteral("2026/5/1"));
    EXPECT_EQ(csv.rows.last()[2], QStringLiteral("12:00:00"));
}

TEST_F(CsvExportTest, RecordsWrittenDuringTheExportDoNotEnterIt) {
    fillWrappedRing();
    RingCsvExporter exporter(rig.station.database.path(), csvPath());
    ASSERT_TRUE(exporter.start());
    ASSERT_TRUE(exporter.writeMore(10));
    // The logger overwrites the oldest records, newest first in time, while the export runs.
    RingWriter logger(rig.station.database.path());
    for (int n = 0; n < 50; ++n) ASSERT_TRUE(logger.append(Ring::TenSecond, 50000, 0.9, {}));
    while (exporter.writeMore(5000)) {
    }
    ASSERT_TRUE(exporter.finish());

    const CsvFile csv = ReadCsv(csvPath());
    ASSERT_EQ(csv.rows.size(), kRingCapacity);
    EXPECT_EQ(csv.rows.first()[0], QStringLiteral("101"));
    EXPECT_EQ(csv.rows.last()[0], QStringLiteral("100"));
    for (qsizetype i = 1; i < csv.rows.size(); ++i)
        ASSERT_LT(StampOf(csv.rows[i - 1]), StampOf(csv.rows[i])) << i;
}

TEST_F(CsvExportTest, AFailedOrCancelledExportLeavesNoFileBehind) {
    fillWrappedRing();
    const QString nowhere = rig.station.dir.filePath(QStringLiteral("missing/ring.csv"));
    RingCsvExporter failing(rig.station.database.path(), nowhere);
    EXPECT_FALSE(failing.run());
    EXPECT_FALSE(QFile::exists(nowhere));

    QFile earlier(csvPath());
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier export\n");
    earlier.close();
    RingCsvExporter cancelled(rig.station.database.path(), csvPath());
    ASSERT_TRUE(cancelled.start());
    cancelled.writeMore(1000);
    cancelled.cancel();
    EXPECT_FALSE(cancelled.finish());
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("earlier export\n"));
}

TEST_F(CsvExportTest, TheTableWindowExportsInTheBackgroundOfTheEventLoop) {
    rig.fillTenSecondRing(1, 12345, QDateTime::currentDateTime());
    HistoryTableWindow window(rig.context);
    window.show();
    QSignalSpy finished(&window, &HistoryTableWindow::exportFinished);
    window.exportTo(csvPath());
    EXPECT_EQ(finished.count(), 0);  // the export runs in steps, not inside the call
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(finished.first().at(0).toBool(), true);
    EXPECT_EQ(finished.first().at(1).toInt(), 12345);
    EXPECT_EQ(ReadCsv(csvPath()).rows.size(), 12345);
}

}  // namespace
}  // namespace vt::test
