#pragma once

#include <QString>

namespace vt {

// Where the station's file choosers open: the user's documents folder the first time, then the
// folder the operator last saved to or opened from (kept in the user's settings), never the
// process's working folder.
namespace ChooserFolder {

// The folder to open in; a remembered folder that is gone gives the documents folder again.
QString Current();
// `fileName` in the current folder, as a save chooser's suggestion.
QString Suggested(const QString& fileName);
// Keeps the folder of a file the operator chose; an empty path (a cancelled chooser) is ignored.
void Remember(const QString& chosenPath);

}  // namespace ChooserFolder

}  // namespace vt
