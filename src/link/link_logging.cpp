#include "link_logging.h"

Q_LOGGING_CATEGORY(lcLink, "station.link", QtInfoMsg)
Q_LOGGING_CATEGORY(lcLinkFrames, "station.link.frames", QtWarningMsg)
