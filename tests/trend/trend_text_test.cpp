// Clock readings as the clock readout and live samples take them.
#include "trend_text.h"

#include <gtest/gtest.h>

namespace vt::test {
namespace {

struct ClockCase {
    const char* moment;  // local date and time, milliseconds included
    const char* shownTime;
    int daysAfterFirst;  // the date shown, counted from 2024-03-12
};

class ClockReadingTest : public ::testing::TestWithParam<ClockCase> {};

// The time is truncated to its second, and date and time come from the same reading.
TEST_P(ClockReadingTest, TruncatesToTheSecondOfOneReading) {
    const QDateTime moment =
        QDateTime::fromString(QString::fromLatin1(GetParam().moment), Qt::ISODateWithMs);
    ASSERT_TRUE(moment.isValid());
    const TrendStamp stamp = StampOf(moment);
    const TrendStamp firstDay = StampOf(QDateTime(QDate(2024, 3, 12), QTime(0, 0)));
    EXPECT_EQ(TrendTimeText(stamp.time), QString::fromLatin1(GetParam().shownTime));
    EXPECT_EQ(stamp.date, firstDay.date + GetParam().daysAfterFirst);
}

INSTANTIATE_TEST_SUITE_P(Moments, ClockReadingTest,
                         ::testing::Values(ClockCase{"2024-03-12T23:59:59.500", "23:59:59", 0},
                                           ClockCase{"2024-03-12T23:59:59.999", "23:59:59", 0},
                                           ClockCase{"2024-03-13T00:00:00.000", "00:00:00", 1},
                                           ClockCase{"2024-03-12T12:30:15.750", "12:30:15", 0}));

}  // namespace
}  // namespace vt::test
