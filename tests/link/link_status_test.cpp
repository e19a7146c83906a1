// The link's state, tick by tick.
#include "link_status.h"

#include <gtest/gtest.h>

#include <string>

namespace vt::test {
namespace {

struct StatusCase {
    const char* name;
    const char* events;  // o open, c close, + tick all stored, - tick nothing stored, ~ partly
    bool up;
    bool down;
    LinkFailure reason;
};

class LinkStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(LinkStatusTest, FollowsTheTicks) {
    LinkStatus status;
    for (const char event : std::string(GetParam().events)) {
        switch (event) {
            case 'o':
                status.started();
                break;
            case 'c':
                status.stopped();
                break;
            case '+':
                status.tickDone(8, 0, LinkFailure::None);
                break;
            case '-':
                status.tickDone(0, 8, LinkFailure::NoAnswer);
                break;
            case '~':
                status.tickDone(1, 7, LinkFailure::NoAnswer);
                break;
        }
    }
    EXPECT_EQ(status.up(), GetParam().up);
    EXPECT_EQ(status.down(), GetParam().down);
    EXPECT_EQ(status.reason(), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, LinkStatusTest,
    ::testing::Values(
        StatusCase{"ClosedAtStart", "", false, false, LinkFailure::PortClosed},
        StatusCase{"NothingKnownBeforeTheFirstTick", "o", false, false, LinkFailure::None},
        StatusCase{"OneSilentTickIsNoOutage", "o+-", true, false, LinkFailure::NoAnswer},
        StatusCase{"TwoSilentTicksAreAnOutage", "o+--", false, true, LinkFailure::NoAnswer},
        StatusCase{"NeverAnsweredSinceOpening", "o--", false, true, LinkFailure::NoAnswer},
        StatusCase{"ABlockStoredEndsTheOutage", "o+--~", true, false, LinkFailure::NoAnswer},
        StatusCase{"OpenedAgainDuringAnOutage", "o--o", false, true, LinkFailure::NoAnswer},
        StatusCase{"TicksAfterClosingAreIgnored", "o+c+", false, false, LinkFailure::PortClosed}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vt::test
