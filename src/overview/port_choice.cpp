#include "port_choice.h"

#include "link_connection.h"

namespace vt {

SavedLink PortChoice::restore() {
    const std::optional<SavedLink> saved = m_saved ? m_saved->restore() : std::nullopt;
    auto& settings = m_state.LinkSettings;
    if (m_connection.isOpen()) {
        return saved.value_or(SavedLink{settings[PortNumber] - 1, settings[BaudCode],
                                        settings[ParityCode], settings[SlaveAddress] - 1});
    }
    if (saved) {
        // Until the next "打开" the port and address slots hold list indices.
        settings[PortNumber] = saved->portIndex;
        settings[BaudCode] = saved->baudCode;
        settings[ParityCode] = saved->parityCode;
        settings[SlaveAddress] = saved->addressIndex;
    }
    return SavedLink{settings[PortNumber], settings[BaudCode], settings[ParityCode],
                     settings[SlaveAddress]};
}

void PortChoice::open(const PanelChoice& choice) {
    const std::int32_t parity = choice.parityCode.value_or(m_state.LinkSettings[ParityCode]);
    m_connection.open(choice.port, choice.baudCode, parity, choice.address);
    if (m_saved) m_saved->save(choice.port, choice.baudCode, parity, choice.address);
}

void PortChoice::close() { m_connection.close(); }

}  // namespace vt
