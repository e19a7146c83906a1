// Writes SV1 through the link with the journal of writes, as fast as the controller on the
// device given answers, until killed: the values first, first + 1, ... (at most 999 of them).
// Prints the number of writes answered every 10 writes.
//   journal_crash_child DATABASE DEVICE FIRST_VALUE
#include <QCoreApplication>
#include <cstdio>

#include "controller_link.h"
#include "link_jobs.h"
#include "write_journal.h"

namespace {

constexpr int kPort = 1;
constexpr int kFastBaud = 5;
constexpr int kSv1 = 3;
constexpr int kMostWrites = 999;
constexpr int kQueued = 3;  // writes kept waiting, so the link never idles

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;
    vt::PortDirectory ports;
    ports.setDevice(kPort, QString::fromLocal8Bit(argv[2]));
    vt::ControllerLink link(ports);
    link.setWriteRecorder(std::make_unique<vt::WriteJournal>(QString::fromLocal8Bit(argv[1])));
    vt::ControllerState state;
    state.LinkSettings[vt::PortNumber] = kPort;
    state.LinkSettings[vt::SlaveAddress] = 1;
    link.submit(vt::OpenJob(kPort, kFastBaud, 0), nullptr);

    const int first = std::atoi(argv[3]);
    int sent = 0;
    int answered = 0;
    std::function<void()> sendNext = [&] {
        if (sent >= kMostWrites) return;
        const vt::LinkJob job = vt::WriteRegisterJob(state, kSv1, first + sent++);
        link.submit(job, nullptr, [&](const vt::LinkReply&) {
            if (++answered % 10 == 0) {
                std::printf("%d\n", answered);
                std::fflush(stdout);
            }
            sendNext();
        });
    };
    for (int i = 0; i < kQueued; ++i) sendNext();
    return app.exec();
}
