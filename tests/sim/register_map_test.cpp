#include <gtest/gtest.h>

#include <utility>

#include "sim_line_test.h"

namespace vt::sim::test {
namespace {

class RegisterMapTest : public SimLineTest {
  protected:
    void SetUp() override { start(); }
};

constexpr std::pair<int, int> kHoldingAreas[] = {
    {1, 8}, {257, 272}, {4097, 4208}, {4353, 4368}, {4609, 4689}, {5121, 5244}, {8193, 8400}};
constexpr std::pair<int, int> kInputAreas[] = {{1, 16}, {33, 48}, {4097, 4112}};

TEST_F(RegisterMapTest, EveryAreaReadsInBlocksAndMatchesTheModel) {
    for (const auto& [first, last] : kHoldingAreas) {
        for (int from = first; from <= last; from += 125) {
            const int count = std::min(125, last - from + 1);
            std::vector<std::int16_t> values;
            ASSERT_TRUE(m_master->readHolding(from, count, values)) << "holding " << from;
            for (int i = 0; i < count; ++i) {
                EXPECT_EQ(values[static_cast<std::size_t>(i)], m_server->model().holding(from + i))
                    << "holding " << from + i;
            }
        }
    }
    for (const auto& [first, last] : kInputAreas) {
        std::vector<std::int16_t> values;
        ASSERT_TRUE(m_master->readInput(first, last - first + 1, values)) << "input " << first;
        EXPECT_EQ(values[0], m_server->model().input(first));
    }
    std::vector<bool> bits;
    EXPECT_TRUE(m_master->readCoils(1, 16, bits));
    EXPECT_TRUE(m_master->readDiscrete(1, 16, bits));
    EXPECT_EQ(m_master->holding(4107), -2000);  // signed: the set-value low limit
}

TEST_F(RegisterMapTest, ReadsOutsideTheMapGetIllegalAddress) {
    const std::pair<int, int> holding[] = {{9, 1},    {8, 2},    {256, 1},  {272, 2},  {4096, 1},
                                           {4209, 1}, {4352, 1}, {4369, 1}, {4608, 1}, {4673, 32},
                                           {5120, 1}, {5245, 1}, {8192, 1}, {8400, 2}};
    std::vector<std::int16_t> values;
    for (const auto& [first, count] : holding) {
        EXPECT_FALSE(m_master->readHolding(first, count, values)) << "holding " << first;
        EXPECT_EQ(m_master->error(), EMBXILADD) << "holding " << first;
    }
    for (int first : {17, 32, 49, 4096, 4113}) {
        EXPECT_FALSE(m_master->readInput(first, 1, values)) << "input " << first;
        EXPECT_EQ(m_master->error(), EMBXILADD);
    }
    std::vector<bool> bits;
    EXPECT_FALSE(m_master->readCoils(1, 17, bits));
    EXPECT_EQ(m_master->error(), EMBXILADD);
    EXPECT_TRUE(m_master->readHolding(1, 8, values));  // the line is still in step afterwards
}

TEST_F(RegisterMapTest, WriteToSv1ShowsInItsInputAndSignsSurvive) {
    ASSERT_TRUE(m_master->writeRegister(3, 1234));
    EXPECT_EQ(m_server->model().holding(3), 1234);
    EXPECT_EQ(m_master->input(6), 1234);
    EXPECT_EQ(m_master->input(3), 1234);  // SV1 is the selected set value
    ASSERT_TRUE(m_master->writeRegister(4, -500));
    EXPECT_EQ(m_master->input(7), -500);
}

TEST_F(RegisterMapTest, CoilWriteTogglesManualModeAndOnlyCoils1To8AreWritable) {
    ASSERT_TRUE(m_master->writeCoil(1, true));
    EXPECT_TRUE(m_server->model().coil(1));
    std::vector<bool> bits;
    ASSERT_TRUE(m_master->readCoils(1, 16, bits));
    EXPECT_TRUE(bits[0]);
    ASSERT_TRUE(m_master->writeCoil(1, false));
    EXPECT_FALSE(m_server->model().coil(1));
    EXPECT_FALSE(m_master->writeCoil(9, true));
    EXPECT_EQ(m_master->error(), EMBXILADD);
}

TEST_F(RegisterMapTest, EveryConfigurationRegisterKeepsWhatIsWritten) {
    const auto written = [](int reg) { return static_cast<std::int16_t>(reg % 5); };  // any code
    for (int reg = 4097; reg <= 4208; ++reg)
        ASSERT_TRUE(m_master->writeRegister(reg, written(reg)));
    std::vector<std::int16_t> values;
    ASSERT_TRUE(m_master->readHolding(4097, 112, values));
    for (int reg = 4097; reg <= 4208; ++reg) EXPECT_EQ(values[reg - 4097], written(reg)) << reg;
}

TEST_F(RegisterMapTest, RefusedValuesGetIllegalValueAndChangeNothing) {
    EXPECT_FALSE(m_master->writeRegister(7, 9));  // curves 0..8
    EXPECT_EQ(m_master->error(), EMBXILVAL);
    EXPECT_FALSE(m_master->writeRegister(8, 3));  // not a program function
    EXPECT_EQ(m_master->error(), EMBXILVAL);
    EXPECT_EQ(m_server->model().holding(7), 0);
    EXPECT_FALSE(m_master->writeRegister(9, 1));
    EXPECT_EQ(m_master->error(), EMBXILADD);
}

TEST_F(RegisterMapTest, MultipleRegisterWriteLandsInTheModel) {
    ASSERT_TRUE(m_master->writeRegisters(257, {150, 20, 3}));
    EXPECT_EQ(m_server->model().holding(257), 150);
    EXPECT_EQ(m_server->model().holding(258), 20);
    EXPECT_EQ(m_server->model().holding(259), 3);
    EXPECT_FALSE(m_master->writeRegisters(6, {1, 9}));  // all or nothing: curve 9 is refused
    EXPECT_EQ(m_server->model().holding(6), 1);
}

TEST_F(RegisterMapTest, AnotherSlaveAddressGetsNoAnswer) {
    SimMaster other(m_server->devicePath(), 2, 150);
    ASSERT_TRUE(other.connected());
    EXPECT_EQ(other.holding(3), SimMaster::kNone);
    EXPECT_EQ(other.error(), ETIMEDOUT);
    EXPECT_EQ(m_master->holding(3), 1000);
}

}  // namespace
}  // namespace vt::sim::test
