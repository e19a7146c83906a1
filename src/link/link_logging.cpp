#include "link_logging.h"

Q_LOGGING_CATEGORY(lcLink, "station.link", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLinkFrames, "station.link.frames", QtWarningMsg)
