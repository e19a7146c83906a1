// Logs at full speed into the database given on the command line, on a clock that advances one
// second per tick from the offset given (in seconds after the fixture start), until killed.
// Prints the number of ticks done every 50 ticks.
#include <QCoreApplication>
#include <cstdio>

#include "data_logger.h"
#include "ring_fixture.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    vt::ControllerState state;
    vt::DataLogger logger(state, QString::fromLocal8Bit(argv[1]));
    const QDateTime start = vt::testing::FixtureStart().addSecs(std::atoll(argv[2]));
    for (qint64 n = 0;; ++n) {
        for (int i = 0; i < 8; ++i) state.LiveValue[i] = static_cast<float>(n + i);
        logger.tick(start.addSecs(n));
        if (n % 50 == 49) {
            std::printf("%lld\n", static_cast<long long>(n + 1));
            std::fflush(stdout);
        }
    }
}
