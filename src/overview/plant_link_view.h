#pragma once

#include "plant_link_state.h"
#include "readout_label.h"

namespace vt {

class PlantLink;

// The plant link's state for the operator, described `PlantLink`: "工厂网络已连接" on the
// healthy colour, or "工厂网络未连接" and why on the warning colour, with the messages waiting
// in the outbox; the library's own words and the dropped counts in its tooltip.
class PlantLinkView : public ReadoutLabel {
    Q_OBJECT
  public:
    explicit PlantLinkView(PlantLink& plant, QWidget* parent = nullptr);

    static QString Text(const PlantLinkState& state);
    static QString ReasonText(PlantFailure failure);

  private:
    void show(const PlantLinkState& state);
};

}  // namespace vt
