// The event profiles window's rules without its window: the week sizes it offers and the weekly entry
// each selects, the shares shown beside the thresholds, the periods as their lengths change, the
// controls' ranges and steps, and values stored outside a range.
#include "model/eventsfile.h"
#include "setup/eventsettingsdraft.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using S = EventSetting;

/// A league of `teams` teams with a season of `weeks` weeks of `slotsPerWeek` slots and the default scoring
/// rules; the fewest games in a week is `fewest`.
std::unique_ptr<PoolData> league(int teams, int weeks, int slotsPerWeek, int fewest) {
    auto pool = test::newPool();
    pool->numTeams = static_cast<int16_t>(teams);
    pool->numWeeks = static_cast<int16_t>(weeks);
    pool->gamesPerWeek = static_cast<int16_t>(slotsPerWeek);
    pool->openDates[1] = static_cast<int16_t>(slotsPerWeek - fewest);
    pool->minWeekGames = static_cast<int16_t>(fewest);
    applyEventDefaults(*pool);
    return pool;
}

TEST(EventSettings, TheWeekSizesOfferedAreTheEntriesTheFileKeeps) {
    struct Case {
        int teams, fewest;
        int min, max, opensOn;
    };
    const Case cases[] = {
        {32, 12, 12, 16, 16}, // sizes 12..16 are entries 0..4; opens on a week without byes
        {37, 10, 10, 17, 17}, // 18 would be entry 8, which the file does not keep
        {20, 3, 3, 10, 10},
        {8, 4, 4, 4, 4},
    };
    for (const Case& c : cases) {
        auto pool = league(c.teams, 18, 16, c.fewest);
        EventSettingsDraft draft;
        draft.load(*pool);
        const SettingRange sizes = draft.range(S::WeekSize);
        EXPECT_EQ(sizes.min, c.min) << c.teams;
        EXPECT_EQ(sizes.max, c.max) << c.teams;
        EXPECT_EQ(draft.value(S::WeekSize), c.opensOn) << c.teams;
        EXPECT_EQ(draft.weekEntry(), c.opensOn - c.fewest) << c.teams;
        EXPECT_TRUE(draft.weekSizeUsable());
    }
}

TEST(EventSettings, WithoutAWeekSizeTheWeeklySettingsHaveNoEntry) {
    auto pool = league(0, 0, 0, 0); // a pool of 0 teams
    pool->minWeekGames = 3;
    EventSettingsDraft draft;
    draft.load(*pool);
    EXPECT_FALSE(draft.weekSizeUsable());
    EXPECT_TRUE(draft.range(S::GoodWeekPoints).empty());
    draft.set(S::GoodWeekPoints, 700); // nothing to set
    draft.set(S::GoodWeekThreshold, 5);
    EXPECT_EQ(draft.value(S::GoodWeekPoints), 0);
    EXPECT_EQ(draft.goodWeekShare(), QString());
    EXPECT_EQ(draft.values().goodWeekPoints, pool->goodWeekPoints);
    EXPECT_EQ(draft.values().goodWeekMinWins, pool->goodWeekMinWins);
}

TEST(EventSettings, EachWeekSizeHasItsOwnThresholdsAndPoints) {
    auto pool = league(32, 18, 16, 12);
    pool->goodWeekMinCp[4] = 90;
    EventSettingsDraft draft;
    draft.load(*pool);
    draft.set(S::WeekSize, 14);
    EXPECT_EQ(draft.weekEntry(), 2);
    draft.set(S::GoodWeekPoints, 700);
    draft.set(S::BadWeekThreshold, 3);
    draft.set(S::PerfectWeekPoints, 0); // a Clear button
    draft.set(S::WeekSize, 16);
    EXPECT_EQ(draft.value(S::GoodWeekPoints), 500);
    EXPECT_EQ(draft.value(S::PerfectWeekPoints), 2000);
    draft.set(S::WeekSize, 99); // kept within the sizes offered
    EXPECT_EQ(draft.value(S::WeekSize), 16);

    const EventSettings& v = draft.values();
    EXPECT_EQ(v.goodWeekPoints[2], 700);
    EXPECT_EQ(v.badWeekMaxWins[2], 3);
    EXPECT_EQ(v.perfectWeekPoints[2], 0);
    EXPECT_EQ(v.goodWeekPoints[4], 500);
    EXPECT_EQ(v.goodWeekMinCp[4], 90);       // a pool without confidence points leaves them alone
    EXPECT_EQ(pool->goodWeekPoints[2], 500); // the shared tables wait for OK
}

TEST(EventSettings, ThresholdsCountConfidencePointsInAConfidencePool) {
    auto pool = league(32, 18, 16, 12);
    pool->confidenceMode = 2;
    pool->goodWeekMinCp[4] = 90;
    EventSettingsDraft draft;
    draft.load(*pool);
    EXPECT_EQ(draft.value(S::GoodWeekThreshold), 90);
    EXPECT_EQ(draft.range(S::GoodWeekThreshold).max, 1000);
    draft.set(S::BadWeekThreshold, 40);
    EXPECT_EQ(draft.values().badWeekMaxCp[4], 40);
    EXPECT_EQ(draft.values().badWeekMaxWins[4], 2);
    EXPECT_EQ(draft.goodWeekShare(), QStringLiteral("136")); // 1 + 2 + ... + 16
    EXPECT_EQ(draft.badWeekShare(), QStringLiteral("0"));
}

TEST(EventSettings, SharesOfTheWeekBesideTheThresholds) {
    struct Case {
        int weekSize, good, bad;
        const char* goodShare;
        const char* badShare;
    };
    const Case cases[] = {
        {16, 10, 2, "62.50%", "12.50%"},
        {15, 10, 2, "66.67%", "13.33%"},
        {0, 0, 0, "0.00%", "0.00%"}, // a week without games
    };
    for (const Case& c : cases) {
        auto pool = league(2 * c.weekSize, 18, c.weekSize, c.weekSize);
        pool->goodWeekMinWins[0] = static_cast<int16_t>(c.good);
        pool->badWeekMaxWins[0] = static_cast<int16_t>(c.bad);
        EventSettingsDraft draft;
        draft.load(*pool);
        ASSERT_EQ(draft.value(S::WeekSize), c.weekSize);
        EXPECT_EQ(draft.goodWeekShare(), QString::fromLatin1(c.goodShare));
        EXPECT_EQ(draft.badWeekShare(), QString::fromLatin1(c.badShare));
    }
}

TEST(EventSettings, TheLastHalfAndQuarterTakeTheWeeksLeftAndGamesStayInTheSeason) {
    auto pool = league(32, 18, 16, 14);
    pool->openDates[5] = 2; // a week of 14 games in the first quarter and half
    EventSettingsDraft draft;
    draft.load(*pool);

    draft.set(S::Half1Weeks, 10);
    draft.set(S::Half2Weeks, 3); // whatever is set, the second half is the rest of the season
    EXPECT_EQ(draft.value(S::Half2Weeks), 8);
    const auto first = draft.half(0);
    const auto second = draft.half(1);
    EXPECT_EQ((std::array{first.weeks, first.startWeek, first.endWeek, first.games}),
              (std::array{10, 1, 10, 10 * 16 - 2 - 2}));
    EXPECT_EQ((std::array{second.weeks, second.startWeek, second.endWeek, second.games}),
              (std::array{8, 11, 18, 8 * 16}));
    EXPECT_EQ(pool->halfLastWeek[1], 17); // the shared tables follow while the window is open

    draft.set(S::Quarter1Weeks, 4);
    draft.set(S::Quarter2Weeks, 5);
    draft.set(S::Quarter3Weeks, 4);
    const auto fourth = draft.quarter(3);
    EXPECT_EQ((std::array{fourth.weeks, fourth.startWeek, fourth.endWeek}), (std::array{5, 14, 18}));
    EXPECT_EQ(draft.quarter(1).startWeek, 5);
    EXPECT_EQ(draft.quarter(2).startWeek, 10);

    // Three quarters longer than the season: the fourth is negative, and no count reaches past it.
    draft.set(S::Quarter1Weeks, 17);
    draft.set(S::Quarter2Weeks, 17);
    draft.set(S::Quarter3Weeks, 17);
    EXPECT_EQ(draft.value(S::Quarter4Weeks), 18 - 51);
    EXPECT_EQ(draft.quarter(2).games, 0);
    EXPECT_EQ(draft.quarter(1).games, 16);
    EXPECT_EQ(draft.quarter(0).games, 17 * 16 - 2 - 2);

    draft.set(S::Half1Weeks, 0);
    EXPECT_EQ(draft.half(0).endWeek, 0); // ends before its first week: no games
    EXPECT_EQ(draft.half(0).games, 0);
    EXPECT_EQ(draft.half(1).weeks, 18);
}

TEST(EventSettings, TheLastPeriodTakesTheWeeksLeftAndOnlyEarlierPeriodsPastTheSeasonAreSpread) {
    struct Case {
        int weeks;
        std::array<int16_t, 2> halves;
        std::array<int16_t, 4> quarters;
        bool halvesSpread;
        bool quartersSpread;
    };
    // From the default lengths, 10 + 8 and 4 + 5 + 4 + 5.
    const Case cases[] = {
        {18, {10, 8}, {4, 5, 4, 5}, false, false}, {17, {10, 7}, {4, 5, 4, 4}, false, false},
        {19, {10, 9}, {4, 5, 4, 6}, false, false}, {13, {10, 3}, {4, 5, 4, 0}, false, false},
        {12, {10, 2}, {3, 3, 3, 3}, false, true},  {10, {10, 0}, {3, 3, 2, 2}, false, true},
        {9, {5, 4}, {3, 2, 2, 2}, true, true},     {4, {2, 2}, {1, 1, 1, 1}, true, true},
        {1, {1, 0}, {1, 0, 0, 0}, true, true},     {0, {0, 0}, {0, 0, 0, 0}, true, true},
    };
    for (const Case& c : cases) {
        std::array<int16_t, 2> halves{10, 8};
        std::array<int16_t, 4> quarters{4, 5, 4, 5};
        EXPECT_EQ(fitPeriodLengths(halves, c.weeks), c.halvesSpread) << c.weeks;
        EXPECT_EQ(fitPeriodLengths(quarters, c.weeks), c.quartersSpread) << c.weeks;
        EXPECT_EQ(halves, c.halves) << c.weeks;
        EXPECT_EQ(quarters, c.quarters) << c.weeks;
    }
    std::array<int16_t, 2> negative{-3, 20}; // a negative length never fits, whatever the sum
    EXPECT_TRUE(fitPeriodLengths(negative, 17));
    EXPECT_EQ(negative, (std::array<int16_t, 2>{9, 8}));
}

TEST(EventSettings, OpeningWithPeriodsThatDoNotFitSavesLengthsThatDo) {
    auto pool = league(32, 4, 16, 15); // the default quarters over a season of 4 weeks
    pool->halfWeeks[0] = 3;            // halves that fit are kept
    pool->halfWeeks[1] = 1;
    EventSettingsDraft draft;
    draft.load(*pool);
    EXPECT_EQ(draft.values().halfWeeks[0], 3);
    EXPECT_EQ(draft.values().quarterWeeks, (std::array<int16_t, QuarterEntries>{1, 1, 1, 1, 0}));
    EXPECT_EQ(draft.quarter(3).endWeek, 4);
    EXPECT_EQ(draft.fittedPeriodsNote(),
              QStringLiteral("The stored lengths of the quarters did not fit the season of 4 weeks; they are "
                             "shown spread over the season and OK stores them."));

    pool->numWeeks = 1; // the whole season fits the first half's control
    draft.load(*pool);
    EXPECT_EQ(draft.range(S::Half1Weeks).max, 1);
    EXPECT_EQ(draft.value(S::Half1Weeks), 1);
}

TEST(EventSettings, OpeningFitsTheLastPeriodsToTheSeasonAndRestoringPutsThePeriodsBack) {
    auto pool = league(32, 17, 16, 15); // default lengths 10 + 8 and 4 + 5 + 4 + 5 over 17 weeks
    const auto before = std::make_unique<PoolData>(*pool);
    EventSettingsDraft draft;
    draft.load(*pool);
    EXPECT_EQ(draft.values().halfWeeks[1], 7);
    EXPECT_EQ(draft.values().quarterWeeks[3], 4);
    draft.set(S::Quarter1Weeks, 2);
    EXPECT_EQ(pool->quarterLastWeek[0], 1);
    draft.restorePeriods();
    EXPECT_EQ(pool->quarterFirstWeek, before->quarterFirstWeek);
    EXPECT_EQ(pool->quarterLastWeek, before->quarterLastWeek);
    EXPECT_EQ(pool->halfFirstWeek, before->halfFirstWeek);
    EXPECT_EQ(pool->halfLastWeek, before->halfLastWeek);
    EXPECT_EQ(pool->quarterWeeks, before->quarterWeeks);
}

TEST(EventSettings, RangesAndSteps) {
    auto pool = league(32, 18, 16, 12);
    EventSettingsDraft draft;
    draft.load(*pool);
    struct Case {
        S setting;
        int min, max;
    };
    const Case cases[] = {
        {S::GoodWeekThreshold, 0, 16},     {S::BadWeekThreshold, 0, 16}, {S::GoodWeekPoints, 0, 100000},
        {S::Quarter2Weeks, 0, 17},         {S::Half1Weeks, 0, 17},       {S::SeasonGbPoints, 0, 100000},
        {S::DivWinner3Points, 0, 100},     {S::WildCard2Points, 0, 100}, {S::WildCardAsDivPoints, 0, 100},
        {S::MondayNightPoints, 0, 100000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(draft.range(c.setting).min, c.min) << static_cast<int>(c.setting);
        EXPECT_EQ(draft.range(c.setting).max, c.max) << static_cast<int>(c.setting);
    }
    draft.setPointsIncrement(100);
    EXPECT_EQ(draft.step(S::GoodWeekPoints), 100);
    EXPECT_EQ(draft.step(S::BadWeekPoints), 100);
    EXPECT_EQ(draft.step(S::PerfectWeekPoints), 100);
    EXPECT_EQ(draft.step(S::QuarterPoints), 1);
    EXPECT_EQ(draft.step(S::GoodWeekThreshold), 1);
}

TEST(EventSettings, AStoredValueOutsideItsRangeIsKeptUntilItIsSet) {
    auto pool = league(32, 18, 16, 12);
    pool->divWinnerPoints[2] = 40000;
    pool->seasonPoints = -5;
    pool->goodWeekMinWins[4] = 30;
    EventSettingsDraft draft;
    draft.load(*pool);
    EXPECT_EQ(draft.value(S::DivWinner3Points), 40000);
    EXPECT_EQ(draft.value(S::SeasonPoints), -5);
    EXPECT_EQ(draft.value(S::GoodWeekThreshold), 30);
    EXPECT_EQ(draft.values().divWinnerPoints[2], 40000);
    draft.set(S::DivWinner3Points, 99);
    draft.set(S::SeasonPoints, 250000);
    EXPECT_EQ(draft.value(S::DivWinner3Points), 99);
    EXPECT_EQ(draft.value(S::SeasonPoints), 100000);
}

} // namespace
} // namespace vek
