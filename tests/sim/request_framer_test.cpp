#include "request_framer.h"

#include <gtest/gtest.h>

namespace vt::sim {
namespace {

using Clock = RequestFramer::Clock;
using std::chrono::milliseconds;

Frame ReadHolding(int address) {
    Frame f{1, 3, 0, static_cast<std::uint8_t>(address), 0, 1};
    AppendCrc(f);
    return f;
}

TEST(RequestFramerTest, CrcMatchesAKnownFrame) {
    const Frame f = ReadHolding(2);  // 01 03 00 02 00 01 -> CRC 25 CA
    EXPECT_EQ(f[6], 0x25);
    EXPECT_EQ(f[7], 0xCA);
    EXPECT_TRUE(HasValidCrc(f));
}

TEST(RequestFramerTest, JoinsSplitFramesAndSplitsJoinedOnes) {
    RequestFramer framer;
    const auto t = Clock::now();
    const Frame a = ReadHolding(2);
    framer.append(a.data(), 3, t);
    EXPECT_FALSE(framer.takeFrame(t));
    framer.append(a.data() + 3, a.size() - 3, t);
    EXPECT_EQ(framer.takeFrame(t), a);

    Frame two = ReadHolding(4);
    Frame b = ReadHolding(5);
    two.insert(two.end(), b.begin(), b.end());
    framer.append(two.data(), two.size(), t);
    EXPECT_EQ(framer.takeFrame(t), ReadHolding(4));
    EXPECT_EQ(framer.takeFrame(t), b);
    EXPECT_FALSE(framer.deadline());
}

TEST(RequestFramerTest, MultipleWriteLengthComesFromItsByteCount) {
    Frame f{1, 0x10, 0, 0, 0, 2, 4, 0, 1, 0, 2};
    AppendCrc(f);
    RequestFramer framer;
    const auto t = Clock::now();
    framer.append(f.data(), 6, t);
    EXPECT_FALSE(framer.takeFrame(t));
    framer.append(f.data() + 6, f.size() - 6, t);
    EXPECT_EQ(framer.takeFrame(t), f);
}

TEST(RequestFramerTest, SilenceEndsUnknownFunctionsAndDropsBrokenFrames) {
    RequestFramer framer(milliseconds(20));
    const auto t = Clock::now();
    Frame unknown{1, 0x2B, 0x0E, 1};
    AppendCrc(unknown);
    framer.append(unknown.data(), unknown.size(), t);
    EXPECT_FALSE(framer.takeFrame(t));
    EXPECT_EQ(framer.takeFrame(t + milliseconds(25)), unknown);

    const Frame a = ReadHolding(2);
    framer.append(a.data(), 5, t);
    EXPECT_FALSE(framer.takeFrame(t + milliseconds(25)));
    framer.append(a.data(), a.size(), t + milliseconds(30));  // the next frame starts clean
    EXPECT_EQ(framer.takeFrame(t + milliseconds(30)), a);
}

}  // namespace
}  // namespace vt::sim
