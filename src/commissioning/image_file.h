#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "controller_image.h"

namespace vt {

// A controller image as a UTF-8 JSON file that a person can read: the format's name and
// version, when it was saved, the station's version, the line it was read over and the input
// scaling in force, then one line per register with its area, number, caption, raw value and
// the value as the operator reads it.
QByteArray ImageJson(const ImageFile& file);

// What reading an image file came to: the image, or why the file was refused.
struct ImageLoad {
    std::optional<ImageFile> file;
    QString error;
};

// Takes an image from JSON text only when the whole text is an image of this controller's map:
// every register once, each in its own area with a 16-bit value, and the scaling it states
// agreeing with its own configuration registers. Anything else is refused as a whole.
ImageLoad ParseImage(const QByteArray& json);

// Reads and checks an image file (ParseImage); a file too big to be an image is not read.
ImageLoad LoadImageFile(const QString& path);

// Writes the image to `path` in one piece: either the whole new file is there afterwards or the
// old one (if any) is left untouched. Returns why it failed; empty on success.
QString SaveImageFile(const QString& path, const ImageFile& file);

}  // namespace vt
