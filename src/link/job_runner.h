#pragma once

#include "link_job.h"

namespace vt {

class ModbusMaster;

// Carries out one job with the library operation it names and reports what came back.
LinkReply RunJob(ModbusMaster& master, const LinkJob& job);

}  // namespace vt
