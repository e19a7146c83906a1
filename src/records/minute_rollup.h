#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "batch_record.h"

namespace vt {

// The lowest and highest of each value over a run of a batch's consecutive records within one
// clock minute. Charts read these instead of every record; they are a display aid kept beside
// the records, outside the chain.
struct MinuteSpan {
    std::int64_t firstSeq = 0;
    std::int64_t lastSeq = 0;
    std::int64_t firstMs = 0;  // earliest record time in the span
    std::int64_t lastMs = 0;   // latest
    std::array<float, 8> low{};
    std::array<float, 8> high{};  // NaN where no record of the span had a value

    static MinuteSpan Of(const BatchRecord& record);
    void add(const BatchRecord& record);
};

// The lower and the higher of two values, a NaN giving way to a number (as SQL's min and max
// pass over nulls).
float Lower(float a, float b);
float Higher(float a, float b);

// Groups a batch's records, in sequence order, into minute spans. A span is complete with its
// minute's last second, or when a record of another minute comes (a gap, a restart, a clock
// step); the span under way at the batch's end is taken as it is.
class MinuteRollup {
  public:
    // Adds the next record; the spans it completes are appended to `done`, oldest first.
    void add(const BatchRecord& record, std::vector<MinuteSpan>& done);
    // The span under way, if any, leaving none.
    std::optional<MinuteSpan> take();

  private:
    std::optional<MinuteSpan> m_open;
    std::int64_t m_minute = 0;
};

}  // namespace vt
