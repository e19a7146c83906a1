#pragma once

#include <QPixmap>

namespace vt {

// The picture of the start-up window: a controller front panel with its name.
QPixmap SplashPicture(const QSize& size);

}  // namespace vt
