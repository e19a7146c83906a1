// Figures for the journal of writes. What one entry costs the link thread (on an empty and on a
// full journal), what it adds to a write's round trip through the link at 19200 baud with the
// wire time emulated, whether the user-interface thread notices a burst of journaled writes, and
// how the journal window does on a full journal.
//
//   bench_journal [writes per run, default 200]
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <mutex>
#include <vector>

#include "bench_stats.h"
#include "controller_link.h"
#include "journal_csv_exporter.h"
#include "journal_fixture.h"
#include "journal_page_reader.h"
#include "journal_table_model.h"
#include "journal_window.h"
#include "link_jobs.h"
#include "screenshots.h"
#include "simulated_line.h"
#include "temp_station.h"
#include "window_rig.h"
#include "write_journal.h"

using namespace vt;

namespace {

constexpr int kBaud19200 = 2;
constexpr int kSv1 = 3;

double Ms(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

void Print(const char* what, std::vector<double> samples, const char* unit) {
    double sum = 0;
    for (double s : samples) sum += s;
    std::printf("%-58s mean %7.3f  p50 %7.3f  p99 %7.3f  max %7.3f %s\n", what,
                sum / static_cast<double>(samples.size()), bench::Quantile(samples, 0.5),
                bench::Quantile(samples, 0.99), bench::Quantile(samples, 1.0), unit);
}

// The link thread's share of one entry: sending() before the frame leaves, finished() after.
void EntryCost(const char* label, int prefilled, int writes) {
    vt::testing::TempStation station;
    if (prefilled > 0) {
        JournalEntry entry;
        entry.caption = QStringLiteral("输出1积分时间");
        vt::testing::FillJournal(station.check.database(), entry, QDate::currentDate(), prefilled);
    }
    WriteJournal journal(station.database.path());
    ControllerState state;
    std::vector<double> before;
    std::vector<double> after;
    for (int n = 0; n < writes; ++n) {
        LinkJob job = WriteRegisterJob(state, kSv1, n);
        job.note = {QStringLiteral("PIDC PID参数设置"), QStringLiteral("输出1积分时间"),
                    QStringLiteral("120"), QString::number(n)};
        LinkReply reply;
        reply.job = job;
        reply.result = 1;
        reply.failure = LinkFailure::None;
        QElapsedTimer timer;
        timer.start();
        const std::int64_t id = journal.sending(job);
        before.push_back(Ms(timer) * 1000);
        timer.restart();
        journal.finished(id, reply);
        after.push_back(Ms(timer) * 1000);
    }
    std::printf("%s\n", label);
    Print("  entry committed before the frame leaves", before, "us");
    Print("  result committed after the answer", after, "us");
}

// The journal, timed where it runs: on the link thread, between waits on the line.
class TimedJournal : public WriteRecorder {
  public:
    explicit TimedJournal(const QString& path) : m_journal(path) {}

    std::int64_t sending(const LinkJob& job) override {
        QElapsedTimer timer;
        timer.start();
        const std::int64_t id = m_journal.sending(job);
        note(m_sending, timer);
        return id;
    }

    void finished(std::int64_t key, const LinkReply& reply) override {
        QElapsedTimer timer;
        timer.start();
        m_journal.finished(key, reply);
        note(m_finished, timer);
    }

    void print() {
        const std::lock_guard lock(m_mutex);
        Print("  of which the entry, before the frame leaves", m_sending, "us");
        Print("  and the result, after the answer", m_finished, "us");
    }

  private:
    void note(std::vector<double>& samples, const QElapsedTimer& timer) {
        const std::lock_guard lock(m_mutex);
        samples.push_back(Ms(timer) * 1000);
    }

    WriteJournal m_journal;
    std::mutex m_mutex;
    std::vector<double> m_sending;
    std::vector<double> m_finished;
};

// Round trips of `writes` SV1 writes through a link, one at a time, and the lateness of a 1 ms
// timer on this thread meanwhile.
void RoundTrips(const char* label, bool journaled, int baudCode, int writes) {
    test::SimulatedLine line(test::SimulatedLine::AtBaud(baudCode));
    vt::testing::TempStation station;
    ControllerLink link(line.ports());
    TimedJournal* journal = nullptr;  // owned by the link thread until the link goes
    if (journaled) {
        auto timed = std::make_unique<TimedJournal>(station.database.path());
        journal = timed.get();
        link.setWriteRecorder(std::move(timed));
    }
    ControllerState state;
    state.LinkSettings[PortNumber] = test::kSimPort;
    state.LinkSettings[SlaveAddress] = test::kSimSlave;

    QEventLoop loop;
    link.submit(OpenJob(test::kSimPort, baudCode, 0), &loop,
                [&](const LinkReply&) { loop.quit(); });
    loop.exec();

    std::vector<double> trips;
    std::vector<double> lateness;
    QElapsedTimer probeClock;
    qint64 last = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = probeClock.nsecsElapsed();
        lateness.push_back(std::max(0.0, static_cast<double>(now - last) * 1e-6 - 1.0));
        last = now;
    });
    int sent = 0;
    QElapsedTimer trip;
    std::function<void()> next = [&] {
        if (sent == writes) {
            loop.quit();
            return;
        }
        trip.start();
        link.submit(WriteRegisterJob(state, kSv1, sent++), &loop, [&](const LinkReply&) {
            trips.push_back(Ms(trip));
            next();
        });
    };
    probeClock.start();
    probe.start();
    next();
    loop.exec();
    probe.stop();
    Print(label, trips, "ms");
    if (journal) journal->print();
    std::printf("%-58s stall p99 %5.2f ms  max %5.2f ms\n", "  UI thread, 1 ms timer meanwhile",
                bench::Quantile(lateness, 0.99), bench::Quantile(lateness, 1.0));
}

void Report(const char* what, int runs, const std::function<double()>& run) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) ms.push_back(run());
    Print(what, ms, "ms");
}

// The journal window and its reads on a full journal: 1,000 entries on the oldest day, the
// rest today.
void WindowFigures() {
    test::WindowRig rig;
    JournalEntry entry;
    entry.window = QStringLiteral("PIDC PID参数设置");
    entry.caption = QStringLiteral("输出1积分时间");
    entry.result = JournalResult::Written;
    const QDate oldest = QDate::currentDate().addDays(-400);
    vt::testing::FillJournal(rig.station.check.database(), entry, oldest, 1000);
    vt::testing::FillJournal(rig.station.check.database(), entry, QDate::currentDate(),
                             WriteJournal::kCapacity - 1000);
    const QSqlDatabase db = rig.station.check.database();
    std::printf("journal window, full journal (%d entries)\n", WriteJournal::kCapacity);
    Report("  window opened and painted (count + first page)", 5, [&] {
        QElapsedTimer timer;
        timer.start();
        JournalWindow window(rig.context);
        window.show();
        window.repaint();
        return Ms(timer);
    });
    Report("  count of the whole journal", 5, [&] {
        QElapsedTimer timer;
        timer.start();
        JournalPageReader(db, DayRange(oldest, QDate::currentDate())).count();
        return Ms(timer);
    });
    Report("  first page, newest entries", 5, [&] {
        JournalPageReader reader(db, DayRange(oldest, QDate::currentDate()));
        QElapsedTimer timer;
        timer.start();
        reader.next(JournalTableModel::kPageRows);
        return Ms(timer);
    });
    Report("  first page of the oldest day (99,000 newer entries)", 5, [&] {
        JournalPageReader reader(db, DayRange(oldest, oldest));
        QElapsedTimer timer;
        timer.start();
        reader.next(JournalTableModel::kPageRows);
        return Ms(timer);
    });
    Report("  one further page, deep in the journal", 5, [&] {
        JournalPageReader reader(db, DayRange(oldest, QDate::currentDate()));
        for (int i = 0; i < 100; ++i) reader.next(JournalTableModel::kPageRows);
        QElapsedTimer timer;
        timer.start();
        reader.next(JournalTableModel::kPageRows);
        return Ms(timer);
    });
    const QString csv = rig.station.dir.filePath(QStringLiteral("journal.csv"));
    Report("  CSV export of the whole journal", 3, [&] {
        QElapsedTimer timer;
        timer.start();
        JournalCsvExporter(rig.station.database.path(), csv, DayRange(oldest, QDate::currentDate()))
            .run();
        return Ms(timer);
    });
}

}  // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const int writes = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;

    EntryCost("journal entry on the link thread, empty journal", 0, 2000);
    EntryCost("journal entry on the link thread, full journal (trimmed as it grows)",
              WriteJournal::kCapacity, 2000);
    std::printf(
        "SV1 write round trip through the link, 19200 baud, wire time emulated (%d writes)\n",
        writes);
    RoundTrips("  without the journal", false, kBaud19200, writes);
    RoundTrips("  with the journal", true, kBaud19200, writes);
    RoundTrips("  without the journal (again)", false, kBaud19200, writes);
    WindowFigures();
    return 0;
}
