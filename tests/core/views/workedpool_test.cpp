// The figures of every view over the pool worked out by hand (see workedpool.h): the standings rows of a
// week and of each period, the side panels, the ledger under each points system with and without
// confidence points, the team ratings, a member's per-team success, the charts and statistics, and the
// chosen-by-N percentages.
#include "views/workedpool.h"

#include "engine/differencesleft.h"
#include "session/poolsession.h"
#include "views/figuretexts.h"
#include "views/ratingfigures.h"
#include "views/scoutingfigures.h"
#include "views/standingsfigures.h"
#include "views/teamfigures.h"
#include "views/viewdata.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using test::Ann;
using test::Bob;
using test::Cy;

class WorkedPool : public ::testing::Test {
protected:
    void build(int16_t confidenceMode = 0, int16_t pointsSystem = 0) {
        test::buildWorkedPool(pool(), confidenceMode, pointsSystem);
    }
    PoolData& pool() { return session.pool(); }

    PoolSession session{DataFolder()};
};

TEST_F(WorkedPool, StandingsRowsOfTheLastWeekWithResults) {
    build();
    scoreSortedStandings(session);
    const PoolData& p = pool();
    // Season after week 3: Ann 4-2, Bob 4-2 (Ann first: equal keys keep member order), Cy 1-5.
    const WeekPeriods periods = periodsOfWeek(p, 2);
    EXPECT_EQ(periods, (WeekPeriods{2, 1}));
    const WeekLeaders lead = leadersOfWeek(p, 2, periods);
    EXPECT_EQ(lead.seasonWins, 4);
    EXPECT_EQ(lead.halfWins, 2);
    EXPECT_EQ(lead.quarterWins, 2);
    EXPECT_EQ(lead.uniqueWins, 1);
    EXPECT_EQ(lead.mondayWins, 3);
    // Games behind: season (0 + 0 + 3) x 3, half (1 + 0 + 2) x 2, quarter (1 + 0 + 2) x 1.
    EXPECT_EQ(gamesBehindTotals(p, 2, periods, lead), (GamesBehindTotals{9, 6, 3}));
    EXPECT_EQ(columnSums(p, 2, periods), (ColumnSums{9, 9, 3, 3, 3, 3, 3, 3}));

    struct Line {
        int member;
        PeriodTally season;
        int seasonBehind;
        const char* seasonMark;
        PeriodTally quarter;
        const char* quarterMark;
        PeriodTally half;
        const char* halfMark;
        int weekWins;
        const char* balance;
        int sign;
    };
    // Quarter 3 is over at week 3: Ann, one behind, and Cy are out of it. Cy cannot reach 4 season
    // wins with one week left, nor Bob's 2 in the second half.
    const Line lines[] = {
        {Ann, {4, 2, 0}, 0, " ", {1, 1, 0}, "E", {1, 1, 0}, " ", 1, "68", 1},
        {Bob, {4, 2, 0}, 0, " ", {2, 0, 0}, " ", {2, 0, 0}, " ", 2, "1", 1},
        {Cy, {1, 5, 0}, 3, "E", {0, 2, 0}, "E", {0, 2, 0}, "E", 0, "-68", -1},
    };
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        const Line& e = lines[row];
        const StandingsLine q = standingsLine(p, 2, row, periods, PeriodKind::Quarter, lead);
        const StandingsLine h = standingsLine(p, 2, row, periods, PeriodKind::Half, lead);
        EXPECT_EQ(q.member, e.member);
        EXPECT_EQ(q.season, e.season);
        EXPECT_EQ(q.seasonBehind, e.seasonBehind);
        EXPECT_EQ(contestMark(q.seasonStatus), QString::fromLatin1(e.seasonMark));
        EXPECT_EQ(q.period, e.quarter);
        EXPECT_EQ(contestMark(q.periodStatus), QString::fromLatin1(e.quarterMark));
        EXPECT_EQ(h.period, e.half);
        EXPECT_EQ(contestMark(h.periodStatus), QString::fromLatin1(e.halfMark));
        EXPECT_EQ(q.weekWins, e.weekWins);
        EXPECT_EQ(balanceText(q.balance), QString::fromLatin1(e.balance));
        EXPECT_EQ(balanceSign(q.balance), e.sign);
    }
    // Bob won the Good Week and the third quarter in week 3.
    const StandingsLine bob = standingsLine(p, 2, 1, periods, PeriodKind::Quarter, lead);
    EXPECT_TRUE(bob.wonAnyEvent && bob.wonWeekEvent && bob.wonPeriod);
    EXPECT_FALSE(bob.wonSeason);
    EXPECT_FALSE(standingsLine(p, 2, 1, periods, PeriodKind::Half, lead).wonPeriod);
    EXPECT_FALSE(standingsLine(p, 2, 0, periods, PeriodKind::Quarter, lead).wonAnyEvent);
}

TEST_F(WorkedPool, StandingsRowsOfEarlierWeeksAndPeriods) {
    build();
    scoreSortedStandings(session);
    const PoolData& p = pool();

    // Week 2 closes the first half and the second quarter.
    const WeekPeriods periods = periodsOfWeek(p, 1);
    EXPECT_EQ(periods, (WeekPeriods{1, 0}));
    EXPECT_EQ(periodCaption(p, 1, PeriodKind::Half), QStringLiteral("End 1st Half"));
    EXPECT_EQ(periodCaption(p, 1, PeriodKind::Quarter), QStringLiteral("End 2nd Quarter"));
    const WeekLeaders lead = leadersOfWeek(p, 1, periods);
    EXPECT_EQ(lead.seasonWins, 3);
    EXPECT_EQ(lead.halfWins, 3);
    EXPECT_EQ(lead.quarterWins, 1);
    // Half: Ann 3, Bob 2, Cy 1 -> (0 + 1 + 2) x 2; quarter: 1, 1, 0 -> 1 x 1; season (0 + 1 + 2) x 3.
    EXPECT_EQ(gamesBehindTotals(p, 1, periods, lead), (GamesBehindTotals{9, 6, 1}));
    EXPECT_EQ(columnSums(p, 1, periods), (ColumnSums{6, 6, 6, 6, 2, 4, 2, 4}));
    const StandingsLine ann = standingsLine(p, 1, 0, periods, PeriodKind::Half, lead);
    EXPECT_EQ(ann.member, Ann);
    EXPECT_EQ(ann.period, (PeriodTally{3, 1, 0}));
    EXPECT_TRUE(ann.wonPeriod); // the first half
    const StandingsLine bob = standingsLine(p, 1, 1, periods, PeriodKind::Quarter, lead);
    EXPECT_EQ(bob.member, Bob);
    EXPECT_TRUE(bob.wonPeriod); // the second quarter, shared with Ann
    EXPECT_EQ(bob.periodBehind, 0);

    // Week 1: Ann 2-0 leads Bob and Cy at 1-1, who keep member order.
    const WeekLeaders first = leadersOfWeek(p, 0, periodsOfWeek(p, 0));
    EXPECT_EQ(first.seasonWins, 2);
    EXPECT_EQ(standingsLine(p, 0, 1, {}, PeriodKind::Quarter, first).member, Bob);
    EXPECT_EQ(standingsLine(p, 0, 2, {}, PeriodKind::Quarter, first).member, Cy);
    EXPECT_EQ(winRatioText(2, 0), QStringLiteral("1.000"));
}

TEST_F(WorkedPool, ConfidencePointsOrderAndLeadByPoints) {
    build(2);
    scoreSortedStandings(session);
    const PoolData& p = pool();
    const WeekPeriods periods = periodsOfWeek(p, 2);
    const WeekLeaders lead = leadersOfWeek(p, 2, periods);
    // Season points: Ann 3 + 2 + 2, Bob 2 + 1 + 3, Cy 2; the third quarter's: Ann 2, Bob 3, Cy 0.
    EXPECT_EQ(lead.seasonCp, 7);
    EXPECT_EQ(lead.quarterCp, 3);
    EXPECT_EQ(lead.halfCp, 3);
    EXPECT_EQ(lead.seasonWins, 4); // games behind stay by wins
    const StandingsLine top = standingsLine(p, 2, 0, periods, PeriodKind::Quarter, lead);
    EXPECT_EQ(top.member, Ann);
    EXPECT_EQ(top.season, (PeriodTally{4, 2, 7}));
    EXPECT_EQ(top.weekCp, 2);
    const StandingsLine second = standingsLine(p, 2, 1, periods, PeriodKind::Quarter, lead);
    EXPECT_EQ(second.member, Bob);
    EXPECT_EQ(second.period, (PeriodTally{2, 0, 3}));
}

TEST_F(WorkedPool, SidePanelsAndDifferencesAhead) {
    build();
    scoreSortedStandings(session);
    const PoolData& p = pool();

    // Unique picks of the season: Ann 2, Bob 4, Cy 4 (Cy's missing pick is one); decided so far: Ann 0-1,
    // Bob 1-2, Cy 0-4.
    // Ann can at best tie Bob's one right unique pick with her last one.
    EXPECT_EQ(wildChoicesFigures(p, 2, Ann), (WildChoicesFigures{0, 1, 1, {true, false}, 1, false}));
    EXPECT_EQ(wildChoicesFigures(p, 2, Bob), (WildChoicesFigures{1, 2, 1, {}, 1, false}));
    EXPECT_EQ(wildChoicesFigures(p, 2, Cy), (WildChoicesFigures{0, 4, 0, {false, true}, 1, false}));
    // Monday nights: Ann 2 of 3, Bob 3, Cy 0; one left, in which Ann and Bob differ.
    EXPECT_EQ(mondayNightFigures(p, 2, Ann), (MondayNightFigures{2, 1, {true, false}, 3, false}));
    EXPECT_EQ(mondayNightFigures(p, 2, Bob), (MondayNightFigures{3, 0, {}, 3, false}));
    EXPECT_EQ(mondayNightFigures(p, 2, Cy), (MondayNightFigures{0, 3, {false, true}, 3, false}));
    // Over 50% (both games right): Ann in week 1, Bob in week 3.
    const auto annStreak = overStreakFigures(p, 2, Ann);
    ASSERT_TRUE(annStreak.has_value());
    EXPECT_EQ(annStreak->streak, 0);
    EXPECT_TRUE(annStreak->leads);
    EXPECT_EQ(annStreak->most, 1);
    EXPECT_TRUE(overStreakFigures(p, 2, Bob)->leads);
    EXPECT_FALSE(overStreakFigures(p, 2, Cy)->leads);
    EXPECT_EQ(wildChoicesFigures(p, 2, 3), std::nullopt);

    EXPECT_FALSE(showsPostSeason(p, 2));
    EXPECT_FALSE(showsPostSeason(p, 3)); // the last week, but no post-season points

    // Games picked differently: Ann-Bob 1, 1, 1, 2 by week; Ann-Cy 1, 1, 2, 1.
    const DifferencesLeft diffs(p);
    EXPECT_EQ(differencesAhead(p, diffs, 1, periodsOfWeek(p, 1), Ann, Bob), (DifferencesAhead{3, 0, 0, 1}));
    EXPECT_EQ(differencesAhead(p, diffs, 2, periodsOfWeek(p, 2), Bob, Ann), (DifferencesAhead{2, 2, 0, 2}));
    EXPECT_EQ(differencesAhead(p, diffs, 0, periodsOfWeek(p, 0), Ann, Cy), (DifferencesAhead{4, 1, 0, 1}));
}

TEST_F(WorkedPool, LedgerUnderEachPointsSystem) {
    struct Case {
        int16_t confidence;
        int16_t system;
        // Per member: Semi-Season, its games behind, Quarter, its games behind, Good Week; and the total.
        std::array<std::array<float, 5>, 3> columns;
        std::array<double, 3> totals;
    };
    const Case cases[] = {
        // The ledger: every loser pays the winners, games behind included.
        {0, 0, {{{40, 6, 15, 1.5F, 5}, {-20, -2, 15, 2.5F, 5}, {-20, -4, -30, -4, -10}}}, {67.5, 0.5, -68}},
        // Split credit: the winners share the points and the games-behind pot.
        {0, 1, {{{20, 6, 15, 2.5F, 5}, {0, 0, 15, 3.5F, 5}, {0, 0, 0, 0, 0}}}, {48.5, 23.5, 0}},
        // Full credit: each winner gets it all.
        {0, 2, {{{20, 6, 20, 3, 5}, {0, 0, 20, 4, 5}, {0, 0, 0, 0, 0}}}, {54, 29, 0}},
        // Confidence points decide the events; games behind move nothing.
        {2, 0, {{{40, 0, 30, 0, 5}, {-20, 0, 0, 0, 5}, {-20, 0, -30, 0, -10}}}, {75, -15, -60}},
    };
    const int columns[] = {EvSemiSeason, EvSemiSeasonGamesBehind, EvQuarter, EvQuarterGamesBehind,
                           EvGoodWeek};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "confidence " << c.confidence << " system " << c.system);
        build(c.confidence, c.system);
        scoreSeasonForView(session);
        for (int m = 0; m < 3; ++m) {
            const LedgerLine line = ledgerLine(pool(), m);
            for (int i = 0; i < 5; ++i) {
                EXPECT_FLOAT_EQ(line.balance[columns[i]], c.columns[m][i])
                    << "member " << m << " column " << i;
            }
            EXPECT_EQ(line.balance[EvSeason], 0.0F); // the season is not over
            EXPECT_DOUBLE_EQ(line.total, c.totals[m]) << "member " << m;
        }
    }
}

TEST_F(WorkedPool, TeamRatings) {
    build();
    bringViewDataUpToDate(session);
    // League after week 3: T0 1-0-1, T1 0-2, T2 0-0-1, T3 0-1, T4 1-1, T5 1-0, T6 2-0, T7 0-1. T6 won at
    // home over T4 (strength 2) and on the road over T3 (1 + 1); T0 won on the road over T1 (1 + 1) and
    // tied T2 at home (half of 1.5).
    const RatingTable table = teamRatings(pool());
    const std::vector<TeamRating> ranking{{6, 4.0F}, {0, 2.75F}, {5, 2.0F}, {2, 1.75F},
                                          {4, 1.0F}, {1, 0.0F},  {3, 0.0F}, {7, 0.0F}};
    EXPECT_EQ(table.ranking, ranking);
    EXPECT_EQ(table.nfc, (RatingGroup{4.5F, 4}));
    EXPECT_EQ(table.afc, (RatingGroup{7.0F, 4}));
    EXPECT_EQ(table.league, (RatingGroup{11.5F, 8}));
    EXPECT_EQ(averageText(table.nfc), QStringLiteral("1.13"));
    EXPECT_EQ(averageText(table.afc), QStringLiteral("1.75"));
    EXPECT_EQ(averageText(table.divisions[0]), QStringLiteral("1.38"));
    EXPECT_EQ(averageText(table.divisions[1]), QStringLiteral("0.88"));
    EXPECT_EQ(averageText(table.divisions[2]), QStringLiteral("0.00")); // no teams
    EXPECT_EQ(averageText(table.divisions[4]), QStringLiteral("1.50"));
    EXPECT_EQ(averageText(table.divisions[5]), QStringLiteral("2.00"));
    EXPECT_EQ(averageText(table.league), QStringLiteral("1.44"));
}

TEST_F(WorkedPool, ScoutingSuccessOfAMember) {
    build();
    struct Case {
        int member;
        std::array<PickSuccess, 8> teams;
        PickSuccess nfc;
        PickSuccess afc;
        const char* nfcText;
        const char* afcText;
        int nfcBar;
        int afcBar;
    };
    const Case cases[] = {
        {Ann,
         {{{1, 2}, {2, 2}, {0, 1}, {0, 1}, {2, 2}, {1, 1}, {1, 2}, {1, 1}}},
         {3, 6},
         {5, 6},
         "50.0%",
         "83.3%",
         50,
         83},
        // Bob's right pick of T6 in week 3 is his unique pick: it carries the flag and still counts.
        {Bob,
         {{{0, 2}, {1, 2}, {0, 1}, {1, 1}, {2, 2}, {1, 1}, {2, 2}, {1, 1}}},
         {2, 6},
         {6, 6},
         "33.3%",
         "100.0%",
         33,
         100},
        {Cy,
         {{{1, 2}, {1, 2}, {0, 1}, {0, 1}, {0, 2}, {0, 1}, {0, 2}, {0, 1}}},
         {2, 6},
         {0, 6},
         "33.3%",
         "0.0%",
         33,
         0},
    };
    ASSERT_NE(pool().memberPicks[2][1][Bob] & UniquePickFlag, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.member);
        const ScoutingTallies tallies = scoutingTallies(pool(), c.member);
        ASSERT_EQ(tallies.teams.size(), 8u);
        for (int t = 0; t < 8; ++t) {
            EXPECT_EQ(tallies.teams[static_cast<std::size_t>(t)], c.teams[static_cast<std::size_t>(t)])
                << "team " << t;
        }
        EXPECT_EQ(tallies.nfc, c.nfc);
        EXPECT_EQ(tallies.afc, c.afc);
        EXPECT_EQ(percentText(c.nfc.right, c.nfc.games, 1), QString::fromLatin1(c.nfcText));
        EXPECT_EQ(percentText(c.afc.right, c.afc.games, 1), QString::fromLatin1(c.afcText));
        EXPECT_EQ(percentBar(c.nfc.right, c.nfc.games), c.nfcBar);
        EXPECT_EQ(percentBar(c.afc.right, c.afc.games), c.afcBar);
    }
    EXPECT_EQ(scoutingPlace(pool(), 3), (ScoutingPlace{false, 3}));
    EXPECT_EQ(scoutingPlace(pool(), 5), (ScoutingPlace{true, 1}));
    EXPECT_EQ(conferenceRows(pool(), false), 4);
    EXPECT_EQ(conferenceRows(pool(), true), 4);
}

TEST_F(WorkedPool, ChartsAndStatisticsOfEachSource) {
    build();
    bringViewDataUpToDate(session);
    const PoolData& p = pool();

    // Ann's picks of the whole season: T0 and T3 2-0, T4..T7 1-1, T1 and T2 0-2.
    const auto ann = divisionStandings(p, standingsOfSource(p, Ann));
    const auto teamsOf = [](const std::vector<TeamStanding>& rows) {
        std::vector<std::array<int, 4>> out;
        for (const TeamStanding& r : rows) {
            out.push_back({r.team, r.wins, r.losses, r.ties});
        }
        return out;
    };
    using Rows = std::vector<std::array<int, 4>>;
    EXPECT_EQ(teamsOf(ann[0]), (Rows{{0, 2, 0, 0}, {1, 0, 2, 0}}));
    EXPECT_EQ(teamsOf(ann[1]), (Rows{{3, 2, 0, 0}, {2, 0, 2, 0}}));
    EXPECT_EQ(teamsOf(ann[2]), Rows{});
    EXPECT_EQ(teamsOf(ann[4]), (Rows{{4, 1, 1, 0}, {5, 1, 1, 0}}));
    EXPECT_EQ(teamsOf(ann[5]), (Rows{{6, 1, 1, 0}, {7, 1, 1, 0}}));

    // The league's: T2's tie (0.5) ranks it above T3's loss.
    const int league = p.numMembers + 1;
    const auto vek = divisionStandings(p, standingsOfSource(p, league));
    EXPECT_EQ(teamsOf(vek[0]), (Rows{{0, 1, 0, 1}, {1, 0, 2, 0}}));
    EXPECT_EQ(teamsOf(vek[1]), (Rows{{2, 0, 0, 1}, {3, 0, 1, 0}}));
    EXPECT_EQ(teamsOf(vek[4]), (Rows{{4, 1, 1, 0}, {5, 1, 0, 0}}));
    EXPECT_EQ(teamsOf(vek[5]), (Rows{{6, 2, 0, 0}, {7, 0, 1, 0}}));

    // Home wins T6 and T4; road wins T0, T5 and T6; T0's home tie; both games between the conferences
    // went to the AFC.
    EXPECT_EQ(sourceTotals(p, standingsOfSource(p, league)), (SourceTotals{2, 3, 1, 0, 2, 0}));

    EXPECT_EQ(sourceName(p, Bob), QStringLiteral("Bob"));
    EXPECT_EQ(sourceName(p, 3), QStringLiteral("Consensus"));
    EXPECT_EQ(sourceName(p, 4), QStringLiteral("VEK"));
    EXPECT_EQ(chartTitle(p, Ann).text(), QStringLiteral("Ann (4/5)"));
    // Bob's odds, 5 / 2 - 1, fall just below 1.5 in single precision.
    EXPECT_EQ(chartTitle(p, Bob), (ChartTitle{QStringLiteral("Bob"), QStringLiteral(" (7/5)")}));
    EXPECT_EQ(chartTitle(p, 3), (ChartTitle{QStringLiteral("Consensus"), {}}));
    EXPECT_EQ(chartTitle(p, 4), (ChartTitle{QStringLiteral("VEK Standings"), {}}));
    EXPECT_TRUE(isLeagueSource(p, 4));
    EXPECT_FALSE(isLeagueSource(p, 3));
    EXPECT_TRUE(standingsOfSource(p, 5).empty());
}

TEST_F(WorkedPool, ChartsAndStandingsShowTheSameOdds) {
    build();
    // Picked week by week, the odds computed earlier (or the 0 of a fresh start, "1/9") are not shown.
    const struct {
        int16_t weeklyPicks;
        const char* odds;
    } cases[] = {{0, "4/5"}, {1, "n/a"}};
    for (const auto& c : cases) {
        pool().weeklyPicks = c.weeklyPicks;
        EXPECT_EQ(memberOddsText(pool(), Ann), QString::fromLatin1(c.odds));
        EXPECT_EQ(chartTitle(pool(), Ann).odds, QStringLiteral(" (%1)").arg(QLatin1String(c.odds)));
    }
}

TEST_F(WorkedPool, ChosenByNPercentages) {
    build();
    // Winners picked by 2, 2, 0 (the tie), 2, 2 and 1 members.
    const ChosenCounts counts = chosenCounts(pool());
    EXPECT_EQ(counts.won, (std::vector<int>{1, 1, 4, 0}));
    EXPECT_EQ(counts.lost, (std::vector<int>{0, 4, 1, 1}));
    const auto text = [&](int n) {
        const auto i = static_cast<std::size_t>(n);
        return percentText(counts.won[i], counts.won[i] + counts.lost[i], 2);
    };
    EXPECT_EQ(text(2), QStringLiteral("80.00%"));
    EXPECT_EQ(text(1), QStringLiteral("20.00%"));
    EXPECT_EQ(text(0), QStringLiteral("100.00%"));
    EXPECT_EQ(text(3), QStringLiteral("0.00%"));
}

TEST_F(WorkedPool, GamesWithoutACountedResultCountForNobody) {
    build();
    PoolData& p = pool();
    // A result in week 4, after the last complete week; a week-3 result naming neither team; an
    // empty result.
    p.gameWinner[3][0] = 3;
    p.gameWinner[2][1] = 0;
    p.gameWinner[2][0] = p.noneCode();
    bringViewDataUpToDate(session);

    const ScoutingTallies ann = scoutingTallies(p, Ann);
    EXPECT_EQ(ann.nfc, (PickSuccess{2, 4})); // T0 1/2, T1 1/1, T2 0/1, T3 nothing
    EXPECT_EQ(ann.afc, (PickSuccess{4, 4}));
    EXPECT_EQ(ann.teams[3], PickSuccess{});

    const ChosenCounts counts = chosenCounts(p);
    EXPECT_EQ(counts.won, (std::vector<int>{1, 0, 3, 0}));
    EXPECT_EQ(counts.lost, (std::vector<int>{0, 3, 0, 1}));

    // T6 beat T4 (1-0 less one loss: strength 1) at home; the two games of week 3 rate nobody.
    const RatingTable table = teamRatings(p);
    const std::vector<TeamRating> ranking{{0, 2.75F}, {5, 2.0F}, {2, 1.75F}, {6, 1.0F},
                                          {1, 0.0F},  {3, 0.0F}, {4, 0.0F},  {7, 0.0F}};
    EXPECT_EQ(table.ranking, ranking);

    // A member outside the list has nothing counted.
    const ScoutingTallies nobody = scoutingTallies(p, 3);
    EXPECT_EQ(nobody.nfc, PickSuccess{});
    EXPECT_EQ(nobody.teams.size(), 8u);
}

TEST_F(WorkedPool, EveryViewCountsOnUpToDateSpreadWinnersAndTallies) {
    build();
    PoolData& p = pool();
    p.usePointSpreads = True16;
    // Week 1, game 1: T0 won 24-20 at T1 but gave 7 points; the stored spread winner is from before.
    p.gameScore[0][0] = {24, 20};
    p.favoriteTeam[0][0] = 0;
    p.pointSpread[0][0] = 7.0F;
    p.spreadWinner[0][0] = 0;
    p.leagueStandings[0].wins = 99;
    bringViewDataUpToDate(session);
    EXPECT_EQ(p.spreadWinner[0][0], 1);
    EXPECT_TRUE(session.teamsRecalculated);
    EXPECT_NE(p.leagueStandings[0].wins, 99);

    // Against the spread Bob's pick of T1 is the only right one: every other game, without scores, is
    // a push.
    scoreSortedStandings(session);
    EXPECT_EQ(recordOfMember(p, 2, Ann)->seasonWins, 0);
    EXPECT_EQ(recordOfMember(p, 2, Bob)->seasonWins, 1);

    // Without results nothing is sorted and no week -1 is read.
    p.currentWeek = -1;
    scoreSortedStandings(session);
    EXPECT_EQ(leadersOfWeek(p, 0, {}), WeekLeaders{});
}

} // namespace
} // namespace vek
