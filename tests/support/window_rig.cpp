#include "window_rig.h"

#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "editor_descriptors.h"
#include "journal_fixture.h"
#include "write_journal.h"

namespace vt::test {

WindowRig::WindowRig(sim::SimulatorOptions options)
    : line(options),
      link(line.ports()),
      polling(link, state),
      connection(link, polling, state),
      context{state,        link,
              polling,      connection,
              line.ports(), station.database.path(),
              flow,         EditorDescriptors()} {
    state.YSpan = 1500;
    polling.setInterval(100);
    link.setWriteRecorder(std::make_unique<WriteJournal>(station.database.path()));
}

bool WindowRig::openPort(int baudCode) {
    QSignalSpy ticks(&polling, &PollingCycle::tickFinished);
    connection.open(kSimPort, baudCode, 0, kSimSlave);
    return ticks.wait(kWaitMs) && ticks.last().at(0).toInt() == 0;
}

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

std::vector<std::string> WindowRig::writesSince(std::size_t mark) const {
    const std::vector<std::string> all = line.writes();
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(mark, all.size())), all.end()};
}

bool WindowRig::waitForWrite(const std::string& write, std::size_t mark) {
    return QTest::qWaitFor(
        [&] {
            const std::vector<std::string> since = writesSince(mark);
            return std::find(since.begin(), since.end(), write) != since.end();
        },
        kWaitMs);
}

bool WindowRig::waitIdle() {
    return QTest::qWaitFor([this] { return link.pendingJobs() == 0; }, kWaitMs);
}

std::vector<JournalEntry> WindowRig::journal() const {
    return vt::testing::JournalEntries(station.check.database());
}

std::int32_t WindowRig::fillTenSecondRing(std::int32_t firstId, std::int32_t count,
                                          const QDateTime& newestTime,
                                          const vt::testing::RecordValues& values) {
    const QDateTime start = newestTime.addSecs(-10 * qint64{count - 1});
    return vt::testing::FillRing(station.check.database(), Ring::TenSecond, firstId, count, start,
                                 10, values);
}

}  // namespace vt::test
