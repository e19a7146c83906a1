#pragma once

#include <QObject>

#include "block_read.h"
#include "controller_state.h"

namespace vt {

class ControllerLink;

// The process program as the station keeps it: the mirror of the current curve's program window
// (held in the controller state, so it outlives the window), its parameter read every second,
// the upload of the segment table, accepted cell edits and the choice of the current curve. No
// widgets: tests drive it directly against the simulated controller.
class ProgramModel : public QObject {
    Q_OBJECT
  public:
    ProgramModel(ControllerLink& link, ControllerState& state, QObject* parent = nullptr);

    const ProgramMirror& mirror() const { return m_state.CurveMirror; }

    // The parameter read (the window's `Timer2`): every second while started, behind operator
    // commands and the polling cycle.
    PeriodicRead& parameterRead() { return m_parameterRead; }

    // Reads the segment table in three blocks at operator priority; a block that fails leaves
    // its segments as they were. False, and nothing queued, while an upload is under way.
    bool upload();
    bool uploading() const { return m_uploading; }

    // An accepted cell edit: the entered number, rounded to a whole number, becomes field k
    // (0..5) of segment n (1..24). The cell's write is the grid's.
    void storeSegmentEdit(int n, int k, double entered);

    // Writes `curve` to the current-curve register (sent again only on "no valid answer") and
    // makes sure the parameter read runs. The segments stay as they are until the next upload.
    // `note` is what the journal of writes keeps of it.
    void selectCurve(std::int32_t curve, const JournalNote& note = {});

  signals:
    void parametersRead();
    // The upload's last block came back; `failedBlocks` of the three failed.
    void uploaded(int failedBlocks);

  private:
    void storeParameters(const std::vector<std::int32_t>& block);

    ControllerLink& m_link;
    ControllerState& m_state;
    PeriodicRead m_parameterRead;
    bool m_uploading = false;
};

}  // namespace vt
