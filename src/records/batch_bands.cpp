#include "batch_bands.h"

#include <limits>
#include <string>

#include "minute_table.h"
#include "sqlite_statement.h"

namespace vt {

namespace {

// Pixel columns filled one record or one span at a time. A record at time t falls into column
// (t - from) * (width - 1) / (to - from), in whole numbers.
class BandBuilder {
  public:
    BandBuilder(std::int64_t fromMs, std::int64_t toMs, int width, const std::vector<int>& columns)
        : m_from(fromMs), m_to(toMs), m_width(width), m_columns(columns), m_bands(width) {}

    // A record's values of the asked columns, in their order.
    void addRecord(std::int64_t t, const std::vector<float>& values) {
        const auto value = [&](std::size_t i) { return values[i]; };
        if (inRange(t)) merge(column(t), t, value, value);
    }
    // False when the span is cut by a column's or the range's edge.
    bool addSpan(const MinuteSpan& s) {
        if (!inRange(s.firstMs) || !inRange(s.lastMs) || column(s.firstMs) != column(s.lastMs))
            return false;
        merge(
            column(s.firstMs), s.firstMs, [&](std::size_t i) { return s.low[m_columns[i]]; },
            [&](std::size_t i) { return s.high[m_columns[i]]; });
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
    template <typename Low, typename High>
    void merge(int c, std::int64_t t, Low low, High high) {
        ColumnBand& band = m_bands[static_cast<std::size_t>(c)];
        if (band.low.empty()) {
            band.column = c;
            band.firstMs = t;
            band.low.resize(m_columns.size(), std::numeric_limits<float>::quiet_NaN());
            band.high = band.low;
        }
        band.firstMs = std::min(band.firstMs, t);
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            band.low[i] = Lower(band.low[i], low(i));
            band.high[i] = Higher(band.high[i], high(i));
        }
    }

    std::int64_t m_from;
    std::int64_t m_to;
    int m_width;
    const std::vector<int>& m_columns;
    std::vector<ColumnBand> m_bands;
};

// Reads only the time and the asked value columns of a run of records: half the work of a
// whole record.
class ValueReader {
  public:
    ValueReader(sqlite3* db, const std::vector<int>& columns)
        : m_sql(Sql(columns)), m_select(db, m_sql.c_str()), m_values(columns.size()) {}

    template <typename Visit>
    void read(std::int64_t batch, std::int64_t first, std::int64_t last, Visit visit) {
        m_select.reset().bind(1, batch).bind(2, first).bind(3, last);
        while (m_select.step()) {
            for (std::size_t i = 0; i < m_values.size(); ++i)
                m_values[i] = static_cast<float>(m_select.real(1 + static_cast<int>(i)));
            visit(m_select.int64(0), m_values);
        }
    }

  private:
    static std::string Sql(const std::vector<int>& columns) {
        std::string sql = "select t";
        for (int k : columns) sql += ", v" + std::to_string(k + 1);
        return sql + " from records where batch = ?1 and seq >= ?2 and seq <= ?3";
    }

    std::string m_sql;
    SqliteStatement m_select;
    std::vector<float> m_values;
};

}  // namespace

std::vector<ColumnBand> ReadBands(sqlite3* db, std::int64_t batch, std::int64_t fromMs,
                                  std::int64_t toMs, int width, const std::vector<int>& columns) {
    BandBuilder builder(fromMs, toMs, width, columns);
    ValueReader reader(db, columns);
    const auto readRecords = [&](std::int64_t first, std::int64_t last) {
        reader.read(batch, first, last, [&](std::int64_t t, const std::vector<float>& values) {
            builder.addRecord(t, values);
        });
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
    readRecords(spans.coveredUpTo(batch) + 1, std::numeric_limits<std::int64_t>::max());
    return builder.take();
}

}  // namespace vt
