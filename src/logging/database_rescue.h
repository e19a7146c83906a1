#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace vt {

// Whether the file at `path` is a station database the station can use: an SQLite file that
// passes a quick check and holds the ring table. A missing or empty file counts as usable (it
// is made afresh), and so does one this user cannot read (nothing is known about it).
bool StationFileUsable(const QString& path);

// Keeps an unusable station database aside under a new name beside it ("<name>.unusable-<time>",
// with its -wal and -shm files), so that a new one can be made; nothing is deleted. The name it
// was kept under, or none when the file was usable or could not be moved.
std::optional<QString> KeepAsideIfUnusable(const QString& path,
                                           const QDateTime& now = QDateTime::currentDateTime());

}  // namespace vt
