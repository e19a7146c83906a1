#include "ring_rule.h"

#include <gtest/gtest.h>

using namespace vt;

TEST(RingRule, NextIdWrapsAfterTheLastIdAndOnAnyValueOutsideTheRing) {
    EXPECT_EQ(NextRingId(0), 1);
    EXPECT_EQ(NextRingId(65499), 65500);
    EXPECT_EQ(NextRingId(65500), 1);
    EXPECT_EQ(NextRingId(70000), 1);
    EXPECT_EQ(NextRingId(-3), 1);
}

TEST(RingRule, WindowBelowTheEndIdCoversTheLastCountIdsSmallerBoundFirst) {
    const RingWindowIds ids = WindowIds(5000, 321);
    EXPECT_FALSE(ids.wraps);
    EXPECT_EQ(ids.first, 4680);
    EXPECT_EQ(ids.last, 5000);
    const RingWindowIds exact = WindowIds(241, 241);
    EXPECT_FALSE(exact.wraps);
    EXPECT_EQ(exact.first, 1);
}

TEST(RingRule, WindowPastTheWrapLeavesOutTheGapBetweenItsTwoEnds) {
    const RingWindowIds ids = WindowIds(100, 241);  // ids 1..100 and 65360..65500
    EXPECT_TRUE(ids.wraps);
    EXPECT_EQ(ids.first, 101);
    EXPECT_EQ(ids.last, 65359);
    const RingWindowIds empty = WindowIds(0, 241);  // the last 241 ids only
    EXPECT_EQ(empty.first, 1);
    EXPECT_EQ(empty.last, 65259);
}
