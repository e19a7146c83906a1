#pragma once

#include <QJsonObject>
#include <QString>
#include <cstdint>
#include <vector>

namespace vt {

// The writes the station itself sent, from the journal of writes in the station database.
// The newest journal id (0 when the journal is empty or cannot be read).
std::int64_t JournalMark(const QString& databasePath);
// Every journal entry after `mark`, oldest first, each as one JSON object of its columns.
std::vector<QJsonObject> JournalWritesSince(const QString& databasePath, std::int64_t mark);

}  // namespace vt
