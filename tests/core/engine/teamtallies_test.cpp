// Team records implied by the members' picks, the standings sort and the tally sequence.
#include "session/poolsession.h"
#include "engine/teamtallies.h"
#include "session/teamtallies.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using test::NoPick;
using test::PoolBuilder;

// The default league: 32 teams, four in each division (NFC East 0-3 ... AFC West 28-31), TIE- 32,
// none 33.
constexpr std::array<int, Divisions> FourByEight{4, 4, 4, 4, 4, 4, 4, 4};

TeamStanding record(int team, int wins, int losses) {
    TeamStanding s;
    s.team = static_cast<int16_t>(team);
    s.wins = static_cast<int16_t>(wins);
    s.losses = static_cast<int16_t>(losses);
    return s;
}

class MemberTally : public ::testing::Test {
protected:
    std::unique_ptr<PoolData> data = test::newPool();
    PoolData& pool = *data;
    PoolBuilder build{pool};

    void SetUp() override { build.league(FourByEight).season(2, 4); }
    const TeamStanding& member(int team, int m) const {
        return pool.memberStandings[static_cast<std::size_t>(team)][static_cast<std::size_t>(m)];
    }
    const TeamStanding& consensus(int team) const {
        return pool.consensusStandings[static_cast<std::size_t>(team)];
    }
};

TEST_F(MemberTally, WithoutMembersOnlyTheConsensusIsCleared) {
    pool.consensusStandings[5].wins = 9;
    pool.memberStandings[5][0].wins = 7;
    CountMemberPredictions(pool);
    for (int t = 0; t < 32; ++t) {
        EXPECT_EQ(consensus(t), record(t, 0, 0));
    }
    EXPECT_EQ(pool.memberStandings[5][0].wins, 7);
}

TEST_F(MemberTally, ThreeMembersOnOneGame) {
    // Team 1 visits team 0 (both NFC East); two members pick the visitor, one the home team.
    build.members(3).game(0, 0, 1, 0).pick(0, 0, 0, 1).pick(0, 0, 1, 1).pick(0, 0, 2, 0);
    CountMemberPredictions(pool);

    TeamStanding visitor = record(1, 2, 1);
    visitor.roadWins = 2;
    visitor.roadLosses = 1;
    visitor.inDivWins = 2;
    visitor.inDivLosses = 1;
    visitor.inConfWins = 2;
    visitor.inConfLosses = 1;
    TeamStanding host = record(0, 1, 2);
    host.homeWins = 1;
    host.homeLosses = 2;
    host.inDivWins = 1;
    host.inDivLosses = 2;
    host.inConfWins = 1;
    host.inConfLosses = 2;
    EXPECT_EQ(consensus(1), visitor);
    EXPECT_EQ(consensus(0), host);
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(member(0, m).wins + member(1, m).wins, 1);
        EXPECT_EQ(member(0, m).losses + member(1, m).losses, 1);
    }
    EXPECT_EQ(member(0, 2).homeWins, 1);
    EXPECT_EQ(member(1, 2).roadLosses, 1);
}

TEST_F(MemberTally, NoPickAddsNothingAndTheUniqueFlagIsIgnored) {
    build.members(2).game(0, 0, 1, 0).game(0, 1, 5, 4);
    build.pick(0, 0, 0, 1).pick(0, 1, 0, NoPick);
    build.pick(0, 0, 1, 1).pick(0, 1, 1, 4);
    pool.memberPicks[0][1][1] = static_cast<int16_t>(pool.memberPicks[0][1][1] | UniquePickFlag);
    CountMemberPredictions(pool);

    EXPECT_EQ(member(4, 0), record(4, 0, 0));
    EXPECT_EQ(member(5, 0), record(5, 0, 0));
    EXPECT_EQ(member(4, 1).wins, 1);
    EXPECT_EQ(member(4, 1).homeWins, 1);
    EXPECT_EQ(member(5, 1).losses, 1);
    EXPECT_EQ(consensus(1).wins, 2);
}

TEST_F(MemberTally, WholeSeasonCountsButByesAndByeWeeksDoNot) {
    build.members(1).currentWeek(-1);
    build.game(1, 0, 2, 3).pick(1, 0, 0, 2); // a week without results counts like any other
    // Week 0: one open date; slot 3 holds a bye entry and a stray pick that are never visited.
    build.openDates(0, 1).game(0, 3, 8, 9).pick(0, 3, 0, 8);
    build.game(0, 0, 8, 9).pick(0, 0, 0, 9);
    CountMemberPredictions(pool);
    EXPECT_EQ(member(2, 0).wins, 1);
    EXPECT_EQ(member(8, 0).wins, 0);
    EXPECT_EQ(member(9, 0).wins, 1);

    build.openDates(1, 4); // every slot of week 1 taken by byes
    CountMemberPredictions(pool);
    EXPECT_EQ(member(2, 0).wins, 0);
}

TEST_F(MemberTally, DivisionAndConferenceSplits) {
    build.members(1).season(2, 8);
    for (int d = 0; d < Divisions; ++d) {
        const int first = 4 * d;
        build.game(0, d, first + 1, first).pick(0, d, 0, first + 1); // within division d
    }
    // Week 1, teams not met in week 0.
    build.game(1, 0, 2, 6).pick(1, 0, 0, 2);    // NFC East beats NFC North
    build.game(1, 1, 18, 10).pick(1, 1, 0, 10); // NFC South at home beats AFC East
    build.game(1, 2, 14, 30).pick(1, 2, 0, 14); // NFC West beats AFC West
    CountMemberPredictions(pool);

    for (int d = 0; d < Divisions; ++d) {
        const TeamStanding& winner = member(4 * d + 1, 0);
        const TeamStanding& loser = member(4 * d, 0);
        EXPECT_EQ(winner.inDivWins, 1) << "division " << d;
        EXPECT_EQ(loser.inDivLosses, 1) << "division " << d;
        EXPECT_EQ(winner.inConfWins, 1);
        EXPECT_EQ(winner.outDivWins + winner.outConfWins + loser.outDivLosses + loser.outConfLosses, 0);
    }
    EXPECT_EQ(member(2, 0).outDivWins, 1);
    EXPECT_EQ(member(2, 0).inConfWins, 1);
    EXPECT_EQ(member(6, 0).outDivLosses, 1);
    EXPECT_EQ(member(6, 0).inConfLosses, 1);
    EXPECT_EQ(member(10, 0).outConfWins, 1);
    EXPECT_EQ(member(10, 0).homeWins, 1);
    EXPECT_EQ(member(18, 0).outConfLosses, 1);
    EXPECT_EQ(member(14, 0).outConfWins, 1);
    EXPECT_EQ(member(30, 0).outConfLosses, 1);
    // wins = home + road = in + out of conference, for every team.
    for (int t = 0; t < 32; ++t) {
        const TeamStanding& s = member(t, 0);
        EXPECT_EQ(s.wins, s.homeWins + s.roadWins);
        EXPECT_EQ(s.wins, s.inConfWins + s.outConfWins);
        EXPECT_EQ(s.wins, s.inDivWins + s.outDivWins);
        EXPECT_EQ(s.losses, s.homeLosses + s.roadLosses);
        EXPECT_EQ(s.losses, s.inDivLosses + s.outDivLosses);
    }
}

TEST_F(MemberTally, PickOfNeitherTeamAndEmptySides) {
    build.members(1);
    // A pick naming neither team is a home win of the picked team over the visitor.
    build.game(0, 0, 1, 0).pick(0, 0, 0, 5);
    // An empty home side: the visitor's win counts, the loss goes to the none row, which is never
    // cleared and lies in no division but in the AFC.
    build.game(0, 1, 2, NoPick).pick(0, 1, 0, 2);
    CountMemberPredictions(pool);

    EXPECT_EQ(member(5, 0).wins, 1);
    EXPECT_EQ(member(5, 0).homeWins, 1);
    EXPECT_EQ(member(1, 0).roadLosses, 1);
    EXPECT_EQ(member(0, 0), record(0, 0, 0));
    EXPECT_EQ(member(2, 0).roadWins, 1);
    EXPECT_EQ(member(2, 0).outDivWins, 1);
    EXPECT_EQ(member(2, 0).outConfWins, 1);
    EXPECT_EQ(member(33, 0).homeLosses, 1);

    CountMemberPredictions(pool);
    EXPECT_EQ(member(33, 0).homeLosses, 2);
    EXPECT_EQ(member(2, 0).wins, 1);
}

TEST_F(MemberTally, CodesOutsideTheTeamSlotsAreSkipped) {
    build.members(2).game(0, 0, 1, 0).game(0, 1, 500, 3).game(0, 2, -7, 4).game(0, 3, 6, 7);
    build.pick(0, 0, 0, 200); // a pick no team slot holds
    build.pick(0, 1, 0, 3);   // the home team against a damaged visitor
    build.pick(0, 2, 0, 9);   // a pick of neither team loses nothing to -7
    build.pick(0, 3, 0, 7).pick(0, 3, 1, 6);
    CountMemberPredictions(pool);

    for (int t : {0, 1, 3, 4, 9}) {
        EXPECT_EQ(member(t, 0), record(t, 0, 0)) << "team " << t;
    }
    EXPECT_EQ(member(7, 0).wins, 1);
    EXPECT_EQ(consensus(6).wins, 1);
    EXPECT_EQ(consensus(7).wins, 1);
}

TEST_F(MemberTally, CountsStayWithinTheTablesWhateverTheFileSaid) {
    // Counts a damaged file could hold: every loop stops at the table's bound, and the last member, week
    // and game of the tables are still reached.
    pool.numTeams = 80;
    pool.numMembers = 500;
    pool.numWeeks = 60;
    pool.gamesPerWeek = 40;
    for (auto& week : pool.memberPicks) {
        for (auto& game : week) {
            game.fill(200);
        }
    }
    build.game(18, 18, 5, 6).pick(18, 18, 120, 5);
    CountMemberPredictions(pool);
    EXPECT_EQ(member(38, 120).team, 38);
    EXPECT_EQ(member(5, 120).roadWins, 1);
    EXPECT_EQ(consensus(6).homeLosses, 1);
    SortAllStandings(pool, 0);
    SortAllStandings(pool, 1);
    EXPECT_EQ(pool.consensusStandings[0].team, 5);
}

TEST_F(MemberTally, ConsensusStopsAtTheRecordsLimitInsteadOfWrapping) {
    // Every member picks team 0 in every game of the largest season: 121 x 19 x 19 = 43681 consensus
    // wins, more than a record holds. Each member's own record is far from the limit.
    build.season(WeekSlots, GameSlots).unnamedMembers(MemberSlots);
    for (int w = 0; w < WeekSlots; ++w) {
        for (int g = 0; g < GameSlots; ++g) {
            build.game(w, g, 1 + 2 * (g % 15), 2 + 2 * (g % 15));
        }
        for (int m = 0; m < MemberSlots; ++m) {
            build.pickWholeWeek(w, m, 0);
        }
    }
    CountMemberPredictions(pool);
    EXPECT_EQ(member(0, 120).wins, WeekSlots * GameSlots);
    SortAllStandings(pool, SortConsensusStandings);
    EXPECT_EQ(consensus(0).team, 0);
    EXPECT_EQ(consensus(0).wins, 32767);
    EXPECT_EQ(consensus(0).homeWins, 32767);
}

TEST_F(MemberTally, IsRepeatableAndRestoresTeamOrderAfterASort) {
    build.members(2).game(0, 0, 1, 0).game(0, 1, 3, 2).game(1, 0, 0, 3);
    build.picks(0, 0, {1, 3}).picks(0, 1, {3}).picks(1, 0, {0, 2}).picks(1, 1, {0});
    CountMemberPredictions(pool);
    const auto members = pool.memberStandings;
    const auto sums = pool.consensusStandings;
    SortAllStandings(pool, 0);
    SortAllStandings(pool, 1);
    EXPECT_NE(test::teamOrder(pool.consensusStandings, 4), (std::vector<int>{0, 1, 2, 3}));
    CountMemberPredictions(pool);
    EXPECT_EQ(pool.memberStandings, members);
    EXPECT_EQ(pool.consensusStandings, sums);
}

// ---- Standings sort ---------------------------------------------------------------------------------

class StandingsSort : public ::testing::Test {
protected:
    std::unique_ptr<PoolData> data = test::newPool();
    PoolData& pool = *data;

    void setLeague(std::initializer_list<std::array<int, 3>> rows) {
        pool.numTeams = static_cast<int16_t>(rows.size());
        int t = 0;
        for (const auto& r : rows) {
            auto& s = pool.leagueStandings[static_cast<std::size_t>(t)];
            s = record(t, r[0], r[1]);
            s.ties = static_cast<int16_t>(r[2]);
            ++t;
        }
    }
};

TEST_F(StandingsSort, KeyIsWinsPlusHalfTiesAndLossesDoNotCount) {
    setLeague({{8, 0, 0}, {10, 6, 0}, {8, 7, 1}, {9, 5, 2}, {8, 8, 0}});
    SortAllStandings(pool, 2);
    // 10-6 and 9-5-2 share key 10 and keep their order; 8-7-1 (8.5) passes 8-0; 8-0 and 8-8 stay as they
    // were.
    EXPECT_EQ(test::teamOrder(pool.leagueStandings, 5), (std::vector<int>{1, 3, 2, 0, 4}));
    EXPECT_EQ(pool.leagueStandings[2].ties, 1); // whole rows move

    const auto sorted = pool.leagueStandings;
    SortAllStandings(pool, 2);
    EXPECT_EQ(pool.leagueStandings, sorted);
}

TEST_F(StandingsSort, TinyLeaguesAndOtherModesChangeNothing) {
    setLeague({{1, 0, 0}, {3, 0, 0}});
    pool.consensusStandings = pool.leagueStandings;
    pool.memberStandings[0][0] = pool.leagueStandings[0];
    pool.memberStandings[1][0] = pool.leagueStandings[1];
    const auto league = pool.leagueStandings;
    const auto sums = pool.consensusStandings;
    const auto members = pool.memberStandings;
    for (int16_t mode : {int16_t{-1}, int16_t{3}, int16_t{100}}) {
        SortAllStandings(pool, mode);
    }
    SortAllStandings(pool, 0); // no members
    EXPECT_EQ(pool.leagueStandings, league);
    EXPECT_EQ(pool.consensusStandings, sums);
    EXPECT_EQ(pool.memberStandings, members);

    for (int16_t teams : {int16_t{0}, int16_t{1}}) {
        pool.numTeams = teams;
        SortAllStandings(pool, 2);
        EXPECT_EQ(pool.leagueStandings, league);
    }
}

TEST_F(StandingsSort, EachMemberIsSortedByItselfAndRowsBeyondTheTeamsStay) {
    pool.numTeams = 3;
    pool.numMembers = 2;
    const std::array<std::array<int, 3>, 2> wins{{{1, 2, 3}, {3, 1, 2}}};
    for (std::size_t m = 0; m < 2; ++m) {
        for (std::size_t t = 0; t < 3; ++t) {
            pool.memberStandings[t][m] = record(static_cast<int>(t), wins[m][t], 0);
        }
    }
    pool.memberStandings[3][0] = record(3, 99, 0);
    pool.sortWork[3] = record(3, 77, 0);
    SortAllStandings(pool, 0);
    EXPECT_EQ(test::memberTeamOrder(pool, 0, 3), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(test::memberTeamOrder(pool, 1, 3), (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(pool.memberStandings[0][1].wins, 3);
    EXPECT_EQ(pool.memberStandings[3][0].wins, 99);
    EXPECT_EQ(pool.sortWork[3].wins, 77);
    EXPECT_EQ(test::teamOrder(pool.sortWork, 3), (std::vector<int>{0, 2, 1})); // the last table sorted
}

// ---- The tally sequence ------------------------------------------------------------------------------

TEST(TallySequence, SortModeEndsAtTheLastTableSorted) {
    PoolSession session{DataFolder()};
    PoolData& pool = session.pool();
    PoolBuilder build(pool);
    build.league(FourByEight).season(1, 2).members(1).game(0, 0, 1, 0).game(0, 1, 3, 2);
    build.picks(0, 0, {1, 2}).result(0, 0, 0).result(0, 1, 3);
    pool.leagueStandings[0].wins = 42;

    RecountTeamTallies(session);
    EXPECT_EQ(session.sortMode, 1);
    EXPECT_TRUE(session.teamsRecalculated);
    EXPECT_EQ(pool.leagueStandings[0].wins, 42); // no results yet: the league tally is not run
    EXPECT_EQ(test::memberTeamOrder(pool, 0, 3), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(test::teamOrder(pool.consensusStandings, 3), (std::vector<int>{1, 2, 0}));

    session.teamsRecalculated = false;
    build.currentWeek(0);
    RecountTeamTallies(session);
    EXPECT_EQ(session.sortMode, 2);
    EXPECT_TRUE(session.teamsRecalculated);
    EXPECT_EQ(test::teamOrder(pool.leagueStandings, 4), (std::vector<int>{0, 3, 1, 2}));
}

} // namespace
} // namespace vek
