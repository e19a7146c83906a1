#pragma once

#include <memory>

#include "write_recorder.h"

namespace vt {

class PlantLink;

// The journal of writes with the plant link beside it: every entry the journal completes is
// also published on `journal`. The journal's own work and order stay as they were.
class PlantJournalRecorder : public WriteRecorder {
  public:
    PlantJournalRecorder(std::unique_ptr<WriteRecorder> journal, PlantLink& plant);

    std::int64_t sending(const LinkJob& job) override;
    void finished(std::int64_t entry, const LinkReply& reply) override;

  private:
    std::unique_ptr<WriteRecorder> m_journal;
    PlantLink& m_plant;
};

}  // namespace vt
