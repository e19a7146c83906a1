#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <vector>

#include "controller_link.h"
#include "poll_blocks.h"

namespace vt::bench {

// The blocks of a full polling cycle: the configuration block, then the live blocks.
inline std::vector<PollBlock> FullCycle() {
    std::vector<PollBlock> blocks{ConfigBlock()};
    blocks.insert(blocks.end(), LiveBlocks().begin(), LiveBlocks().end());
    return blocks;
}

// Queues one full cycle's blocks, stores each reply as the polling cycle does, and returns the
// seconds until the last one is stored; negative when a block failed.
inline double RunCycle(ControllerLink& link, ControllerState& state) {
    const std::vector<PollBlock> blocks = FullCycle();
    QEventLoop loop;
    int left = static_cast<int>(blocks.size());
    bool failed = false;
    QElapsedTimer clock;
    clock.start();
    for (const PollBlock& block : blocks) {
        link.submit(PollJob(state, block), &loop, [&, apply = block.apply](const LinkReply& r) {
            if (r.ok()) apply(state, r.values);
            failed = failed || !r.ok();
            if (--left == 0) loop.quit();
        });
    }
    loop.exec();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
    return failed ? -1.0 : seconds;
}

}  // namespace vt::bench
