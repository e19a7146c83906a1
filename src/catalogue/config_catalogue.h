#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "parameter.h"

namespace vt {

// Where a row of the configuration window stands: one of the twelve tabs, in tab order, or the
// network block beside them.
enum class ConfigPlace {
    Instrument,
    MainInput,
    AuxInput,
    SensorSwitch,
    DigitalInputs,
    MultiPoint,
    Valve,
    Communication,
    Output1,
    Output2,
    Retransmission,
    Alarms,
    Network,
};
inline constexpr int kConfigTabCount = 12;

// A tab: its caption, its heading and, for a tab of paired rows, the hint under each column.
struct ConfigTab {
    const char* caption;
    const char* heading;
    const char* leftColumnHint = nullptr;  // set only on the tab of paired rows
    const char* rightColumnHint = nullptr;
    bool paired() const { return leftColumnHint != nullptr; }
};

// One row of the configuration block: the parameter (register 4096 + i for row index i), where
// it stands, and the input a write takes its value from. A list row is chosen from its named
// list; a number row is typed into the entry box `T_3RW_<i>`. The one row without a register
// (register 0) shows a list and neither reads nor writes anything.
struct ConfigEntry {
    ConfigPlace place;
    Parameter parameter;
    const char* list = nullptr;  // the list's control name ("Combo5"); none for a number row
    const char* startText = "";  // the entry box's text when the window opens
    int index() const;           // i; 0 for the row without a register
    bool hasRegister() const { return parameter.reg != 0; }
};

// The configuration block, holding registers 4097..4208 (element i = register 4096 + i).
inline constexpr std::int32_t kConfigBase = 4096;

// Every row of the configuration window, tab by tab in display order, then the network block.
std::span<const ConfigEntry> ConfigCatalogue();
const std::array<ConfigTab, kConfigTabCount>& ConfigTabs();

// How register `reg` is shown: its row, or null for a register read but never shown.
const ConfigEntry* ConfigEntryOfRegister(std::int32_t reg);
// What DOWN button `index` takes, converts and writes (to register 4096 + index): its row, or
// null for an index without a parameter.
const ConfigEntry* ConfigEntryOfButton(int index);

// Whether a write of `reg` changes how the station scales values, so that the scaling settings
// must be read again at once.
bool ChangesInputScaling(std::int32_t reg);

}  // namespace vt
