#pragma once

#include <QLoggingCategory>

// Diagnostics of the controller link. "station.link" says at its default level (info) when the
// port or the link goes down and comes back; its debug level ("station.link.debug=true" in
// QT_LOGGING_RULES) adds every open. "station.link.frames.debug=true" adds hex dumps of every
// frame and every failed request.
Q_DECLARE_LOGGING_CATEGORY(lcLink)
Q_DECLARE_LOGGING_CATEGORY(lcLinkFrames)
