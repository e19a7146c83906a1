#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "alarm_book.h"

namespace vt {

// Free room on the disk that holds the database.
struct DiskRoom {
    std::int64_t freeBytes = 0;
    std::int64_t totalBytes = 0;
};

// What one evaluation looks at: a polling tick's discrete inputs, the configured alarm types,
// the link's status and the station's own health.
struct AlarmInputs {
    QDateTime now;
    bool linkUp = false;    // the live tables hold values read just now
    bool linkDown = false;  // the port is open and no block of the last two ticks was stored
    QString linkReason;     // why the link is down, as the overview shows it
    std::array<bool, 8> inputBits{};    // InputBits 0..7
    int alarm1Type = 0;                 // 4161
    int alarm2Type = 0;                 // 4162
    QString pvText;                     // PV1 as shown, the value an alarm is raised with
    bool databaseWritesFail = false;    // the logger's last write failed
    std::optional<bool> recordsUsable;  // none until a records file exists
    std::optional<DiskRoom> disk;       // none when not measured
};

// Turns each tick's inputs into conditions of the alarm book and returns the transitions they
// caused. The controller's alarms are only judged on a good read; while the link is not up they
// keep their state, marked as not known. The clock going back more than 5 s raises an alarm
// that clears on the next evaluation, so it stands until acknowledged.
class AlarmEvaluator {
  public:
    static constexpr std::int64_t kMinFreeBytes = 1'000'000'000;
    static constexpr double kMinFreeShare = 0.05;
    static constexpr qint64 kClockBackMs = 5000;

    explicit AlarmEvaluator(AlarmBook& book) : m_book(book) {}

    Transitions evaluate(const AlarmInputs& in);

    // Raises "数据库已重建" naming the file kept aside (cleared at the next evaluation).
    Transitions databaseRebuilt(const QString& keptFile, const QDateTime& now);

    // Name of a configured alarm: the shown text of its type ("上限报警1"), or the plain
    // "报警一" / "报警二" for a type outside the list.
    static QString AlarmName(int alarm, int type);

  private:
    // Sets the condition of `source`; `describe` gives its text and value (made only when the
    // condition changes).
    template <typename Describe>
    void set(Transitions& out, AlarmSource source, bool active, const QDateTime& now,
             Describe describe);
    void evaluateController(Transitions& out, const AlarmInputs& in);
    void evaluateStation(Transitions& out, const AlarmInputs& in);
    bool clockWentBack(qint64 nowMs);

    AlarmBook& m_book;
    std::optional<qint64> m_latestMs;  // latest clock reading seen
};

// Whether the free room is short: under 1 GB or under 5 % of the disk.
bool DiskRoomShort(const DiskRoom& room);
QString DiskRoomText(const DiskRoom& room);

}  // namespace vt
