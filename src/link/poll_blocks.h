#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "controller_state.h"
#include "link_job.h"

namespace vt {

// One register block of the polling cycle: what to read and how its values are stored.
struct PollBlock {
    LinkOp op;
    std::int32_t first;
    std::int32_t count;
    void (*apply)(ControllerState&, std::span<const std::int32_t>);
};

// The input configuration, read on the first tick and on every 11th after it.
const PollBlock& ConfigBlock();

// The blocks of every tick, in the order they are read.
const std::array<PollBlock, 7>& LiveBlocks();

// The job that reads a block from the port and slave of the link settings.
LinkJob PollJob(const ControllerState& state, const PollBlock& block);

}  // namespace vt
