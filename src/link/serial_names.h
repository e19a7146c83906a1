#pragma once

#include <QString>

namespace vt {

// The stable names the system gives serial adapters in /dev/serial/by-id (make, model and
// serial number of the adapter), which stay the same whichever ttyUSB the adapter becomes.
namespace SerialNames {

inline const QString kByIdFolder = QStringLiteral("/dev/serial/by-id");

// The device node a path leads to when the path is a link (a by-id name); empty otherwise or
// when the link leads nowhere.
QString LinkTarget(const QString& device);

// The by-id name (file name only) of the link in `byIdFolder` that leads to `device`; empty
// when there is none.
QString StableName(const QString& device, const QString& byIdFolder = kByIdFolder);

// The device as the port panel shows it: "/dev/ttyUSB0  usb-FTDI_..._A10K-if00-port0" beside
// a by-id name, "by-id path → /dev/ttyUSB1" for a link, or the path alone.
QString DeviceCaption(const QString& device, const QString& byIdFolder = kByIdFolder);

}  // namespace SerialNames

}  // namespace vt
