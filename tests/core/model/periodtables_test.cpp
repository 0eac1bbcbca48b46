// The period tables and the week sizes that key the weekly events.
#include "model/periodtables.h"
#include "model/pooldata.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(PeriodTables, PeriodsFollowOneAnotherFromWeekZero) {
    auto pool = test::newPool();
    pool->halfWeeks = {9, 9};
    pool->quarterWeeks = {5, 4, 5, 4};
    derivePeriodTables(*pool);
    EXPECT_EQ(pool->halfFirstWeek[0], 0);
    EXPECT_EQ(pool->halfLastWeek[0], 8);
    EXPECT_EQ(pool->halfFirstWeek[1], 9);
    EXPECT_EQ(pool->halfLastWeek[1], 17);
    EXPECT_EQ((std::array<int16_t, 4>{pool->quarterFirstWeek[0], pool->quarterFirstWeek[1],
                                      pool->quarterFirstWeek[2], pool->quarterFirstWeek[3]}),
              (std::array<int16_t, 4>{0, 5, 9, 14}));
    EXPECT_EQ((std::array<int16_t, 4>{pool->quarterLastWeek[0], pool->quarterLastWeek[1],
                                      pool->quarterLastWeek[2], pool->quarterLastWeek[3]}),
              (std::array<int16_t, 4>{4, 8, 13, 17}));

    pool->halfWeeks = {0, 18};
    derivePeriodTables(*pool);
    EXPECT_EQ(pool->halfLastWeek[0], -1); // an empty first half
    EXPECT_EQ(pool->halfFirstWeek[1], 0);
    EXPECT_EQ(pool->halfLastWeek[1], 17);
}

TEST(PeriodTables, AWeekNumberBeyond16BitsKeepsItsOldValue) {
    auto pool = test::newPool();
    pool->halfLastWeek[0] = 77;
    pool->quarterFirstWeek[2] = 55;
    pool->halfWeeks = {-32768, 5};
    pool->quarterWeeks = {30000, 30000, 1, 1};
    derivePeriodTables(*pool);
    EXPECT_EQ(pool->halfLastWeek[0], 77);
    EXPECT_EQ(pool->halfFirstWeek[1], -32768);
    EXPECT_EQ(pool->halfLastWeek[1], -32764);
    EXPECT_EQ(pool->quarterFirstWeek[2], 55);
    EXPECT_EQ(pool->quarterLastWeek[2], 55); // computed from the first week it kept
    EXPECT_EQ(pool->quarterLastWeek[0], 29999);
}

TEST(PeriodTables, WhileEditingTheLastPeriodTakesTheWeeksLeft) {
    auto pool = test::newPool();
    pool->numWeeks = 18;
    EXPECT_EQ(deriveHalfWeeks(*pool, 10), 8);
    EXPECT_EQ(pool->halfLastWeek[0], 9);
    EXPECT_EQ(pool->halfFirstWeek[1], 10);
    EXPECT_EQ(pool->halfLastWeek[1], 17);

    EXPECT_EQ(deriveQuarterWeeks(*pool, {4, 5, 4}), 5);
    EXPECT_EQ(pool->quarterFirstWeek[1], 4);
    EXPECT_EQ(pool->quarterFirstWeek[2], 9);
    EXPECT_EQ(pool->quarterFirstWeek[3], 13);
    EXPECT_EQ(pool->quarterLastWeek[3], 17);

    // Three quarters longer than the season: the fourth is negative and still ends at the last week.
    EXPECT_EQ(deriveQuarterWeeks(*pool, {10, 10, 10}), -12);
    EXPECT_EQ(pool->quarterFirstWeek[3], 30);
    EXPECT_EQ(pool->quarterLastWeek[3], 17);
}

TEST(PeriodTables, PeriodGamesCountOnlyWeeksOfTheSeason) {
    WeekLayout layout;
    layout.numWeeks = 18;
    layout.gamesPerWeek = 16;
    layout.openDates[3] = 2; // two bye slots: 14 games
    EXPECT_EQ(periodGames(layout, 0, 9), 10 * 16 - 2);
    EXPECT_EQ(periodGames(layout, 3, 3), 14);
    EXPECT_EQ(periodGames(layout, 0, -1), 0);       // an empty half
    EXPECT_EQ(periodGames(layout, 13, 40), 5 * 16); // a quarter reaching past the season
    EXPECT_EQ(periodGames(layout, -5, 0), 16);
}

TEST(PeriodTables, WeekSizesFromTheFewestGames) {
    WeekLayout layout;
    layout.numWeeks = 17;
    layout.gamesPerWeek = 16;
    EXPECT_EQ(fewestWeekGames(layout), 16);
    layout.openDates[4] = 4;
    layout.openDates[9] = 2;
    layout.openDates[17] = 9; // not a week of this season
    EXPECT_EQ(fewestWeekGames(layout), 12);
    EXPECT_EQ(weekSizeIndex(12, 12), 0);
    EXPECT_EQ(weekSizeIndex(16, 12), 4);
    EXPECT_EQ(weekSizeIndex(20, 12), 8);
    EXPECT_EQ(weekSizeIndex(21, 12), std::nullopt);
    EXPECT_EQ(weekSizeIndex(11, 12), std::nullopt);

    layout.openDates[4] = 40; // a damaged open date: no week has fewer than no games
    EXPECT_EQ(fewestWeekGames(layout), 0);
}

} // namespace
} // namespace vek
