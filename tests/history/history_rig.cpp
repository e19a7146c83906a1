#include "history_rig.h"

namespace vt::test {

HistoryRig::HistoryRig()
    : link(ports),
      polling(link, state),
      connection(link, polling, state),
      context{state, link, polling, connection, ports, station.database.path(), flow} {
    state.YSpan = 1500;
}

std::int32_t HistoryRig::fillTenSecondRing(std::int32_t firstId, std::int32_t count,
                                           const QDateTime& newestTime,
                                           const vt::testing::RecordValues& values) {
    const QDateTime start = newestTime.addSecs(-10 * qint64{count - 1});
    return vt::testing::FillRing(station.check.database(), Ring::TenSecond, firstId, count, start,
                                 10, values);
}

}  // namespace vt::test
