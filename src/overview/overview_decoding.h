#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "controller_state.h"
#include "readout_look.h"

namespace vt {

// Backgrounds of the status readouts.
inline const QColor kActiveColour{255, 192, 192};
inline const QColor kInactiveColour{192, 255, 255};

// One readout of the overview: its control name and how it looks for the current state.
struct Readout {
    QString name;
    ReadoutLook look;
};

// Decoding tables of the overview's status readouts; codes outside a table give `unchanged`.
ReadoutLook AlarmTypeLook(double code, int alarm);  // alarm 1 or 2
ReadoutLook ProgramStateLook(std::int32_t code);
ReadoutLook WaitStateLook(std::int32_t code);
ReadoutLook RunModeLook(double code);
ReadoutLook NumberLook(double value);
ReadoutLook IntegerLook(std::int32_t value);

// What the overview shows for a run-switch coil (element `index` of CoilBits) when set or clear:
// "手动"/"自动", "程序运行"/"单点SV", "SV2"/"SV1", "STBY"/"Disable", "主自整定开"/"主整定关".
QString CoilStateText(int index, bool set);

// Every readout of the overview, in a fixed order, decoded from the shared store. The window
// builds its labels from `Names()` and only applies what `Decode` returns, element by element.
class OverviewDecoding {
  public:
    static const std::vector<QString>& Names();
    static std::vector<Readout> Decode(const ControllerState& state);
};

}  // namespace vt
