// Pick differences between members and unique picks.
#include "engine/pickdifferences.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

#include <chrono>

namespace vek {
namespace {

using test::NoPick;

class PickDifferences : public ::testing::Test {
protected:
    std::unique_ptr<PoolData> data = test::newPool();
    PoolData& pool = *data;
    test::PoolBuilder build{pool};

    // 32 teams; two weeks of three games: week 0 has 1 @ 0, 3 @ 2, 5 @ 4 (the Monday-night game).
    void SetUp() override { build.league({4, 4, 4, 4, 4, 4, 4, 4}).season(2, 3); }
    bool flagged(int w, int g, int m) const {
        return (pool.memberPicks[static_cast<std::size_t>(w)][static_cast<std::size_t>(g)]
                                [static_cast<std::size_t>(m)] &
                UniquePickFlag) != 0;
    }
    int16_t pickAt(int w, int g, int m) const {
        return pool.memberPicks[static_cast<std::size_t>(w)][static_cast<std::size_t>(g)]
                               [static_cast<std::size_t>(m)];
    }
};

TEST_F(PickDifferences, WithoutMembersNothingChanges) {
    pool.pickDiffTotal[0][1] = 5;
    pool.uniquePicks[0] = 4;
    pool.memberPicks[0][0][0] = static_cast<int16_t>(3 | UniquePickFlag);
    CalcPickDifferences(pool);
    EXPECT_EQ(pool.pickDiffTotal[0][1], 5);
    EXPECT_EQ(pool.uniquePicks[0], 4);
    EXPECT_TRUE(flagged(0, 0, 0));
}

TEST_F(PickDifferences, ASingleMemberHasOnlyUniquePicks) {
    build.members(1).picks(0, 0, {1, NoPick, 4});
    CalcPickDifferences(pool);
    EXPECT_EQ(pool.uniquePicks[0], 6); // every game of both weeks, no pick included
    EXPECT_EQ(pool.uniquePicksWeek[0][0], 3);
    EXPECT_EQ(pool.uniquePicksWeek[0][1], 3);
    EXPECT_TRUE(flagged(0, 1, 0));
    EXPECT_EQ(pool.pickDiffTotal[0][0], 0);
}

TEST_F(PickDifferences, ThreeMembersOneDissenter) {
    build.members(3);
    for (int m = 0; m < 3; ++m) {
        build.picks(m, 0, {1, 3, 5}).picks(m, 1, {1, 3, 5});
    }
    build.pick(0, 0, 2, 0); // member 2 alone picks team 0 in week 0's first game
    CalcPickDifferences(pool);

    EXPECT_TRUE(flagged(0, 0, 2));
    EXPECT_FALSE(flagged(0, 0, 0));
    EXPECT_EQ(pool.uniquePicks[2], 1);
    EXPECT_EQ(pool.uniquePicksWeek[2][0], 1);
    EXPECT_EQ(pool.uniquePicks[0], 0);
    for (int a : {0, 1}) {
        const auto ai = static_cast<std::size_t>(a);
        EXPECT_EQ(pool.pickDiffWeek[ai][2][0], 1);
        EXPECT_EQ(pool.pickDiffWeek[2][ai][0], 1);
        EXPECT_EQ(pool.pickDiffTotal[ai][2], 1);
        EXPECT_EQ(pool.pickDiffTotal[2][ai], 1);
        EXPECT_EQ(pool.pickDiffWeek[ai][2][1], 0);
        EXPECT_EQ(pool.pickDiffMonday[ai][2][0], 0); // the first game is not Monday night
    }
    EXPECT_EQ(pool.pickDiffTotal[0][1], 0);
    EXPECT_EQ(pool.pickDiffWeek[0][1][0], 0);
}

TEST_F(PickDifferences, NoPickIsComparedLikeATeam) {
    build.members(4);
    for (int m = 0; m < 4; ++m) {
        build.picks(m, 0, {1, 3, 5});
    }
    build.pick(0, 0, 0, NoPick);                       // alone without a pick: unique, differs from all
    build.pick(0, 1, 1, NoPick).pick(0, 1, 2, NoPick); // two without a pick agree
    CalcPickDifferences(pool);

    EXPECT_TRUE(flagged(0, 0, 0));
    EXPECT_EQ(pickCode(pickAt(0, 0, 0)), pool.noneCode());
    EXPECT_EQ(pool.pickDiffWeek[0][3][0], 1);
    EXPECT_FALSE(flagged(0, 1, 1));
    EXPECT_EQ(pool.pickDiffWeek[1][2][0], 0);
    EXPECT_EQ(pool.pickDiffWeek[1][3][0], 1);
    // Week 1 holds no picks at all: four members agree on none everywhere.
    EXPECT_EQ(pool.uniquePicksWeek[0][1], 0);
}

TEST_F(PickDifferences, MondayNightIsTheWeeksLastGame) {
    build.members(2).openDates(1, 1); // week 1 has two games, its Monday-night game is slot 1
    build.picks(0, 0, {1, 3, 5}).picks(1, 0, {1, 3, 4});
    build.picks(0, 1, {1, 3}).picks(1, 1, {0, 2});
    build.pick(1, 2, 0, 7); // the bye slot of week 1 is never compared
    CalcPickDifferences(pool);
    EXPECT_EQ(pool.pickDiffMonday[0][1][0], 1);
    EXPECT_EQ(pool.pickDiffMonday[1][0][0], 1);
    EXPECT_EQ(pool.pickDiffWeek[0][1][0], 1);
    EXPECT_EQ(pool.pickDiffMonday[0][1][1], 1);
    EXPECT_EQ(pool.pickDiffWeek[0][1][1], 2);
    EXPECT_EQ(pool.pickDiffTotal[0][1], 3);
    EXPECT_FALSE(flagged(1, 2, 0));
}

TEST_F(PickDifferences, FlagsFollowTheCurrentPicksAndCodesStay) {
    build.members(2).picks(0, 0, {1, 3, 5}).picks(1, 0, {0, 3, 5});
    CalcPickDifferences(pool);
    EXPECT_TRUE(flagged(0, 0, 0));
    EXPECT_TRUE(flagged(0, 0, 1));

    build.pick(0, 0, 1, 1); // member 1 now agrees: the old flag of member 0 goes
    pool.memberPicks[0][0][1] = static_cast<int16_t>(pool.memberPicks[0][0][1] | UniquePickFlag);
    CalcPickDifferences(pool);
    EXPECT_FALSE(flagged(0, 0, 0));
    EXPECT_FALSE(flagged(0, 0, 1));
    EXPECT_EQ(pickAt(0, 0, 0), 1);
    EXPECT_EQ(pickAt(0, 0, 1), 1);
    EXPECT_EQ(pool.pickDiffTotal[0][1], 0);
}

TEST_F(PickDifferences, RowsOfFormerMembersKeepTheirCounts) {
    build.members(3).picks(0, 0, {1, 3, 5}).picks(1, 0, {0, 2, 4}).picks(2, 0, {0, 2, 4});
    CalcPickDifferences(pool);
    EXPECT_EQ(pool.pickDiffTotal[0][2], 3);
    EXPECT_EQ(pool.uniquePicks[0], 3);
    pool.numMembers = 2;
    build.pick(0, 0, 1, 1);
    CalcPickDifferences(pool);
    EXPECT_EQ(pool.pickDiffTotal[0][1], 2);
    EXPECT_EQ(pool.pickDiffTotal[0][2], 3);
    EXPECT_EQ(pool.pickDiffTotal[2][0], 3);
    EXPECT_EQ(pool.uniquePicks[2], 0);
    EXPECT_EQ(pool.uniquePicks[0], 2);
}

// The largest pool the tables hold, each member picking differently; also counts that a damaged file
// could hold, which stop at the tables' bounds.
TEST_F(PickDifferences, LargestPoolIsQuickAndStaysInTheTables) {
    pool.numMembers = 500;
    pool.numWeeks = 40;
    pool.gamesPerWeek = 25;
    for (std::size_t w = 0; w < WeekSlots; ++w) {
        for (std::size_t g = 0; g < GameSlots; ++g) {
            for (std::size_t m = 0; m < MemberSlots; ++m) {
                pool.memberPicks[w][g][m] = static_cast<int16_t>((m >> ((w + g) % 7)) % 2);
            }
        }
    }
    const auto start = std::chrono::steady_clock::now();
    CalcPickDifferences(pool);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::milliseconds(500));

    int expected = 0;
    for (std::size_t w = 0; w < WeekSlots; ++w) {
        for (std::size_t g = 0; g < GameSlots; ++g) {
            expected += pickCode(pool.memberPicks[w][g][0]) != pickCode(pool.memberPicks[w][g][120]);
        }
    }
    EXPECT_EQ(pool.pickDiffTotal[0][120], expected);
    EXPECT_EQ(pool.pickDiffTotal[120][0], expected);
    EXPECT_EQ(pool.uniquePicks[120], 0);
}

// Both ways of comparing two members' weeks give the same tables: on the largest pool of random picks
// (weeks of 16 to 19 games), with unique-pick flags left from an earlier count, a member without any
// pick, a week of one game and a week of none.
TEST(PickComparisons, GameByGameGivesWhatTheFastestGives) {
    auto fastest = test::makeRandomPool(20240917u, MemberSlots, WeekSlots, GameSlots, 1, 0);
    PoolData& pool = *fastest;
    pool.openDates[1] = GameSlots - 1;
    pool.openDates[2] = GameSlots;
    for (int w = 0; w < WeekSlots; ++w) {
        for (int g = 0; g < GameSlots; ++g) {
            pool.memberPicks[w][g][7] = pool.noneCode();
            for (int m = w % 3; m < MemberSlots; m += 3) {
                pool.memberPicks[w][g][m] = static_cast<int16_t>(pool.memberPicks[w][g][m] | UniquePickFlag);
            }
        }
    }
    auto gameByGame = test::newPool();
    *gameByGame = pool;
    CalcPickDifferences(pool);
    CalcPickDifferences(*gameByGame, PickComparison::GameByGame);

    EXPECT_GT(pool.pickDiffTotal[0][7], 0);
    EXPECT_TRUE(pool.pickDiffWeek == gameByGame->pickDiffWeek);
    EXPECT_TRUE(pool.pickDiffTotal == gameByGame->pickDiffTotal);
    EXPECT_TRUE(pool.pickDiffMonday == gameByGame->pickDiffMonday);
    EXPECT_TRUE(pool.uniquePicks == gameByGame->uniquePicks);
    EXPECT_TRUE(pool.uniquePicksWeek == gameByGame->uniquePicksWeek);
    EXPECT_TRUE(pool.memberPicks == gameByGame->memberPicks);
}

} // namespace
} // namespace vek
