#include "poll_blocks.h"

#include "link_jobs.h"
#include "poll_decoding.h"

namespace vt {

const PollBlock& ConfigBlock() {
    static constexpr PollBlock kConfig{LinkOp::ReadHolding, 4102, 32, ApplyInputConfig};
    return kConfig;
}

const std::array<PollBlock, 7>& LiveBlocks() {
    static constexpr std::array<PollBlock, 7> kBlocks = {{
        {LinkOp::ReadInput, 1, 16, ApplyLiveInputs},
        {LinkOp::ReadInput, 33, 16, ApplyActivePid},
        {LinkOp::ReadInput, 4097, 16, ApplyProgramStatus},
        {LinkOp::ReadHolding, 1, 8, ApplyRunRegisters},
        {LinkOp::ReadHolding, 4353, 16, ApplyPidParams},
        {LinkOp::ReadDiscrete16, 1, 16, ApplyInputBits},
        {LinkOp::ReadCoils16, 1, 16, ApplyCoilBits},
    }};
    return kBlocks;
}

LinkJob PollJob(const ControllerState& state, const PollBlock& block) {
    return MakeJob(state, block.op, block.first, block.count);
}

}  // namespace vt
