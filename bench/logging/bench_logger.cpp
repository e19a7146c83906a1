// Figures for the data logger and the ring reads, on a real database file in a temporary folder:
//   - logger tick time with both rings full (65,500 records each), ticks that write a record;
//   - reading a 321-record window (and a 241-record live window) from a full ring, plain and
//     across the wrap;
//   - filling a ring of 65,500 records through the logger's own write path.
#include <QCoreApplication>
#include <QLoggingCategory>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "data_logger.h"
#include "ring_fixture.h"
#include "ring_reader.h"
#include "ring_writer.h"
#include "temp_station.h"

namespace {

using Clock = std::chrono::steady_clock;

double MicrosecondsOf(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

void Report(const char* what, std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return samples[static_cast<size_t>(q * (samples.size() - 1))];
    };
    const auto over2ms =
        std::count_if(samples.begin(), samples.end(), [](double us) { return us > 2000; });
    std::printf("%-50s n=%-5zu median %7.1f us  p99 %8.1f us  max %8.1f us  >2 ms: %ld\n", what,
                samples.size(), at(0.5), at(0.99), samples.back(), static_cast<long>(over2ms));
}

void BenchTicks(const vt::testing::TempStation& station) {
    vt::ControllerState state;
    vt::DataLogger logger(state, station.database.path());
    const QDateTime start = vt::testing::FixtureStart().addDays(60);
    std::vector<double> ticks;
    for (int n = 0; n < 5000; ++n) {
        state.LiveValue[0] = static_cast<float>(n);
        ticks.push_back(MicrosecondsOf([&] { logger.tick(start.addSecs(n)); }));
    }
    Report("logger tick, full rings, one record per tick", ticks);
}

void BenchWindows(const vt::testing::TempStation& station) {
    const vt::DbConnection window = station.database.connect(QStringLiteral("window"));
    vt::RingReader reader(window.database(), vt::Ring::Second);
    const struct {
        const char* what;
        std::int32_t endId;
        std::int32_t count;
    } cases[] = {{"window of 321 from a full ring", 30000, 321},
                 {"window of 321 from a full ring, across the wrap", 100, 321},
                 {"window of 241 from a full ring, across the wrap", 100, 241}};
    for (const auto& c : cases) {
        std::vector<double> reads;
        size_t rows = 0;
        for (int n = 0; n < 300; ++n) {
            reads.push_back(
                MicrosecondsOf([&] { rows = reader.readWindow(c.endId, c.count).size(); }));
        }
        if (rows != static_cast<size_t>(c.count)) std::printf("  (only %zu rows!)\n", rows);
        Report(c.what, reads);
    }
}

void BenchFill() {
    vt::testing::TempStation station;
    vt::RingWriter writer(station.database.path());
    const std::array<float, 8> values{1, 2, 3, 4, 5, 6, 7, 8};
    const double seconds =
        MicrosecondsOf([&] {
            for (int n = 0; n < vt::kRingCapacity; ++n) {
                writer.append(vt::Ring::Second, 46000.0 + static_cast<double>(n / 86400),
                          (n % 86400) / 86400.0, values);
            }
        }) /
        1e6;
    std::printf("fill a ring of %d records through the write path: %.2f s (%.1f us per record)\n",
                vt::kRingCapacity, seconds, seconds * 1e6 / vt::kRingCapacity);
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
