#include "overview_rig.h"

namespace vt::test {

OverviewRig::OverviewRig(sim::SimulatorOptions options)
    : line(options),
      link(line.ports()),
      polling(link, state),
      connection(link, polling, state),
      context{state, link, polling, connection, line.ports(), station.database.path(), flow} {
    state.YSpan = 1500;
    polling.setInterval(100);
}

}  // namespace vt::test
