#pragma once

#include "station_context.h"
#include "window_navigator.h"

namespace vt {

class GuardedWindow;

// Makes the editor window an overview button asks for, loaded and guarded, from the table of
// editor windows in editor_factory.cpp; a window not in the table is a placeholder.
GuardedWindow* MakeEditor(StationWindow which, StationContext& context);

}  // namespace vt
