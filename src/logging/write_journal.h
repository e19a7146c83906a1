#pragma once

#include <QString>
#include <cstdint>
#include <memory>

#include "station_database.h"
#include "write_recorder.h"

namespace vt {

// The journal of writes: every register write and coil command the link sends gets an entry
// in the station's database, on a connection of the link thread's own. The entry is committed
// as "sent, result unknown" before the frame leaves and completed with the result once it is
// known, so whatever stops the process, no entry claims more than the controller received: a
// write that went out has an entry, and one whose result never came back says so. The journal
// keeps the newest `capacity` entries; older ones go in the transaction that adds a new one.
// A database failure never holds a write back: the write goes out unrecorded (logged), and the
// next write opens the file again.
class WriteJournal : public WriteRecorder {
  public:
    static constexpr int kCapacity = 100000;

    explicit WriteJournal(QString databasePath, int capacity = kCapacity);
    ~WriteJournal() override;

    // The id of the new entry for a write or coil job; 0 for other jobs or when the entry could
    // not be written.
    std::int64_t sending(const LinkJob& job) override;
    void finished(std::int64_t entry, const LinkReply& reply) override;

  private:
    struct Session;

    bool open();
    bool addEntry(const LinkJob& job, std::int64_t& id);
    void checkpointWhenDue();
    void dropSession();

    StationDatabase m_database;
    int m_capacity;
    std::unique_ptr<Session> m_session;
};

}  // namespace vt
