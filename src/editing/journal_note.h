#pragma once

#include <QString>

#include "link_job.h"

class QWidget;

namespace vt {

// The window that `widget` belongs to, as the journal of writes names it: its given name and
// its title with its blanks tidied ("PIDC PID参数设置"), since two windows share a title.
QString JournalWindowName(const QWidget* widget);

// The journal's note for a write asked for in `widget`'s window.
JournalNote NoteFrom(const QWidget* widget, const QString& caption, const QString& before,
                     const QString& entered);

}  // namespace vt
