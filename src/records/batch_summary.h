#pragma once

#include <QString>
#include <cstdint>

#include "batch_header.h"

namespace vt {

// Which value of a record is the load sensor of a batch.
enum class LoadSensor { Pv1 = 0, Pv2 = 1 };

// Record value columns (0-based into the eight values) that a batch reads.
namespace RecordColumn {
inline constexpr int CurrentSv = 2;
inline constexpr int Pv1 = 3;
inline constexpr int Pv2 = 4;
inline constexpr int Sv1 = 5;
inline constexpr int Alarm1Code = 7;
}  // namespace RecordColumn

inline int LoadColumn(LoadSensor sensor) {
    return sensor == LoadSensor::Pv2 ? RecordColumn::Pv2 : RecordColumn::Pv1;
}

// One batch as the list and the page know it.
struct BatchSummary {
    std::int64_t id = 0;
    bool manual = false;
    bool late = false;  // the run was already going when the station first saw it
    std::int64_t startedMs = 0;
    std::int64_t endedMs = 0;  // 0 while open
    BatchHeader header;
    LoadSensor sensor = LoadSensor::Pv1;
    double band = 5.0;             // ± around a soak's set point, in the unit in force
    double timeTolerance = 10.0;   // percent of a soak's planned time it may fall short
    std::int64_t journalMark = 0;  // last journal entry before the batch started
    // Controller seconds per station second: 1 for a real controller, the time factor of a
    // simulated one, whose programs run faster than the clock the records are taken by.
    double timeScale = 1.0;
    QString verdict;    // PASS, FAIL or 无判定 once ended
    QString integrity;  // the last check's text
    QString seal;       // chain head sealed at the end (hex)
    std::int64_t recordCount = 0;

    bool isOpen() const { return endedMs == 0; }
    // Ended, and being verified and evaluated before its seal.
    bool ending() const { return !isOpen() && seal.isEmpty(); }
    QString number() const { return header.value(HeaderField::Number); }
};

}  // namespace vt
