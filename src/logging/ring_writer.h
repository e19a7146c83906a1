#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "ring_record.h"
#include "station_database.h"

namespace vt {

// Writes records into the two rings on a connection of its own. A record and the ring position
// that points to it are written in one transaction, so the positions in sl_void always name the
// newest written record, whatever stops the process. The positions are read once when the
// connection opens and then kept here; a failed write drops the connection, and a later write
// opens it again (re-reading the positions), so logging resumes when the file is usable again.
class RingWriter {
  public:
    explicit RingWriter(QString path);
    ~RingWriter();

    // Opens the connection and reads the positions, unless that is done already.
    bool open();

    // Newest id of a ring as last read or written (0 when nothing is known or written).
    std::int32_t newestId(Ring ring) const;

    // Writes the record that follows the newest one of the ring (the ring rule gives its id)
    // and moves the ring's position to it. The id written, or nothing when the write failed.
    std::optional<std::int32_t> append(Ring ring, double date, double time,
                                       const std::array<float, 8>& values);

  private:
    struct Session;

    bool openSession();
    bool writeTransaction(Ring ring, const QVariantList& record);
    void dropSession();

    StationDatabase m_database;
    std::unique_ptr<Session> m_session;
    std::array<std::int32_t, 2> m_newest{};
    int m_attemptsUntilReopen = 0;
};

}  // namespace vt
