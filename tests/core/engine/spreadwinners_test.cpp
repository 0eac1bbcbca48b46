// Winners against the point spread.
#include "engine/spreadwinners.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using test::NoPick;
using test::Tie;

class SpreadWinners : public ::testing::Test {
protected:
    std::unique_ptr<PoolData> data = test::newPool();
    PoolData& pool = *data;
    test::PoolBuilder build{pool};

    // 32 teams (TIE- is 32); week 0 games: 1 @ 0, 3 @ 2, 5 @ 4, 7 @ 6, 9 @ 8, 11 @ 10, 13 @ 12.
    void SetUp() override {
        build.league({4, 4, 4, 4, 4, 4, 4, 4}).season(2, 7).currentWeek(0);
        for (int g = 0; g < 7; ++g) {
            build.game(0, g, 2 * g + 1, 2 * g).game(1, g, 2 * g + 1, 2 * g);
        }
    }
    int16_t winner(int w, int g) const {
        return pool.spreadWinner[static_cast<std::size_t>(w)][static_cast<std::size_t>(g)];
    }
};

TEST_F(SpreadWinners, FavouritesSpreadsAndPushes) {
    build.spread(0, 0, 1, 3.5F).score(0, 0, 20, 17);    // away favoured by 3.5 wins by 3: home covers
    build.spread(0, 1, 2, 3.0F).score(0, 1, 17, 20);    // home favoured by 3 wins by 3: push
    build.spread(0, 2, 4, 2.5F).score(0, 2, 21, 21);    // home favoured by 2.5, tied game: away covers
    build.spread(0, 3, 6, 0.0F).score(0, 3, 10, 10);    // a favourite giving 0 in a tied game: push
    build.spread(0, 4, Tie, 0.0F).score(0, 4, 24, 21);  // an even game won by the visitor
    build.spread(0, 5, Tie, 0.0F).score(0, 5, 14, 14);  // an even game tied: push
    build.spread(0, 6, NoPick, 6.5F).score(0, 6, 3, 7); // no favourite set: the scores alone decide
    CalcSpreadWinners(pool);
    EXPECT_EQ(winner(0, 0), 0);
    EXPECT_EQ(winner(0, 1), pool.tieCode());
    EXPECT_EQ(winner(0, 2), 5);
    EXPECT_EQ(winner(0, 3), pool.tieCode());
    EXPECT_EQ(winner(0, 4), 9);
    EXPECT_EQ(winner(0, 5), pool.tieCode());
    EXPECT_EQ(winner(0, 6), 12);
}

TEST_F(SpreadWinners, OnlyCompletedWeeksAreDecided) {
    build.score(1, 0, 30, 0);
    pool.spreadWinner[1][0] = 77;
    pool.spreadWinner[0][0] = 77;
    build.currentWeek(-1);
    CalcSpreadWinners(pool);
    EXPECT_EQ(winner(0, 0), 77);

    build.currentWeek(0).score(0, 0, 0, 7);
    CalcSpreadWinners(pool);
    EXPECT_EQ(winner(0, 0), 0);
    EXPECT_EQ(winner(1, 0), 77); // results entered for a later week wait for it
}

TEST_F(SpreadWinners, ByeSlotsAndDamagedCodesAreHarmless) {
    build.openDates(0, 1);
    pool.spreadWinner[0][6] = 55;                      // slot 6 now holds a bye: never decided
    build.spread(0, 0, 900, 3.5F).score(0, 0, 10, 12); // a favourite no team holds: an even game
    CalcSpreadWinners(pool);
    EXPECT_EQ(winner(0, 6), 55);
    EXPECT_EQ(winner(0, 0), 0);

    // Counts beyond the tables stop at the last week and game.
    pool.currentWeek = 300;
    pool.gamesPerWeek = 40;
    build.game(18, 18, 21, 20).score(18, 18, 3, 0);
    CalcSpreadWinners(pool);
    EXPECT_EQ(winner(18, 18), 21);
}

} // namespace
} // namespace vek
