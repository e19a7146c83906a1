#pragma once

#include <span>

#include "editor_descriptor.h"
#include "station_context.h"

namespace vt {

// The station's editor windows, one descriptor each, in the order of their navigation buttons.
std::span<const EditorDescriptor> EditorDescriptors();

// Makes the editor window an overview button asks for, loaded and guarded; null for a window
// without a descriptor.
GuardedWindow* MakeEditor(StationWindow which, StationContext& context);

}  // namespace vt
