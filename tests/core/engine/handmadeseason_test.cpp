// A small league and season worked out by hand: eight teams in four divisions, two weeks, three
// members. The expected records below were counted on paper, game by game.
#include "session/poolsession.h"
#include "engine/divisionchart.h"
#include "engine/teamtallies.h"
#include "session/teamtallies.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using test::NoPick;
using test::Tie;

// Alignment: NFC East 0,1; NFC North 2,3; NFC South and West empty; AFC East 4,5; AFC North 6,7;
// AFC South and West empty. TIE- is 8, none 9.
void buildSeason(PoolData& pool) {
    test::PoolBuilder build(pool);
    build.league({2, 2, 0, 0, 2, 2, 0, 0}).season(2, 4).members(3);
    // Week 0: every game within a division. Week 1: across divisions and conferences.
    build.game(0, 0, 1, 0).game(0, 1, 3, 2).game(0, 2, 5, 4).game(0, 3, 7, 6);
    build.game(1, 0, 0, 2).game(1, 1, 4, 1).game(1, 2, 3, 6).game(1, 3, 7, 5);
    build.picks(0, 0, {0, 2, 5, 6}).picks(0, 1, {0, 4, 6, 5});
    build.picks(1, 0, {1, 2, 4, NoPick}).picks(1, 1, {2, 1, 3, 5});
    build.picks(2, 0, {0, 3, 5, 6}).picks(2, 1, {0, 4, 6, 7});
    build.result(0, 0, 0).result(0, 1, Tie).result(0, 2, 5).result(0, 3, 6);
    build.result(1, 0, 0).result(1, 1, 4).result(1, 2, Tie).result(1, 3, 5);
    build.currentWeek(1);
}

// team; W L T; home W L T; road W L T; in-division W L T; out-of-division W L T; in-conference W L T;
// out-of-conference W L T.
using R = TeamStanding;

TEST(HandMadeSeason, ConsensusAndLeagueStandings) {
    PoolSession session{DataFolder()};
    PoolData& pool = session.pool();
    buildSeason(pool);
    RecountTeamTallies(session);
    EXPECT_EQ(session.sortMode, 2);

    // Consensus: every (member, game) pick is a win for the picked team and a loss for its opponent.
    // Keys 4, 4, 4, 3, 3, 2, 2, 1: equal keys stay in team-code order.
    const std::vector<R> consensus{
        R{0, 4, 2, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0, 4, 2, 0, 0, 0, 0},
        R{5, 4, 2, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0, 4, 2, 0, 0, 0, 0},
        R{6, 4, 1, 0, 4, 1, 0, 0, 0, 0, 2, 0, 0, 2, 1, 0, 2, 0, 0, 2, 1, 0},
        R{2, 3, 3, 0, 3, 3, 0, 0, 0, 0, 2, 1, 0, 1, 2, 0, 3, 3, 0, 0, 0, 0},
        R{4, 3, 3, 0, 1, 2, 0, 2, 1, 0, 1, 2, 0, 2, 1, 0, 1, 2, 0, 2, 1, 0},
        R{1, 2, 4, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0},
        R{3, 2, 4, 0, 0, 0, 0, 2, 4, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0},
        R{7, 1, 4, 0, 0, 0, 0, 1, 4, 0, 0, 2, 0, 1, 2, 0, 1, 4, 0, 0, 0, 0},
    };
    for (std::size_t r = 0; r < consensus.size(); ++r) {
        EXPECT_EQ(pool.consensusStandings[r], consensus[r]) << "row " << r;
    }

    // League: keys 2, 2, 1.5, 1, 1, 0.5, 0, 0.
    const std::vector<R> league{
        R{0, 2, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 2, 0, 0, 0, 0, 0},
        R{5, 2, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 2, 0, 0, 0, 0, 0},
        R{6, 1, 0, 1, 1, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 1},
        R{3, 0, 0, 2, 0, 0, 0, 0, 0, 2, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1},
        R{4, 1, 1, 0, 0, 1, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0},
        R{2, 0, 1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1, 1, 0, 0, 0},
        R{1, 0, 2, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0},
        R{7, 0, 2, 0, 0, 0, 0, 0, 2, 0, 0, 1, 0, 0, 1, 0, 0, 2, 0, 0, 0, 0},
    };
    for (std::size_t r = 0; r < league.size(); ++r) {
        EXPECT_EQ(pool.leagueStandings[r], league[r]) << "row " << r;
    }

    // Member 1 went 2-0 with teams 1 and 2, 1-1 with 3, 4 and 5; teams 0 (0-2), 6 and 7 (0-1) share
    // key 0 and keep team-code order: losses do not count.
    EXPECT_EQ(test::memberTeamOrder(pool, 1, 8), (std::vector<int>{1, 2, 3, 4, 5, 0, 6, 7}));
    EXPECT_EQ(pool.memberStandings[5][1].losses, 2);
}

TEST(HandMadeSeason, LeagueChartByDivision) {
    PoolSession session{DataFolder()};
    PoolData& pool = session.pool();
    buildSeason(pool);
    RecountTeamTallies(session);

    pool.divisionFill.fill(0);
    for (int row = 0; row < pool.numTeams; ++row) {
        AddChartTeam(pool, ChartLeagueStandings, 0, static_cast<int16_t>(row));
    }
    EXPECT_EQ(pool.divisionFill, (std::array<int16_t, ChartDivisions>{2, 2, 0, 0, 2, 2, 0, 0, 0}));
    // Division leaders first: 0 over 1, 3 (0-0-2) over 2 (0-1-1), 5 over 4, 6 (1-0-1) over 7.
    const std::array<std::array<int, 4>, 8> expected{{
        {0, 2, 0, 0},
        {1, 0, 2, 0},
        {3, 0, 0, 2},
        {2, 0, 1, 1},
        {5, 2, 0, 0},
        {4, 1, 1, 0},
        {6, 1, 0, 1},
        {7, 0, 2, 0},
    }};
    const std::array<std::size_t, 4> divisions{0, 1, 4, 5};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::size_t d = divisions[i / 2];
        const std::size_t r = i % 2;
        EXPECT_EQ(pool.chartTeam[d][r], expected[i][0]) << "division " << d << " row " << r;
        EXPECT_EQ(pool.chartWins[d][r], expected[i][1]);
        EXPECT_EQ(pool.chartLosses[d][r], expected[i][2]);
        EXPECT_EQ(pool.chartTies[d][r], expected[i][3]);
    }
}

} // namespace
} // namespace vek
