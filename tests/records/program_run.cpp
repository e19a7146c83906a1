#include "program_run.h"

#include <QTest>

#include "link_jobs.h"

namespace vt::testing {

sim::SimulatorOptions RunningController(double timeFactor) {
    sim::SimulatorOptions options;
    options.timeFactor = timeFactor;
    return options;
}

ProgramRun::ProgramRun(test::WindowRig& rig, const QString& recordsPath, double timeScale)
    : m_rig(rig),
      m_recorder(rig.state, recordsPath),
      m_logger(rig.state, rig.station.database.path()) {
    m_recorder.setLink(&rig.link);
    m_recorder.setStationDatabase(rig.station.database.path());
    m_recorder.setTimeScale(timeScale);
    m_recorder.open();
    QObject::connect(&rig.polling, &PollingCycle::tickFinished, &m_recorder, [this](int failed) {
        if (failed == 0)
            m_recorder.observeProgram(m_rig.state.ProgramStatus[0], m_rig.state.ProgramStatus[3]);
    });
    m_logger.setLiveCheck([this] { return m_rig.polling.status().up(); });
    m_logger.setSecondRecordSink([this](const ClockReading& r, const std::array<float, 8>& v) {
        m_recorder.appendSecond(r, v);
    });
    m_logger.start();
}

bool ProgramRun::start() {
    if (!m_rig.openPort()) return false;
    m_rig.link.submit(WriteRegisterJob(m_rig.state, Run::ProgramFunction.number, 1), &m_recorder);
    return QTest::qWaitFor([this] { return m_recorder.openBatch().has_value(); }, test::kWaitMs);
}

bool ProgramRun::waitForEnd(int ms) {
    return QTest::qWaitFor([this] { return !m_recorder.openBatch() && !m_recorder.sealing(); }, ms);
}

}  // namespace vt::testing
