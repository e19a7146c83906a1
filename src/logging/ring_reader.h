#pragma once

#include <QSqlDatabase>

#include "prepared_statement.h"
#include "ring_record.h"

namespace vt {

// Reads one ring for a trend window, on the window's own connection. The statements are
// prepared once; the connection must outlive the reader.
class RingReader : public RingWindowSource {
  public:
    RingReader(const QSqlDatabase& db, Ring ring);

    std::int32_t newestId() override;
    std::vector<RingRecord> readWindow(std::int32_t endId, std::int32_t count) override;

  private:
    Ring m_ring;
    PreparedStatement m_positions;
    PreparedStatement m_between;
    PreparedStatement m_notBetween;
};

}  // namespace vt
