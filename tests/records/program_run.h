#pragma once

#include <QString>

#include "batch_recorder.h"
#include "data_logger.h"
#include "window_rig.h"

namespace vt::testing {

// A recorder wired to a window rig as the station wires it (the polling cycle's program state,
// the logger's one-second records, captures through the link, the rig's journal), and a
// program run on the rig's simulated controller.
class ProgramRun {
  public:
    ProgramRun(test::WindowRig& rig, const QString& recordsPath, double timeScale);

    BatchRecorder& recorder() { return m_recorder; }
    // Opens the port and runs the current curve; true once its batch is open.
    bool start();
    // True once the batch has ended (the program ended) and is sealed, within `ms`.
    bool waitForEnd(int ms);

  private:
    test::WindowRig& m_rig;
    BatchRecorder m_recorder;
    DataLogger m_logger;
};

// The rig's simulated controller running its process and programs `timeFactor` times faster.
sim::SimulatorOptions RunningController(double timeFactor);

}  // namespace vt::testing
