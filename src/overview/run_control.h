#pragma once

#include <QString>
#include <optional>

#include "controller_state.h"
#include "link_job.h"

namespace vt {

// The entry boxes of the top bar, by their index.
enum class RunEntry { Output = 1, SV1 = 2, SV2 = 3 };

// The on/off functions, each a coil the controller keeps.
enum class RunToggle { AutoManual, FixProgram, SvSelect, Standby, AutoTune };

// The three program selectors.
enum class ProgramSelector { Function, Process, Jump };

// Turns the operator's run commands into link jobs. Every write is a single register or coil;
// nothing here waits for the link. An empty result means the value is out of range: nothing is
// sent and the write button stays visible. Each job's journal note holds the value as last
// polled and the value as the operator entered or chose it (for a coil, the state it asks for).
class RunControl {
  public:
    explicit RunControl(ControllerState& state) : m_state(state) {}

    // "SV1", "SV2" and "OP": the number at the start of the entry text.
    std::optional<LinkJob> entryWrite(RunEntry entry, const QString& text);

    // "A/M", "FIX/PROG", "SV1/2", "STBY", "AT": reset the coil if polled as set, else set it.
    LinkJob toggle(RunToggle toggle) const;

    // "程序功能", "工艺选择", "跳段选择": the code at the start of the selector's entry.
    LinkJob programWrite(ProgramSelector selector, const QString& entryText);

    static int CoilIndex(RunToggle toggle);  // element of CoilBits; coil number is one more

  private:
    std::optional<LinkJob> setValueWrite(std::int32_t reg, const QString& text) const;
    std::optional<LinkJob> outputWrite(const QString& text);

    ControllerState& m_state;
};

}  // namespace vt
