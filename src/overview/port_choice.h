#pragma once

#include <cstdint>
#include <optional>

#include "controller_state.h"
#include "saved_link_settings.h"

namespace vt {

class LinkConnection;

// The link settings as the port panel's selectors hold them: port and address as numbers,
// parity as a code (none when no option is chosen).
struct PanelChoice {
    std::int32_t port = 1;
    std::int32_t baudCode = 0;
    std::optional<std::int32_t> parityCode;
    std::int32_t address = 1;
};

// What the port panel does, without its widgets: which saved settings it shows and what
// "打开" and "关闭" do with the link settings, the connection and the saved record.
class PortChoice {
  public:
    PortChoice(ControllerState& state, LinkConnection& connection)
        : m_state(state), m_connection(connection) {}

    // Where "打开" saves the settings (the overview's own database connection); null: nowhere.
    void setSavedSettings(const SavedLinkSettings* saved) { m_saved = saved; }

    // The list indices the panel shows after its load. While the port is closed the saved
    // indices also go into the link settings, as the station always did; while it is open the
    // running link keeps its settings (shown when nothing is saved).
    SavedLink restore();

    // "打开": takes the settings into the link settings, opens the port (which starts polling)
    // and saves them. Without a parity choice the parity code stays as it was.
    void open(const PanelChoice& choice);
    // "关闭": closes the port (which stops polling).
    void close();

  private:
    ControllerState& m_state;
    LinkConnection& m_connection;
    const SavedLinkSettings* m_saved = nullptr;
};

}  // namespace vt
