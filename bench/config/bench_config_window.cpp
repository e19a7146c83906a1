// The configuration window open against the simulator with the wire time emulated at 19200 and
// at 9600 baud, side by side: the polling tick period and how long a tick takes, the
// configuration cycle's completion time, the most jobs waiting on the link, and the delay from a
// DOWN click to its write reaching the controller (the write frame leaving the station).
//
//   bench_config_window [seconds per baud rate, default 30]

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "bench_stats.h"
#include "config_window.h"
#include "screenshots.h"
#include "window_rig.h"
#include "wire_time.h"

using namespace vt;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kClickIntervalMs = 370;  // out of step with both timers

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Figures {
    std::vector<double> tickPeriods;  // between the starts of two polling ticks
    std::vector<double> tickTimes;    // from a polling tick's start to its last block
    std::vector<double> cycleTimes;   // from a configuration cycle's start to its last block
    int skippedCycles = 0;            // cycle times that came while the last one was still out
    int mostWaiting = 0;              // jobs queued or in flight on the link
    std::vector<double> writeDelays;  // from a DOWN click to the write at the controller
};

// Writes the digital filter time with DOWN, alternating 1.0 and 2.0, and notes each click.
class Clicker {
  public:
    explicit Clicker(ConfigWindow& window)
        : m_entry(window.findChild<QLineEdit*>(QStringLiteral("T_3RW_7"))),
          m_down(window.findChild<QPushButton*>(QStringLiteral("Command1_7"))) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { click(); });
        m_timer.start(kClickIntervalMs);
    }
    void stop() { m_timer.stop(); }
    const std::vector<Clock::time_point>& clicks() const { return m_clicks; }

  private:
    void click() {
        m_entry->setText(m_clicks.size() % 2 == 0 ? QStringLiteral("1.0") : QStringLiteral("2.0"));
        m_clicks.push_back(Clock::now());
        m_down->click();
    }

    QLineEdit* m_entry;
    QPushButton* m_down;
    QTimer m_timer;
    std::vector<Clock::time_point> m_clicks;
};

Figures Measure(int baudCode, int seconds) {
    test::WindowRig rig(test::SimulatedLine::AtBaud(baudCode));
    rig.polling.setInterval(PollingCycle::kIntervalMs);
    rig.openPort(baudCode);

    ConfigWindow window(rig.context);
    window.show();
    Figures f;
    const auto sampleQueue = [&] {
        f.mostWaiting = std::max(f.mostWaiting, rig.link.pendingJobs());
    };
    QObject::connect(&rig.link, &ControllerLink::jobFinished, sampleQueue);
    std::optional<Clock::time_point> lastTick;
    QObject::connect(&rig.polling, &PollingCycle::tickStarted, [&] {
        const Clock::time_point now = Clock::now();
        if (lastTick) f.tickPeriods.push_back(Ms(now - *lastTick));
        lastTick = now;
    });
    QObject::connect(&rig.polling, &PollingCycle::tickFinished, [&] {
        if (lastTick) f.tickTimes.push_back(Ms(Clock::now() - *lastTick));
    });
    std::optional<Clock::time_point> cycleStart;
    QObject::connect(&window.readCycle().timer(), &QTimer::timeout, [&] {
        sampleQueue();
        if (cycleStart)
            ++f.skippedCycles;
        else
            cycleStart = Clock::now();
    });
    QObject::connect(&window.readCycle(), &PeriodicRead::cycleFinished, [&] {
        if (cycleStart) f.cycleTimes.push_back(Ms(Clock::now() - *cycleStart));
        cycleStart.reset();
    });

    const std::size_t mark = rig.writeCount();
    Clicker clicker(window);
    QTest::qWait(seconds * 1000);
    clicker.stop();
    rig.waitIdle();
    const std::vector<Clock::time_point> writes = rig.line.writeTimes();
    for (std::size_t i = 0; i < clicker.clicks().size() && mark + i < writes.size(); ++i) {
        f.writeDelays.push_back(Ms(writes[mark + i] - clicker.clicks()[i]));
    }
    return f;
}

double Max(const std::vector<double>& samples) {
    return samples.empty() ? 0.0 : *std::max_element(samples.begin(), samples.end());
}

double Count(std::size_t n) { return static_cast<double>(n); }

// Ticks left out between two that started: a period of about two intervals means one.
std::size_t SkippedTicks(const std::vector<double>& periods) {
    std::size_t skipped = 0;
    for (double period : periods) {
        skipped += static_cast<std::size_t>(std::lround(period / PollingCycle::kIntervalMs)) - 1;
    }
    return skipped;
}

// One line of the report: what it shows and how it is taken from a run's figures.
struct Line {
    const char* what;
    double (*figure)(const Figures&);
    bool whole = false;
};

constexpr Line kLines[] = {
    {"polling tick period, median (ms)",
     [](const Figures& x) { return bench::Quantile(x.tickPeriods, 0.5); }},
    {"polling tick period, max (ms)", [](const Figures& x) { return Max(x.tickPeriods); }},
    {"polling ticks skipped (last one still out)",
     [](const Figures& x) { return Count(SkippedTicks(x.tickPeriods)); }, true},
    {"polling tick, start to last block, median (ms)",
     [](const Figures& x) { return bench::Quantile(x.tickTimes, 0.5); }},
    {"polling tick, start to last block, max (ms)",
     [](const Figures& x) { return Max(x.tickTimes); }},
    {"configuration cycle, median (ms)",
     [](const Figures& x) { return bench::Quantile(x.cycleTimes, 0.5); }},
    {"configuration cycle, max (ms)", [](const Figures& x) { return Max(x.cycleTimes); }},
    {"configuration cycles finished", [](const Figures& x) { return Count(x.cycleTimes.size()); },
     true},
    {"configuration cycles skipped (still out)",
     [](const Figures& x) { return Count(static_cast<std::size_t>(x.skippedCycles)); }, true},
    {"most jobs waiting on the link",
     [](const Figures& x) { return Count(static_cast<std::size_t>(x.mostWaiting)); }, true},
    {"DOWN click to write frame, median (ms)",
     [](const Figures& x) { return bench::Quantile(x.writeDelays, 0.5); }},
    {"DOWN click to write frame, p99 (ms)",
     [](const Figures& x) { return bench::Quantile(x.writeDelays, 0.99); }},
    {"DOWN click to write frame, max (ms)", [](const Figures& x) { return Max(x.writeDelays); }},
    {"writes measured", [](const Figures& x) { return Count(x.writeDelays.size()); }, true},
};

}  // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 30;
    constexpr int kBauds[] = {2, 1};  // 19200, 9600
    Figures f[2];
    for (int i = 0; i < 2; ++i) f[i] = Measure(kBauds[i], seconds);

    std::printf(
        "configuration window open %d s; polling every 500 ms, configuration read every "
        "1000 ms, DOWN every %d ms; 8N1\n",
        seconds, kClickIntervalMs);
    std::printf("%-48s%12d%12d\n", "baud", sim::BaudRateOfCode(kBauds[0]),
                sim::BaudRateOfCode(kBauds[1]));
    for (const Line& line : kLines) {
        std::printf("%-48s", line.what);
        for (const Figures& figures : f) {
            std::printf(line.whole ? "%12.0f" : "%12.1f", line.figure(figures));
        }
        std::printf("\n");
    }
    return 0;
}
