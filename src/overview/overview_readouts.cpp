#include "overview_readouts.h"

#include "overview_decoding.h"

namespace vt {

OverviewReadouts::OverviewReadouts() : m_ordered(OverviewDecoding::Names().size(), nullptr) {}

ReadoutLabel* OverviewReadouts::label(const QString& name) {
    if (ReadoutLabel* existing = m_byName.value(name)) return existing;
    const auto& names = OverviewDecoding::Names();
    const auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end()) return nullptr;
    auto* made = new ReadoutLabel(name);
    m_byName.insert(name, made);
    m_ordered[static_cast<std::size_t>(it - names.begin())] = made;
    return made;
}

void OverviewReadouts::refresh(const ControllerState& state) {
    const std::vector<Readout> readouts = OverviewDecoding::Decode(state);
    for (std::size_t i = 0; i < readouts.size(); ++i) {
        if (m_ordered[i]) m_ordered[i]->apply(readouts[i].look);
    }
}

}  // namespace vt
