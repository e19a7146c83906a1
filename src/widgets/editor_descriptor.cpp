#include "editor_descriptor.h"

namespace vt {

const EditorDescriptor* FindEditor(std::span<const EditorDescriptor> editors,
                                   StationWindow window) {
    for (const EditorDescriptor& editor : editors) {
        if (editor.window == window) return &editor;
    }
    return nullptr;
}

}  // namespace vt
