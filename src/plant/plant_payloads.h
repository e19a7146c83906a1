#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <cstdint>

#include "plant_snapshots.h"

namespace vt {

// The topics and JSON payloads of the plant link. Every message carries the station's time
// (ISO 8601 with its offset) and its sequence number on its topic; Stamped() adds both.

namespace PlantTopicName {
inline const QString Status = QStringLiteral("status");
inline const QString Live = QStringLiteral("live");
inline const QString History = QStringLiteral("history");
inline const QString Settings = QStringLiteral("settings");
inline const QString Journal = QStringLiteral("journal");
inline const QString Alarm = QStringLiteral("alarm");
inline const QString Batch = QStringLiteral("batch");
}  // namespace PlantTopicName

// "vt5800/<station>/<topic>".
QString PlantTopic(const QString& station, const QString& topic);

// ISO 8601 with milliseconds and the offset from UTC ("2026-12-08T23:59:01.250+01:00").
QString IsoTime(const QDateTime& time);

// `body` with "time" and "seq" added.
QJsonObject Stamped(QJsonObject body, const QDateTime& time, std::int64_t seq);
QByteArray CompactJson(const QJsonObject& object);

// Counters of the outbox, as `status` shows them.
struct OutboxCounters {
    std::int64_t waiting = 0;
    std::int64_t dropped = 0;         // messages other than history dropped to keep the bounds
    std::int64_t droppedHistory = 0;  // history dropped to keep the bounds
};

QJsonObject StatusBody(const StationStatus& status, bool online, const OutboxCounters& outbox);
// The eight values with their names, captions and units, or none while the link is not up.
QJsonObject LiveBody(const LiveSample& sample);
// A live sample kept while the broker was away, sent afterwards ("late": true).
QJsonObject HistoryBody(const LiveSample& sample);
QJsonObject SettingsBody(const StationSettings& settings);
QJsonObject JournalBody(const JournalRecord& record);

// The unit of input 1 or 2 under `scaling` ("°C", "°F", "K", or "" for a linear input).
QString InputUnit(const InputScaling& scaling, int input);

}  // namespace vt
