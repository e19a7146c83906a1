#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace vt {

// What one refresh does to one readout. `unchanged` means the source holds a code that no
// decoding table lists: the readout keeps whatever it showed before.
struct ReadoutLook {
    bool unchanged = false;
    QString text;
    std::optional<QColor> background;  // empty: the readout keeps its colour
    bool visible = true;
};

}  // namespace vt
