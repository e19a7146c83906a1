#pragma once

#include <cstdint>

#include "link_job.h"

namespace vt {

// Keeps a record of the jobs the link carries out, called on the link thread around each job:
// sending() just before the job goes to the line, finished() once its result is known. Both run
// on the link thread, which waits on the line anyway, so the user-interface thread never waits
// for a recorder. A recorder picks the jobs it keeps (the journal keeps the writes).
class WriteRecorder {
  public:
    virtual ~WriteRecorder() = default;

    // Before `job` goes out; returns a key for finished(), 0 when nothing was recorded.
    virtual std::int64_t sending(const LinkJob& job) = 0;
    // After the job, with what came back; `key` is what sending() returned.
    virtual void finished(std::int64_t key, const LinkReply& reply) = 0;
};

}  // namespace vt
