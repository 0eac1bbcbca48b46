// Division chart rows: a ranked standings table laid out by division.
#include "engine/divisionchart.h"
#include "engine/teamtallies.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using Fills = std::array<int16_t, ChartDivisions>;

class DivisionChart : public ::testing::Test {
protected:
    std::unique_ptr<PoolData> data = test::newPool();
    PoolData& pool = *data;
    test::PoolBuilder build{pool};

    // The protocol of the member-chart reports: reset the fills, then add every row in order.
    void chart(int16_t mode, int16_t member = 0) {
        for (std::size_t d = 0; d < Divisions; ++d) {
            pool.divisionFill[d] = 0;
        }
        for (int row = 0; row < pool.numTeams; ++row) {
            AddChartTeam(pool, mode, member, static_cast<int16_t>(row));
        }
    }
    std::vector<int> teams(std::size_t division, int rows) const {
        std::vector<int> out;
        for (int r = 0; r < rows; ++r) {
            out.push_back(pool.chartTeam[division][static_cast<std::size_t>(r)]);
        }
        return out;
    }
    // NFC East of 6 teams (0-5), NFC North empty, NFC South 6-9, ..., AFC West 26-27; one member whose
    // picks give 3 and 5 a win each in NFC East and 27 a win over 6.
    void buildPicks() {
        build.league({6, 0, 4, 4, 4, 4, 4, 2}).season(1, 3).members(1);
        build.game(0, 0, 0, 5).pick(0, 0, 0, 5);
        build.game(0, 1, 3, 2).pick(0, 1, 0, 3);
        build.game(0, 2, 27, 6).pick(0, 2, 0, 27);
        CountMemberPredictions(pool);
    }
};

TEST_F(DivisionChart, MemberAndConsensusChartsRankEachDivision) {
    buildPicks();
    SortAllStandings(pool, SortMemberStandings);
    SortAllStandings(pool, SortConsensusStandings);
    for (int16_t mode : {ChartMemberStandings, ChartConsensusStandings}) {
        pool.chartTies[0][0] = 9;
        chart(mode);
        EXPECT_EQ(pool.divisionFill, (Fills{6, 0, 4, 4, 4, 4, 4, 2, 0}));
        // Leaders first; equal wins keep team-code order (3 before 5, then the winless in code order).
        EXPECT_EQ(teams(0, 6), (std::vector<int>{3, 5, 0, 1, 2, 4}));
        EXPECT_EQ(teams(2, 4), (std::vector<int>{6, 7, 8, 9})); // a loss does not move 6 down
        EXPECT_EQ(teams(7, 2), (std::vector<int>{27, 26}));
        EXPECT_EQ(pool.chartWins[0][0], 1);
        EXPECT_EQ(pool.chartLosses[0][2], 1); // team 0
        EXPECT_EQ(pool.chartLosses[2][0], 1); // team 6
        EXPECT_EQ(pool.chartTies[0][0], 0);
    }
}

TEST_F(DivisionChart, UnsortedTableLaysOutInTeamOrder) {
    buildPicks();
    chart(ChartMemberStandings);
    EXPECT_EQ(teams(0, 6), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(teams(7, 2), (std::vector<int>{26, 27}));
}

TEST_F(DivisionChart, LeagueChartCarriesTies) {
    build.league({2, 2, 2, 2, 2, 2, 2, 2});
    for (int t = 0; t < 16; ++t) {
        TeamStanding& s = pool.leagueStandings[static_cast<std::size_t>(t)];
        s = TeamStanding{};
        s.team = static_cast<int16_t>(15 - t);
        s.wins = static_cast<int16_t>(t);
        s.losses = 1;
        s.ties = static_cast<int16_t>(t % 3);
    }
    chart(ChartLeagueStandings);
    EXPECT_EQ(teams(7, 2), (std::vector<int>{15, 14}));
    EXPECT_EQ(pool.chartWins[7][1], 1);
    EXPECT_EQ(pool.chartTies[7][1], 1);
    EXPECT_EQ(pool.chartTies[6][1], 0); // team 12, row 3
    EXPECT_EQ(pool.chartTies[6][0], 2); // team 13, row 2
    EXPECT_EQ(pool.chartLosses[0][0], 1);
}

TEST_F(DivisionChart, RowsAboveTheFillKeepEarlierCharts) {
    buildPicks();
    chart(ChartMemberStandings);
    // A new alignment with two teams in NFC East: rows 2..5 still hold the first chart's teams.
    build.league({2, 4, 4, 4, 4, 4, 4, 2});
    CountMemberPredictions(pool);
    chart(ChartMemberStandings);
    EXPECT_EQ(pool.divisionFill[0], 2);
    EXPECT_EQ(teams(0, 6), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(teams(1, 4), (std::vector<int>{2, 3, 4, 5}));
}

TEST_F(DivisionChart, NothingIsWrittenPastTheChartTables) {
    // Seven teams in NFC East: the seventh has no row; division 1 (empty) must not receive it.
    build.league({7, 0, 4, 4, 4, 4, 4, 4});
    CountMemberPredictions(pool);
    pool.chartTeam[1][0] = 99;
    pool.chartWins[1][0] = 99;
    chart(ChartConsensusStandings);
    EXPECT_EQ(pool.divisionFill[0], 6);
    EXPECT_EQ(teams(0, 6), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(pool.chartTeam[1][0], 99);
    EXPECT_EQ(pool.chartWins[1][0], 99);
    EXPECT_EQ(pool.divisionFill[1], 0);

    // A damaged division range and a team code no slot holds; a fill the caller never reset.
    pool.divisionRec[7].lastTeam = 300;
    pool.consensusStandings[0].team = 200;
    pool.consensusStandings[1].team = -3;
    pool.divisionFill.fill(0);
    AddChartTeam(pool, ChartConsensusStandings, 0, 0);
    AddChartTeam(pool, ChartConsensusStandings, 0, 1);
    pool.divisionFill[2] = -1;
    pool.consensusStandings[2].team = 8;
    AddChartTeam(pool, ChartConsensusStandings, 0, 2);
    EXPECT_EQ(pool.divisionFill, (Fills{0, 0, -1, 0, 0, 0, 0, 0, 0}));

    // Modes, members and rows outside the tables.
    const auto before = pool.chartTeam;
    pool.divisionFill.fill(0);
    AddChartTeam(pool, 3, 0, 0);
    AddChartTeam(pool, ChartMemberStandings, 121, 0);
    AddChartTeam(pool, ChartMemberStandings, -1, 0);
    AddChartTeam(pool, ChartLeagueStandings, 0, 39);
    AddChartTeam(pool, ChartLeagueStandings, 0, -1);
    EXPECT_EQ(pool.chartTeam, before);
    EXPECT_EQ(pool.divisionFill, Fills{});
}

} // namespace
} // namespace vek
