// The league's standings from the game results.
#include "engine/leaguetally.h"
#include "engine/teamtallies.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using test::NoPick;
using test::PoolBuilder;
using test::Tie;

class LeagueTally : public ::testing::Test {
protected:
    std::unique_ptr<PoolData> data = test::newPool();
    PoolData& pool = *data;
    PoolBuilder build{pool};

    // 32 teams, four per division: NFC East 0-3, NFC North 4-7, ..., AFC East 16-19, AFC West 28-31.
    void SetUp() override { build.league({4, 4, 4, 4, 4, 4, 4, 4}).season(3, 8).currentWeek(0); }
    const TeamStanding& team(int t) const { return pool.leagueStandings[static_cast<std::size_t>(t)]; }
    static TeamStanding blank(int t) {
        TeamStanding s;
        s.team = static_cast<int16_t>(t);
        return s;
    }
};

TEST_F(LeagueTally, WithoutResultsOnlyClears) {
    pool.leagueStandings[3].wins = 5;
    pool.leagueStandings[32].wins = 6;
    build.game(0, 0, 1, 0).result(0, 0, 1).currentWeek(-1);
    CountLeagueResults(pool);
    for (int t = 0; t < 32; ++t) {
        EXPECT_EQ(team(t), blank(t));
    }
    EXPECT_EQ(pool.leagueStandings[32].wins, 6); // rows beyond the teams are never touched
}

TEST_F(LeagueTally, OnlyWeeksUpToTheCurrentOneCount) {
    build.game(0, 0, 1, 0).result(0, 0, 1); // away team wins
    build.game(0, 1, 3, 2).result(0, 1, 2); // home team wins
    build.game(0, 2, 5, 4);                 // no result yet
    build.game(1, 0, 0, 1).result(1, 0, 0); // a later week
    CountLeagueResults(pool);

    EXPECT_EQ(team(1).wins, 1);
    EXPECT_EQ(team(1).roadWins, 1);
    EXPECT_EQ(team(0).losses, 1);
    EXPECT_EQ(team(0).homeLosses, 1);
    EXPECT_EQ(team(2).homeWins, 1);
    EXPECT_EQ(team(3).roadLosses, 1);
    EXPECT_EQ(team(4), blank(4));
    EXPECT_EQ(team(5), blank(5));

    build.currentWeek(1);
    CountLeagueResults(pool);
    EXPECT_EQ(team(0).wins, 1);
    EXPECT_EQ(team(0).roadWins, 1);

    build.openDates(1, 8); // a week of byes only
    CountLeagueResults(pool);
    EXPECT_EQ(team(0).wins, 0);
}

TEST_F(LeagueTally, TiesSplitByDivisionAndConference) {
    build.game(0, 0, 1, 0).result(0, 0, Tie);  // same division
    build.game(0, 1, 6, 20).result(0, 1, Tie); // NFC visitor at an AFC home team
    build.game(0, 2, 9, 13).result(0, 2, Tie); // two NFC divisions
    CountLeagueResults(pool);

    TeamStanding visitor = blank(1);
    visitor.ties = visitor.roadTies = visitor.inDivTies = visitor.inConfTies = 1;
    TeamStanding host = blank(0);
    host.ties = host.homeTies = host.inDivTies = host.inConfTies = 1;
    EXPECT_EQ(team(1), visitor);
    EXPECT_EQ(team(0), host);

    visitor = blank(6);
    visitor.ties = visitor.roadTies = visitor.outDivTies = visitor.outConfTies = 1;
    host = blank(20);
    host.ties = host.homeTies = host.outDivTies = host.outConfTies = 1;
    EXPECT_EQ(team(6), visitor);
    EXPECT_EQ(team(20), host);

    EXPECT_EQ(team(9).outDivTies, 1);
    EXPECT_EQ(team(9).inConfTies, 1);
    EXPECT_EQ(team(13).outDivTies, 1);
    EXPECT_EQ(team(13).inConfTies, 1);
    EXPECT_EQ(team(13).outConfTies, 0);
}

TEST_F(LeagueTally, DecidedGamesWithinEachDivision) {
    for (int d = 0; d < Divisions; ++d) {
        build.game(0, d, 4 * d, 4 * d + 1).result(0, d, 4 * d + 1);
    }
    CountLeagueResults(pool);
    for (int d = 0; d < Divisions; ++d) {
        TeamStanding winner = blank(4 * d + 1);
        winner.wins = winner.homeWins = winner.inDivWins = winner.inConfWins = 1;
        TeamStanding loser = blank(4 * d);
        loser.losses = loser.roadLosses = loser.inDivLosses = loser.inConfLosses = 1;
        EXPECT_EQ(team(4 * d + 1), winner) << "division " << d;
        EXPECT_EQ(team(4 * d), loser) << "division " << d;
    }
}

TEST_F(LeagueTally, SumsBalanceOverAFullWeek) {
    // Sixteen games pairing every team: eight decided and eight ties across divisions and conferences.
    build.season(1, 16).currentWeek(0);
    for (int g = 0; g < 16; ++g) {
        const int away = g;
        const int home = 31 - g;
        build.game(0, g, away, home).result(0, g, g % 2 == 0 ? home : Tie);
    }
    CountLeagueResults(pool);
    int wins = 0, losses = 0, ties = 0;
    for (int t = 0; t < 32; ++t) {
        const TeamStanding& s = team(t);
        wins += s.wins;
        losses += s.losses;
        ties += s.ties;
        EXPECT_EQ(s.wins + s.losses + s.ties, 1);
        for (auto [total, a, b, c, d, e, f] :
             {std::array<int, 7>{s.wins, s.homeWins, s.roadWins, s.inDivWins, s.outDivWins, s.inConfWins,
                                 s.outConfWins},
              std::array<int, 7>{s.losses, s.homeLosses, s.roadLosses, s.inDivLosses, s.outDivLosses,
                                 s.inConfLosses, s.outConfLosses},
              std::array<int, 7>{s.ties, s.homeTies, s.roadTies, s.inDivTies, s.outDivTies, s.inConfTies,
                                 s.outConfTies}}) {
            EXPECT_EQ(total, a + b);
            EXPECT_EQ(total, c + d);
            EXPECT_EQ(total, e + f);
        }
    }
    EXPECT_EQ(wins, 8);
    EXPECT_EQ(losses, 8);
    EXPECT_EQ(ties, 16);
}

TEST_F(LeagueTally, EmptySidesAndResultsOfNeitherTeam) {
    build.game(0, 0, 2, NoPick).result(0, 0, 2); // the loss goes to the none row, never cleared
    build.game(0, 1, 4, 5).result(0, 1, 9);      // schedule changed after the result: not counted
    build.game(0, 2, 300, 6).result(0, 2, 6);    // a damaged visitor: not counted
    build.game(0, 3, 7, -4).result(0, 3, Tie);   // a damaged home team: not counted
    CountLeagueResults(pool);
    EXPECT_EQ(team(2).wins, 1);
    EXPECT_EQ(team(2).roadWins, 1);
    EXPECT_EQ(team(2).outDivWins, 1);  // the none code lies in no division ...
    EXPECT_EQ(team(2).outConfWins, 1); // ... and counts as an AFC team
    EXPECT_EQ(pool.leagueStandings[33].homeLosses, 1);
    for (int t : {4, 5, 6, 7, 9}) {
        EXPECT_EQ(team(t), blank(t)) << "team " << t;
    }
    CountLeagueResults(pool);
    EXPECT_EQ(pool.leagueStandings[33].homeLosses, 2);
}

TEST_F(LeagueTally, IsRepeatableAndRestoresTeamOrderAfterASort) {
    build.game(0, 0, 1, 0).result(0, 0, 1).game(0, 1, 3, 2).result(0, 1, Tie);
    CountLeagueResults(pool);
    const auto counted = pool.leagueStandings;
    SortAllStandings(pool, 2);
    EXPECT_EQ(test::teamOrder(pool.leagueStandings, 4), (std::vector<int>{1, 2, 3, 0}));
    CountLeagueResults(pool);
    EXPECT_EQ(pool.leagueStandings, counted);
}

TEST_F(LeagueTally, CurrentWeekBeyondTheTablesStopsAtTheLastWeek) {
    pool.currentWeek = 400;
    pool.gamesPerWeek = 50;
    build.game(18, 18, 1, 0).result(18, 18, 0);
    CountLeagueResults(pool);
    EXPECT_EQ(team(0).homeWins, 1);
}

} // namespace
} // namespace vek
