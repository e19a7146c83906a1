#include "batch_bands.h"

#include <limits>

#include "minute_table.h"
#include "record_reader.h"

namespace vt {

namespace {

// Pixel columns filled one record or one span at a time. A record at time t falls into column
// (t - from) * (width - 1) / (to - from), in whole numbers.
class BandBuilder {
  public:
    BandBuilder(std::int64_t fromMs, std::int64_t toMs, int width, const std::vector<int>& columns)
        : m_from(fromMs), m_to(toMs), m_width(width), m_columns(columns), m_bands(width) {}

    void addRecord(const BatchRecord& r) {
        if (inRange(r.timeMs)) merge(column(r.timeMs), r.timeMs, r.values, r.values);
    }
    // False when the span is cut by a column's or the range's edge.
    bool addSpan(const MinuteSpan& s) {
        if (!inRange(s.firstMs) || !inRange(s.lastMs) || column(s.firstMs) != column(s.lastMs))
            return false;
        merge(column(s.firstMs), s.firstMs, s.low, s.high);
        return true;
    }

    std::vector<ColumnBand> take() {
        std::vector<ColumnBand> out;
        for (ColumnBand& band : m_bands)
            if (!band.low.empty()) out.push_back(std::move(band));
        return out;
    }

  private:
    bool inRange(std::int64_t t) const { return t >= m_from && t <= m_to; }
    int column(std::int64_t t) const {
        return static_cast<int>((t - m_from) * (m_width - 1) / (m_to - m_from));
    }
    void merge(int c, std::int64_t t, const std::array<float, 8>& low,
               const std::array<float, 8>& high) {
        ColumnBand& band = m_bands[static_cast<std::size_t>(c)];
        if (band.low.empty()) {
            band.column = c;
            band.firstMs = t;
            for (int k : m_columns) {
                band.low.push_back(low[k]);
                band.high.push_back(high[k]);
            }
            return;
        }
        band.firstMs = std::min(band.firstMs, t);
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            band.low[i] = Lower(band.low[i], low[m_columns[i]]);
            band.high[i] = Higher(band.high[i], high[m_columns[i]]);
        }
    }

    std::int64_t m_from;
    std::int64_t m_to;
    int m_width;
    const std::vector<int>& m_columns;
    std::vector<ColumnBand> m_bands;
};

}  // namespace

std::vector<ColumnBand> ReadBands(sqlite3* db, std::int64_t batch, std::int64_t fromMs,
                                  std::int64_t toMs, int width, const std::vector<int>& columns) {
    BandBuilder builder(fromMs, toMs, width, columns);
    RecordReader reader(db);
    const auto readRecords = [&](std::int64_t first, std::int64_t last) {
        reader.select(batch, first, last);
        BatchRecord r;
        while (reader.next(r)) builder.addRecord(r);
    };
    MinuteTable spans(db);
    // Neighbouring spans that cannot be used are read as one run of records.
    std::int64_t runFirst = 0;
    std::int64_t runLast = -1;
    for (const MinuteSpan& s : spans.overlapping(batch, fromMs, toMs)) {
        if (builder.addSpan(s)) {
            if (runLast >= runFirst) readRecords(runFirst, runLast);
            runLast = -1;
        } else if (runLast >= runFirst) {
            runLast = s.lastSeq;
        } else {
            runFirst = s.firstSeq;
            runLast = s.lastSeq;
        }
    }
    if (runLast >= runFirst) readRecords(runFirst, runLast);
    readRecords(spans.coveredUpTo(batch) + 1, RecordReader::kLast);
    return builder.take();
}

}  // namespace vt
