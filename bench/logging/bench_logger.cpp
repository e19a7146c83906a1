// Figures for the data logger and the ring reads, on a real database file in a temporary folder:
//   - logger tick time with both rings full (65,500 records each), ticks that write a record;
//   - reading a 321-record window (and a 241-record live window) from a full ring, plain and
//     across the wrap;
//   - filling a ring of 65,500 records through the logger's own write path.
// Each figure is given as wall time and as the thread's own CPU time, which leaves out the
// time other processes of a busy machine took from it (but also any wait for the disk).
#include <QCoreApplication>
#include <QLoggingCategory>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include "data_logger.h"
#include "ring_fixture.h"
#include "ring_reader.h"
#include "ring_writer.h"
#include "temp_station.h"

namespace {

double NowUs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

struct Samples {
    std::vector<double> wall;
    std::vector<double> cpu;

    void measure(const std::function<void()>& work) {
        const double wallStart = NowUs(CLOCK_MONOTONIC);
        const double cpuStart = NowUs(CLOCK_THREAD_CPUTIME_ID);
        work();
        cpu.push_back(NowUs(CLOCK_THREAD_CPUTIME_ID) - cpuStart);
        wall.push_back(NowUs(CLOCK_MONOTONIC) - wallStart);
    }
};

void PrintLine(const char* kind, std::vector<double> us) {
    std::sort(us.begin(), us.end());
    const auto at = [&](double q) { return us[static_cast<size_t>(q * (us.size() - 1))]; };
    const auto slow = std::count_if(us.begin(), us.end(), [](double t) { return t > 2000; });
    std::printf("    %-4s median %7.1f us  p99 %8.1f us  max %8.1f us  over 2 ms: %ld of %zu\n",
                kind, at(0.5), at(0.99), us.back(), static_cast<long>(slow), us.size());
}

void Report(const char* what, const Samples& samples) {
    std::printf("%s\n", what);
    PrintLine("wall", samples.wall);
    PrintLine("cpu", samples.cpu);
}

void BenchTicks(const vt::testing::TempStation& station) {
    vt::ControllerState state;
    vt::DataLogger logger(state, station.database.path());
    const QDateTime start = vt::testing::FixtureStart().addDays(60);
    Samples ticks;
    for (int n = 0; n < 5000; ++n) {
        state.LiveValue[0] = static_cast<float>(n);
        ticks.measure([&] { logger.tick(start.addSecs(n)); });
    }
    Report("logger tick, both rings full, every tick writes (every tenth into both rings)", ticks);
}

void BenchWindows(const vt::testing::TempStation& station) {
    const vt::DbConnection window = station.database.connect(QStringLiteral("window"));
    vt::RingReader reader(window.database(), vt::Ring::Second);
    const struct {
        const char* what;
        std::int32_t endId;
        std::int32_t count;
    } cases[] = {{"window of 321 records from a full ring", 30000, 321},
                 {"window of 321 records from a full ring, across the wrap", 100, 321},
                 {"window of 241 records from a full ring, across the wrap", 100, 241}};
    for (const auto& c : cases) {
        Samples reads;
        size_t rows = 0;
        for (int n = 0; n < 300; ++n) {
            reads.measure([&] { rows = reader.readWindow(c.endId, c.count).size(); });
        }
        if (rows != static_cast<size_t>(c.count)) std::printf("only %zu rows!\n", rows);
        Report(c.what, reads);
    }
}

void BenchFill() {
    vt::testing::TempStation station;
    vt::RingWriter writer(station.database.path());
    const std::array<float, 8> values{1, 2, 3, 4, 5, 6, 7, 8};
    Samples fill;
    fill.measure([&] {
        for (int n = 0; n < vt::kRingCapacity; ++n) {
            writer.append(vt::Ring::Second, 46000.0 + static_cast<double>(n / 86400),
                          (n % 86400) / 86400.0, values);
        }
    });
    std::printf("fill a ring of %d records through the write path: %.2f s wall, %.2f s cpu\n",
                vt::kRingCapacity, fill.wall[0] / 1e6, fill.cpu[0] / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("station.db.info=false"));
    vt::testing::TempStation station;
    const QDateTime start = vt::testing::FixtureStart();
    const QSqlDatabase db = station.check.database();
    vt::testing::FillRing(db, vt::Ring::Second, 101, vt::kRingCapacity, start, 1);
    vt::testing::FillRing(db, vt::Ring::TenSecond, 101, vt::kRingCapacity, start, 10);
    BenchWindows(station);
    BenchTicks(station);
    BenchFill();
    return 0;
}
