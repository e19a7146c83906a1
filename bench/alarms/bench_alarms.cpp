// Figures for the alarms:
//  - a discrete input set in the simulator until AlarmBanner shows the alarm, through the real
//    link and a 500 ms polling cycle at 19200 baud with wire-time emulation;
//  - the history's first rows, and a CSV export, over 100,000 stored transitions;
//  - adding a transition (trimmed at 100,000) and one evaluation of a polling tick's inputs.
//
//   bench_alarms [banner samples, default 40]
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QSqlQuery>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "alarm_banner.h"
#include "alarm_centre.h"
#include "alarm_csv_exporter.h"
#include "alarm_evaluator.h"
#include "alarm_feed.h"
#include "alarm_history_model.h"
#include "alarm_row.h"
#include "alarm_store.h"
#include "bench_stats.h"
#include "data_logger.h"
#include "screenshots.h"
#include "window_rig.h"

using namespace vt;

namespace {

constexpr int kBaud19200 = 2;
constexpr int kHistoryRows = AlarmStore::kKept;

double Ms(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

void Print(const char* what, const std::vector<double>& ms, const char* unit, double scale,
           const char* target) {
    std::printf("%-52s n %6zu  median %9.3f %s  p99 %9.3f %s  max %9.3f %s  (target %s)\n", what,
                ms.size(), bench::Quantile(ms, 0.5) * scale, unit,
                bench::Quantile(ms, 0.99) * scale, unit, bench::Quantile(ms, 1.0) * scale, unit,
                target);
}

void BannerLatency(int samples) {
    sim::SimulatorOptions options = test::SimulatedLine::Frozen();
    options.baudCode = kBaud19200;
    options.emulateWireTime = true;
    test::WindowRig rig(options);
    rig.polling.setInterval(PollingCycle::kIntervalMs);
    if (!rig.openPort(kBaud19200)) {
        std::printf("cannot open the simulated controller\n");
        return;
    }
    AlarmCentre centre(rig.station.database.path());
    DataLogger logger(rig.state, rig.station.database.path());
    AlarmFeed feed(centre, rig.state, rig.link, rig.polling, logger, rig.station.database.path(),
                   {});
    feed.start();
    AlarmBanner banner(centre);
    banner.show();
    const StandingAlarm& alarm = centre.book().alarm(AlarmSource::Alarm1);
    std::vector<double> ms;
    for (int i = 0; i < samples; ++i) {
        QElapsedTimer clock;
        clock.start();
        rig.line.model().setDiscreteInput(1, true);
        const bool shown = QTest::qWaitFor(
            [&] {
                return alarm.state == AlarmState::ActiveUnack &&
                       banner.line()->text().contains(alarm.text);
            },
            test::kWaitMs);
        QApplication::processEvents();  // the line painted
        if (shown) ms.push_back(Ms(clock));
        rig.line.model().setDiscreteInput(1, false);
        if (!QTest::qWaitFor([&] { return alarm.state == AlarmState::ClearedUnack; },
                             test::kWaitMs)) {
            break;
        }
        centre.acknowledgeAll(QStringLiteral("bench"), {});
        QTest::qWait(37 * i % PollingCycle::kIntervalMs);  // the next bit lands elsewhere in a tick
    }
    Print("bit set -> AlarmBanner shows it (19200 baud, 500 ms)", ms, "ms", 1.0, "p99 <= 600 ms");
}

// 100,000 transitions of a few alarms over the last 30 days, in one transaction.
void FillHistory(const QString& databasePath) {
    AlarmStore store(databasePath);  // makes the table
    DbConnection db = StationDatabase(databasePath).connect(QStringLiteral("fill"));
    QSqlDatabase sql = db.database();
    sql.transaction();
    QSqlQuery insert(sql);
    insert.prepare(QStringLiteral("insert into alarm_log (%1) values (null, ?, ?, ?, ?, ?, ?, ?, "
                                  "?, ?, ?, ?, ?)")
                       .arg(QLatin1String(kAlarmColumns)));
    const QDateTime start = QDateTime::currentDateTime().addDays(-30);
    for (int n = 0; n < kHistoryRows; ++n) {
        AlarmTransition t;
        t.time = start.addSecs(n * 25);
        t.source = static_cast<AlarmSource>(n % kAlarmSources);
        t.kind = static_cast<TransitionKind>(n % 3);
        t.state = AlarmState::ActiveUnack;
        t.text = SourceText(t.source);
        t.value = QString::number(n % 500);
        t.who = n % 3 == 2 ? QStringLiteral("张三") : QString();
        t.raised = t.time;
        for (const QVariant& value : AlarmRowValues(t)) insert.addBindValue(value);
        insert.exec();
    }
    sql.commit();
}

void History(const QString& databasePath) {
    FillHistory(databasePath);
    DbConnection db = StationDatabase(databasePath).connect(QStringLiteral("bench"));
    const QDate today = QDate::currentDate();
    const auto firstRows = [&](const AlarmFilter& filter) {
        return bench::TimedRuns(
            [&] {
                AlarmHistoryModel model(db.database(), filter);
                if (model.rowCount() == 0) std::printf("no rows\n");
            },
            2, 30);
    };
    Print("报警历史 first rows, 100,000 transitions, 31 days",
          firstRows({today.addDays(-30), today, {}, std::nullopt}), "ms", 1.0, "<= 100 ms");
    Print("报警历史 first rows, text filter \"张三\"",
          firstRows({today.addDays(-30), today, QStringLiteral("张三"), std::nullopt}), "ms", 1.0,
          "<= 100 ms");
    Print("报警历史 first rows, filter 确认, one day 20 days ago",
          firstRows({today.addDays(-20), today.addDays(-20), {}, TransitionKind::Acknowledge}),
          "ms", 1.0, "<= 100 ms");

    const QString csv = QFileInfo(databasePath).absolutePath() + QStringLiteral("/alarms.csv");
    Print("CSV export of 100,000 transitions",
          bench::TimedRuns(
              [&] {
                  AlarmCsvExporter(databasePath, csv, {today.addDays(-30), today, {}, {}}).run();
              },
              0, 3),
          "ms", 1.0, "-");

    AlarmStore store(databasePath);
    AlarmTransition t;
    t.time = QDateTime::currentDateTime();
    t.text = QStringLiteral("bench");
    Print("add one transition, trimmed at 100,000",
          bench::TimedRuns([&] { store.append(t); }, 5, 200), "ms", 1.0, "-");
}

void Evaluation() {
    AlarmBook book;
    AlarmEvaluator evaluator(book);
    AlarmInputs in;
    in.now = QDateTime::currentDateTime();
    in.linkUp = true;
    in.alarm1Type = 1;
    in.pvText = QStringLiteral("25.0");
    in.disk = DiskRoom{50'000'000'000, 100'000'000'000};
    constexpr int kTicks = 101'000;
    std::vector<QDateTime> times;  // the clock readings of the ticks, made beforehand
    for (int i = 0; i < kTicks; ++i) times.push_back(in.now.addMSecs(500LL * i));
    int tick = 0;
    // Every 50th tick alarm 1 comes or goes, so raises and clears are part of the figure.
    const auto evaluate = [&] {
        in.now = times[static_cast<std::size_t>(tick % kTicks)];
        in.inputBits[0] = (++tick / 50) % 2 == 1;
        evaluator.evaluate(in);
    };
    Print("one evaluation of a polling tick", bench::TimedRuns(evaluate, 1000, 100'000), "us",
          1000.0, "p99 <= 50 us");
}

}  // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const int samples = argc > 1 ? std::atoi(argv[1]) : 40;
    Evaluation();
    {
        vt::testing::TempStation station;
        History(station.database.path());
    }
    BannerLatency(samples);
    return 0;
}
