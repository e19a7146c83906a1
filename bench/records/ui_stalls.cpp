#include "ui_stalls.h"

#include <QEventLoop>
#include <QTimer>

namespace vt::bench {

double Ms(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

Stalls MeasureStalls(const std::function<void()>& begin, const std::function<bool()>& done) {
    QEventLoop loop;
    QElapsedTimer since;
    QElapsedTimer total;
    Stalls stalls;
    bool begun = false;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, &loop, [&] {
        const double gap = Ms(since);
        since.restart();
        stalls.over5Ms += gap > 5.0;
        if (gap > stalls.longest) {
            stalls.longest = gap;
            stalls.longestAtMs = Ms(total);
        }
        if (begun && done()) {
            stalls.last = gap;
            stalls.doneAtMs = Ms(total);
            loop.quit();
        }
    });
    QTimer::singleShot(20, &loop, [&] {
        begin();
        begun = true;
    });
    since.start();
    total.start();
    probe.start();
    loop.exec();
    return stalls;
}

}  // namespace vt::bench
