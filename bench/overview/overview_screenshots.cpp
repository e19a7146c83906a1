// Takes the pictures of the overview at 1920x1080 and 1366x768 with the simulated controller
// heating towards its set value and ten minutes of one-second records behind the trend:
// overview-*.png in the folder given (default docs/screenshots). Runs on the offscreen platform
// unless another one is chosen.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QSqlQuery>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "clock_reading.h"
#include "overview_rig.h"
#include "overview_window.h"
#include "station_queries.h"

namespace {

constexpr int kRecords = 600;

// The last ten minutes of a heat-up towards 100 degrees, one record a second.
void FillRecords(const QSqlDatabase& db, const QDateTime& end) {
    QSqlDatabase connection = db;
    connection.transaction();
    QSqlQuery insert(db);
    insert.prepare(vt::queries::WriteRecord(vt::Ring::Second));
    for (int id = 1; id <= kRecords; ++id) {
        const double t = std::max(0, id - (kRecords - 50));  // heating starts 50 s ago
        const double pv = 100 - 75 * std::exp(-t / 12) + 0.4 * std::sin(t / 3);
        const double op = t > 0 ? 20 + 80 * std::exp(-t / 10) : 0.0;
        const vt::ClockReading at = vt::ReadClock(end.addSecs(id - kRecords));
        insert.addBindValue(id);
        insert.addBindValue(at.date);
        insert.addBindValue(at.time);
        const double values[8] = {pv, op, 100, pv + 0.6, 40 + 3 * std::sin(t / 60), 100, 50, 0};
        for (double value : values) insert.addBindValue(std::round(value * 10) / 10);
        insert.exec();
    }
    QSqlQuery mark(db);
    mark.prepare(vt::queries::WritePosition(vt::Ring::Second));
    mark.addBindValue(kRecords);
    mark.addBindValue(kRecords);
    mark.exec();
    connection.commit();
}

void Save(QWidget& window, const QSize& size, const QDir& folder) {
    window.resize(size);
    QApplication::processEvents();
    const QString path =
        folder.filePath(QStringLiteral("overview-%1x%2.png").arg(size.width()).arg(size.height()));
    std::printf("%s %s\n", window.grab().save(path) ? "wrote" : "could not write",
                qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QStringLiteral("docs/screenshots"));
    QDir().mkpath(folder.path());

    vt::sim::SimulatorOptions options;
    options.timeFactor = 200;
    vt::test::OverviewRig rig(options);
    rig.state.YSpan = 150;  // a value axis of 0 .. 150 degrees
    FillRecords(rig.station.check.database(), QDateTime::currentDateTime());

    vt::OverviewWindow overview(rig.context);
    overview.show();
    overview.findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(0);
    overview.findChild<QComboBox*>(QStringLiteral("Combo2"))->setCurrentIndex(0);
    overview.openWithCurrentSettings();
    // A few seconds of polling: the readouts fill and the process moves on.
    QTest::qWait(3000);
    Save(overview, {1920, 1080}, folder);
    Save(overview, {1366, 768}, folder);
    return 0;
}
