#pragma once

#include <QLoggingCategory>

// Diagnostics of the controller link, off below warnings unless enabled with QT_LOGGING_RULES
// ("station.link.debug=true"; "station.link.frames.debug=true" adds hex dumps of every frame).
Q_DECLARE_LOGGING_CATEGORY(lcLink)
Q_DECLARE_LOGGING_CATEGORY(lcLinkFrames)
