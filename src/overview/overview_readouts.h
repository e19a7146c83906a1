#pragma once

#include <QHash>
#include <vector>

#include "controller_state.h"
#include "readout_label.h"

namespace vt {

// The decoded readouts of the overview. The layout asks for each label by its control name;
// a refresh then writes every one of them from the shared store.
class OverviewReadouts {
  public:
    OverviewReadouts();

    // The label of a readout (made on first request); null for a name the decoding lacks.
    ReadoutLabel* label(const QString& name);

    // Rewrites every readout the layout placed.
    void refresh(const ControllerState& state);

  private:
    QHash<QString, ReadoutLabel*> m_byName;
    std::vector<ReadoutLabel*> m_ordered;  // aligned with OverviewDecoding::Names()
};

}  // namespace vt
