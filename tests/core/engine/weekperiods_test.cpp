// Which half, quarter and week-size entry a week belongs to.
#include "engine/weekperiods.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(WeekPeriods, QuarterOfWeekTakesTheFirstRangeThatHoldsTheWeek) {
    auto pool = test::makeScoringPool(2, 18, 16);
    test::PoolBuilder(*pool).periods({10, 8}, {4, 5, 4, 5}); // quarters 0-3, 4-8, 9-12, 13-17
    const int16_t expected[] = {0, 0, 0, 0, 1, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 3};
    for (int16_t w = 0; w < 18; ++w) {
        EXPECT_EQ(QuarterOfWeek(*pool, w), expected[w]) << "week " << w;
    }
    EXPECT_EQ(QuarterOfWeek(*pool, 18), 0); // in no quarter's range
    EXPECT_EQ(QuarterOfWeek(*pool, -1), 0);

    pool->quarterFirstWeek = {0, 2, 9, 13, 0}; // quarters 0 and 1 overlap on weeks 2-3
    pool->quarterLastWeek = {3, 8, 12, 17, 0};
    EXPECT_EQ(QuarterOfWeek(*pool, 3), 0);
    EXPECT_EQ(QuarterOfWeek(*pool, 4), 1);
}

TEST(WeekPeriods, EveryWeekOutsideHalfZeroIsInHalfOne) {
    auto pool = test::makeScoringPool(2, 18, 16);
    test::PoolBuilder(*pool).periods({10, 8}, {4, 5, 4, 5});
    EXPECT_EQ(HalfOfWeek(*pool, 0), 0);
    EXPECT_EQ(HalfOfWeek(*pool, 9), 0);
    EXPECT_EQ(HalfOfWeek(*pool, 10), 1);
    EXPECT_EQ(HalfOfWeek(*pool, 18), 1); // after half 1's own range

    test::PoolBuilder(*pool).periods({0, 18}, {4, 5, 4, 5}); // an empty half 0 ends at week -1
    EXPECT_EQ(pool->halfLastWeek[0], -1);
    EXPECT_EQ(HalfOfWeek(*pool, 0), 1);
}

TEST(WeekPeriods, AWeekWhoseSizeHasNoEntryUsesTheSpareEntry) {
    auto pool = test::makeScoringPool(2, 18, 16);
    pool->minWeekGames = 13;
    pool->openDates[4] = 2;
    EXPECT_EQ(weekSizeEntry(*pool, 0), 3);
    EXPECT_EQ(weekSizeEntry(*pool, 4), 1);
    pool->minWeekGames = 5; // 11 games above the fewest
    EXPECT_EQ(weekSizeEntry(*pool, 0), SpareWeekSizeEntry);
    pool->minWeekGames = 15;
    EXPECT_EQ(weekSizeEntry(*pool, 4), SpareWeekSizeEntry); // below the fewest: a stale minWeekGames
    EXPECT_EQ(weekSizeEntry(*pool, 19), SpareWeekSizeEntry);
    EXPECT_EQ(SpareWeekSizeEntry, 8);
}

} // namespace
} // namespace vek
