// Week scoring: pick tallies, streaks, elimination flags, event winners and the post season.
#include "engine/seasonscoring.h"
#include "engine/weekscoring.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vek {
namespace {

using test::makeScoringPool;
using test::PoolBuilder;

WeekStanding& rec(PoolData& p, int week, int member) {
    return p.weekStandings[static_cast<std::size_t>(week)][static_cast<std::size_t>(member)];
}

void scoreThrough(PoolData& p, int week) {
    p.currentWeek = static_cast<int16_t>(week);
    ScoreSeason(p);
}

/// Results: team 0 wins every game of the week; the member picks it in its first `right` games and
/// team 1 in the others.
void pickRight(PoolData& p, int week, int member, int right) {
    for (int g = 0; g < p.games(week); ++g) {
        PoolBuilder(p).result(week, g, 0).pick(week, g, member, g < right ? 0 : 1);
    }
}

TEST(ScoreWeek, TalliesCorrectWrongUniqueMondayAndConfidencePicks) {
    auto pool = makeScoringPool(3, 2, 4);
    PoolData& p = *pool;
    p.confidenceMode = 2;
    const int none = p.noneCode();
    const int tie = p.tieCode();
    PoolBuilder(p).result(0, 0, 1);
    PoolBuilder(p).result(0, 2, tie); // a tie is a wrong pick for everybody
    PoolBuilder(p).result(0, 3, 7);   // the Monday-night game; game 1 has no result
    const int picks[4][3] = {{1, 2, 2}, {3, none, 3}, {4, none, 4}, {7, 7, 8}};
    for (int g = 0; g < 4; ++g) {
        for (int m = 0; m < 3; ++m) {
            PoolBuilder(p).pick(0, g, m, picks[g][m]);
            p.confidencePoints[0][static_cast<std::size_t>(g)][static_cast<std::size_t>(m)] =
                static_cast<int16_t>(g + 1);
        }
    }
    PoolBuilder(p).pickDifferences();
    scoreThrough(p, 0);

    struct Expect {
        int wins, losses, cp, uniqueWins, uniqueLosses, monday;
    };
    const Expect expected[3] = {{2, 1, 5, 1, 0, 1}, {1, 2, 4, 0, 1, 1}, {0, 3, 0, 0, 1, 0}};
    for (int m = 0; m < 3; ++m) {
        const WeekStanding& s = rec(p, 0, m);
        SCOPED_TRACE(m);
        EXPECT_EQ(s.weekWins, expected[m].wins);
        EXPECT_EQ(s.weekLosses, expected[m].losses);
        EXPECT_EQ(s.seasonWins, expected[m].wins);
        EXPECT_EQ(s.seasonLosses, expected[m].losses);
        EXPECT_EQ(s.halfWins[0], expected[m].wins);
        EXPECT_EQ(s.quarterLosses[0], expected[m].losses);
        EXPECT_EQ(s.weekCp, expected[m].cp);
        EXPECT_EQ(s.seasonCp, expected[m].cp);
        EXPECT_EQ(s.halfCp[0], expected[m].cp);
        EXPECT_EQ(s.quarterCp[0], expected[m].cp);
        EXPECT_EQ(s.uniqueWins, expected[m].uniqueWins);
        EXPECT_EQ(s.uniqueLosses, expected[m].uniqueLosses);
        EXPECT_EQ(s.mondayWins, expected[m].monday);
    }
    EXPECT_EQ(p.maxWins, 2);
    EXPECT_EQ(p.maxCp, 5);
    EXPECT_EQ(p.maxUniqueWins, 1);
    EXPECT_EQ(p.totalGamesBehind, 0 + 1 + 2);
}

TEST(ScoreWeek, PointSpreadsDecideOnlyWhenTheOptionIsTrue) {
    auto pool = makeScoringPool(2, 2, 3);
    PoolData& p = *pool;
    PoolBuilder(p).result(0, 0, 1); // team 1 won outright but team 2 covered
    p.spreadWinner[0][0] = 2;
    PoolBuilder(p).result(0, 1, 3); // a push against the spread
    p.spreadWinner[0][1] = p.tieCode();
    p.spreadWinner[0][2] = 5; // no result entered: the spread winner is not looked at
    for (int m = 0; m < 2; ++m) {
        PoolBuilder(p).pick(0, 0, m, m == 0 ? 1 : 2).pick(0, 1, m, 3).pick(0, 2, m, 5);
    }
    p.usePointSpreads = True16;
    scoreThrough(p, 0);
    EXPECT_EQ(rec(p, 0, 0).weekWins, 0);
    EXPECT_EQ(rec(p, 0, 0).weekLosses, 2);
    EXPECT_EQ(rec(p, 0, 1).weekWins, 1);
    EXPECT_EQ(rec(p, 0, 1).weekLosses, 1);

    p.usePointSpreads = 1; // only -1 is true
    scoreThrough(p, 0);
    EXPECT_EQ(rec(p, 0, 0).weekWins, 2);
    EXPECT_EQ(rec(p, 0, 1).weekWins, 1);
}

TEST(ScoreWeek, OverFiftyStreakNeedsMoreThanHalfOfTheGames) {
    auto pool = makeScoringPool(2, 3, 15);
    PoolData& p = *pool;
    p.openDates[2] = static_cast<int16_t>(-1); // week 2 has 16 games
    pickRight(p, 0, 0, 8);
    pickRight(p, 0, 1, 8);
    pickRight(p, 1, 0, 8); // 8 of 15 continues
    pickRight(p, 1, 1, 7); // 7 of 15 ends
    pickRight(p, 2, 0, 9); // 9 of 16 continues
    pickRight(p, 2, 1, 9);
    scoreThrough(p, 2);
    EXPECT_EQ(rec(p, 1, 0).overStreak, 2);
    EXPECT_EQ(rec(p, 1, 1).overStreak, 0);
    EXPECT_EQ(rec(p, 1, 1).longestOverStreak, 1);
    EXPECT_EQ(p.maxOverStreak[1], 2);
    EXPECT_EQ(rec(p, 2, 0).overStreak, 3);
    EXPECT_EQ(rec(p, 2, 1).overStreak, 1);
    EXPECT_EQ(p.maxOverStreak[2], 3);

    pickRight(p, 2, 0, 8); // 8 of 16 ends it
    scoreThrough(p, 2);
    EXPECT_EQ(rec(p, 2, 0).overStreak, 0);
    EXPECT_EQ(rec(p, 2, 0).longestOverStreak, 2);
}

TEST(ScoreWeek, ContestFlagsComeFromTheDifferencesLeftInThePeriod) {
    auto pool = makeScoringPool(3, 3, 4);
    PoolData& p = *pool;
    // Half 0 reaches past the season's end; quarter 0 ends after week 1.
    PoolBuilder(p).periods({12, 0}, {2, 1, 0, 0});
    pickRight(p, 0, 0, 4);
    pickRight(p, 0, 1, 1);
    PoolBuilder(p).pick(0, 3, 1, 0); // member 1 also has the Monday game right: 2 correct
    pickRight(p, 0, 2, 1);
    auto diff = [&p](int a, int b, int week, int16_t games, int16_t monday) {
        p.pickDiffWeek[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)]
                      [static_cast<std::size_t>(week)] = games;
        p.pickDiffMonday[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)]
                        [static_cast<std::size_t>(week)] = monday;
    };
    diff(0, 1, 1, 1, 0);
    diff(0, 1, 2, 1, 0);
    diff(0, 2, 1, 1, 1);
    diff(0, 2, 2, 1, 0);
    diff(0, 2, 5, 9, 9); // after the season's last week: never counted
    diff(1, 2, 2, 1, 1);
    scoreThrough(p, 0);

    // Season and half: 1 trails 0 by 2 with 2 left (tie); 2 trails 0 by 3 with 2 left (eliminated), so
    // its tie with 1 (1 behind, 1 left) is not marked.
    EXPECT_EQ(rec(p, 0, 0).elimFlags, 0);
    EXPECT_EQ(rec(p, 0, 1).elimFlags, elim::SeasonTie | elim::HalfTie | elim::QuarterOut);
    EXPECT_EQ(rec(p, 0, 2).elimFlags, elim::SeasonOut | elim::HalfOut | elim::QuarterOut | elim::MondayTie);
}

TEST(ScoreWeek, IdenticalPicksGiveTheHigherNumberedMemberTheTieBit) {
    auto pool = makeScoringPool(3, 2, 4);
    PoolData& p = *pool;
    pickRight(p, 0, 0, 4);
    pickRight(p, 0, 1, 3);
    pickRight(p, 0, 2, 3);
    PoolBuilder(p).pickWholeWeek(1, 0, 5).pickWholeWeek(1, 1, 6).pickWholeWeek(1, 2, 6).pickDifferences();
    scoreThrough(p, 0);
    EXPECT_EQ(rec(p, 0, 1).elimFlags & (elim::SeasonTie | elim::SeasonOut), 0);
    EXPECT_EQ(rec(p, 0, 2).elimFlags & (elim::SeasonTie | elim::SeasonOut), elim::SeasonTie);

    // Two identical members alone: the trailer's tally is the leader's, so no bit at all.
    auto pair = makeScoringPool(2, 2, 4);
    pickRight(*pair, 0, 0, 3);
    pickRight(*pair, 0, 1, 3);
    PoolBuilder(*pair).pickDifferences();
    scoreThrough(*pair, 0);
    EXPECT_EQ(rec(*pair, 0, 0).elimFlags, 0);
    EXPECT_EQ(rec(*pair, 0, 1).elimFlags & ~(elim::Over50Tie | elim::Over50Out), 0);
}

TEST(ScoreWeek, WildChoicesFlagsFromTheUniquePicksStillOpen) {
    auto pool = makeScoringPool(4, 3, 1); // week 1's game has no result: the tallies stay as set
    PoolData& p = *pool;
    const int16_t uniqueWins[4] = {5, 3, 3, 0};
    const int16_t uniquePicks[4] = {5, 5, 4, 9};
    for (int m = 0; m < 4; ++m) {
        rec(p, 1, m).uniqueWins = uniqueWins[m];
        p.uniquePicks[static_cast<std::size_t>(m)] = uniquePicks[m];
    }
    rec(p, 1, 3).elimFlags = elim::WildTie | elim::WildOut;
    ScoreWeek(p, 1, 0, 0);
    EXPECT_EQ(p.maxUniqueWins, 5);
    EXPECT_EQ(rec(p, 1, 0).elimFlags & 3, 0);             // the leader
    EXPECT_EQ(rec(p, 1, 1).elimFlags & 3, elim::WildTie); // 2 undecided: can at best tie
    EXPECT_EQ(rec(p, 1, 2).elimFlags & 3, elim::WildOut); // 1 undecided: eliminated
    EXPECT_EQ(rec(p, 1, 3).elimFlags & 3, 0);             // can still pass the leader
}

TEST(ScoreWeek, OverFiftyFlagsFromTheWeeksLeft) {
    auto pool = makeScoringPool(4, 17, 1);
    PoolData& p = *pool;
    for (int m = 0; m < 4; ++m) {
        pickRight(p, 14, m, 1); // everybody's streak goes on in week 14
    }
    const int16_t streakBefore[4] = {0, 3, 2, 4};
    for (int m = 0; m < 4; ++m) {
        rec(p, 14, m).overStreak = streakBefore[m];
        rec(p, 14, m).longestOverStreak = m == 0 ? int16_t{6} : static_cast<int16_t>(streakBefore[m] + 1);
    }
    ScoreWeek(p, 14, 0, 0);
    ASSERT_EQ(p.maxOverStreak[14], 6);
    EXPECT_EQ(rec(p, 14, 0).elimFlags & 12, 0);               // holds the best streak
    EXPECT_EQ(rec(p, 14, 1).elimFlags & 12, elim::Over50Tie); // 4 + 2 weeks left = 6
    EXPECT_EQ(rec(p, 14, 2).elimFlags & 12, elim::Over50Out); // 3 + 2 = 5
    EXPECT_EQ(rec(p, 14, 3).elimFlags & 12, 0);               // 5 + 2 = 7
}

class WeekEvents : public ::testing::Test {
protected:
    // Four members, a 16-game week with two open dates and 13 games the fewest: week-size entry 1.
    void SetUp() override {
        pool = makeScoringPool(4, 3, 16);
        p().openDates[0] = 2;
        p().minWeekGames = 13;
        p().goodWeekPoints[1] = 500;
        p().badWeekPoints[1] = 2000;
        p().perfectWeekPoints[1] = 2000;
    }
    PoolData& p() { return *pool; }
    void score(std::initializer_list<int> right) {
        int m = 0;
        for (int r : right) {
            pickRight(p(), 0, m++, r);
        }
        scoreThrough(p(), 0);
    }
    [[nodiscard]] bool won(int member, int32_t bit) { return (rec(p(), 0, member).eventFlags & bit) != 0; }

    std::unique_ptr<PoolData> pool;
};

TEST_F(WeekEvents, GoodWeekNeedsTheThresholdOfTheWeekSize) {
    p().goodWeekMinWins[1] = 10;
    p().goodWeekMinWins[0] = 0; // the entry of another week size must not be used
    score({9, 9, 4, 3});
    EXPECT_EQ(p().eventWinners[EvGoodWeek], 0);
    EXPECT_FALSE(won(0, eventbit::GoodWeek));

    p().goodWeekMinWins[1] = 9;
    score({9, 9, 4, 3});
    EXPECT_EQ(p().eventWinners[EvGoodWeek], 2);
    EXPECT_TRUE(won(0, eventbit::GoodWeek));
    EXPECT_TRUE(won(1, eventbit::GoodWeek));
    EXPECT_FALSE(won(2, eventbit::GoodWeek));
}

TEST_F(WeekEvents, BadWeekGoesToEveryMemberWithTheFewestCorrectPicks) {
    p().badWeekMaxWins[1] = 3;
    score({9, 2, 4, 2});
    EXPECT_EQ(p().eventWinners[EvBadWeek], 2);
    EXPECT_TRUE(won(1, eventbit::BadWeek));
    EXPECT_TRUE(won(3, eventbit::BadWeek));

    score({9, 5, 4, 5}); // the fewest, 4, is above the limit
    EXPECT_EQ(p().eventWinners[EvBadWeek], 0);
}

TEST_F(WeekEvents, PerfectWeekNeedsEveryGameRightAndAtLeastOneGame) {
    score({14, 13, 14, 0});
    EXPECT_EQ(p().eventWinners[EvPerfectWeek], 2);
    EXPECT_TRUE(won(0, eventbit::PerfectWeek));
    EXPECT_TRUE(won(2, eventbit::PerfectWeek));

    p().openDates[0] = 16; // a week without games
    p().minWeekGames = 0;
    p().perfectWeekPoints[0] = 2000;
    scoreThrough(p(), 0);
    EXPECT_EQ(p().eventWinners[EvPerfectWeek], 0);
}

TEST_F(WeekEvents, EventsWithoutPointsInEntriesZeroToSevenAreNotUsed) {
    p().goodWeekPoints[1] = 0;
    p().goodWeekPoints[8] = 500; // entry 8 does not make the event used
    p().badWeekPoints[1] = 0;
    p().badWeekPoints[0] = -100;
    p().badWeekMaxWins[1] = 3;
    score({9, 2, 4, 2});
    EXPECT_EQ(p().eventWinners[EvGoodWeek], 0);
    EXPECT_EQ(p().eventWinners[EvBadWeek], 0);
}

TEST_F(WeekEvents, ConfidencePoolsDecideGoodAndBadWeekByConfidencePoints) {
    p().confidenceMode = 2;
    p().goodWeekMinCp[1] = 50;
    p().badWeekMaxCp[1] = 10;
    p().badWeekMaxWins[1] = 5;
    for (int g = 0; g < 14; ++g) {
        PoolBuilder(p()).result(0, g, 0);
        for (int m = 0; m < 4; ++m) {
            p().confidencePoints[0][static_cast<std::size_t>(g)][static_cast<std::size_t>(m)] =
                static_cast<int16_t>(14 - g);
            PoolBuilder(p()).pick(0, g, m, 1);
        }
    }
    auto pickRightOn = [this](int member, int first, int last) {
        for (int g = first; g <= last; ++g) {
            PoolBuilder(p()).pick(0, g, member, 0);
        }
    };
    pickRightOn(0, 0, 8);   // 9 right, 90 points
    pickRightOn(1, 4, 13);  // 10 right, 55 points
    pickRightOn(2, 0, 0);   // 1 right, 14 points
    pickRightOn(3, 12, 13); // 2 right, 3 points
    scoreThrough(p(), 0);
    EXPECT_EQ(rec(p(), 0, 0).weekCp, 90);
    EXPECT_EQ(rec(p(), 0, 3).weekCp, 3);
    EXPECT_TRUE(won(0, eventbit::GoodWeek));
    EXPECT_FALSE(won(1, eventbit::GoodWeek));
    EXPECT_TRUE(won(3, eventbit::BadWeek));
    EXPECT_FALSE(won(2, eventbit::BadWeek));
    EXPECT_EQ(p().eventWinners[EvGoodWeek], 1);
    EXPECT_EQ(p().eventWinners[EvBadWeek], 1);
}

class MondayTiebreak : public ::testing::Test {
protected:
    // Members 2 and 5 share the Good Week; the Monday game ends 20-21.
    void SetUp() override {
        pool = makeScoringPool(8, 2, 4);
        p().goodWeekPoints[0] = 500;
        for (int m = 0; m < 8; ++m) {
            pickRight(p(), 0, m, m == 2 || m == 5 ? 4 : 2);
            p().mondayNightTotal[0][static_cast<std::size_t>(m)] = 60;
        }
        p().gameScore[0][3] = {20, 21};
    }
    PoolData& p() { return *pool; }
    void predict(int member, int total) {
        p().mondayNightTotal[0][static_cast<std::size_t>(member)] = static_cast<int16_t>(total);
    }
    [[nodiscard]] bool keeps(int member) {
        return (rec(p(), 0, member).eventFlags & eventbit::GoodWeek) != 0;
    }

    std::unique_ptr<PoolData> pool;
};

TEST_F(MondayTiebreak, ClosestWithoutGoingOverAmongTheTiedWinners) {
    p().mnTieBreaker = 1;
    predict(2, 40);
    predict(5, 45);
    predict(7, 41); // exact, but member 7 did not win the Good Week
    scoreThrough(p(), 0);
    EXPECT_TRUE(keeps(2));
    EXPECT_FALSE(keeps(5));
    EXPECT_EQ(p().eventWinners[EvGoodWeek], 1);

    predict(7, 38);
    scoreThrough(p(), 0);
    EXPECT_TRUE(keeps(2));
    EXPECT_FALSE(keeps(5));

    predict(2, 43); // both over: the smaller miss wins
    scoreThrough(p(), 0);
    EXPECT_TRUE(keeps(2));
    EXPECT_FALSE(keeps(5));
    EXPECT_EQ(p().eventWinners[EvGoodWeek], 1);
}

TEST_F(MondayTiebreak, ClosestEitherWayKeepsEveryWinnerAtTheBest) {
    p().mnTieBreaker = 2;
    predict(2, 43);
    predict(5, 40);
    scoreThrough(p(), 0);
    EXPECT_FALSE(keeps(2));
    EXPECT_TRUE(keeps(5));

    predict(2, 42);
    scoreThrough(p(), 0);
    EXPECT_TRUE(keeps(2));
    EXPECT_TRUE(keeps(5));
    EXPECT_EQ(p().eventWinners[EvGoodWeek], 2);
}

TEST_F(MondayTiebreak, NoTiebreakerKeepsEveryWinner) {
    p().mnTieBreaker = 0;
    predict(2, 41);
    scoreThrough(p(), 0);
    EXPECT_TRUE(keeps(2));
    EXPECT_TRUE(keeps(5));
    EXPECT_EQ(p().eventWinners[EvGoodWeek], 2);
}

class PostSeasonScoring : public ::testing::Test {
protected:
    // A one-week season with no game results: only the post season is scored.
    void SetUp() override {
        pool = makeScoringPool(3, 1, 1);
        PoolBuilder(p()).defaultEvents();
        const int16_t results[13] = {1, 5, 9, 13, 17, 21, 25, 29, 2, 6, 18, 22, 1};
        std::copy(std::begin(results), std::end(results), p().postSeasonResults.begin());
    }
    PoolData& p() { return *pool; }
    void predict(int member, int slot, int team) {
        p().postSeasonPicks[static_cast<std::size_t>(slot)][static_cast<std::size_t>(member)] =
            static_cast<int16_t>(team);
    }
    std::unique_ptr<PoolData> pool;
};

TEST_F(PostSeasonScoring, DivisionWinnersWildCardsAndCrossBonuses) {
    // Member 0: two NFC division winners, an NFC East pick that became wild card 2, both NFC wild cards
    // in swapped order, the Big Game winner.
    predict(0, 0, 1);
    predict(0, 1, 5);
    predict(0, 2, 6);
    predict(0, 3, 0);
    predict(0, 8, 6);
    predict(0, 9, 2);
    predict(0, 12, 1);
    // Member 1: three AFC division winners; the same team for both NFC wild cards, and for both AFC
    // wild cards a team that won the AFC North.
    predict(1, 8, 2);
    predict(1, 9, 2);
    predict(1, 4, 17);
    predict(1, 5, 21);
    predict(1, 6, 25);
    predict(1, 10, 21);
    predict(1, 11, 21);
    scoreThrough(p(), 0);

    EXPECT_EQ(rec(p(), 0, 0).postSeasonScore, 20 + 5 + 35);
    EXPECT_EQ(rec(p(), 0, 0).bigGameWins, 1);
    EXPECT_EQ(rec(p(), 0, 1).postSeasonScore, 15 + 40 + 7);
    EXPECT_EQ(rec(p(), 0, 1).bigGameWins, 0);
    EXPECT_EQ(rec(p(), 0, 2).postSeasonScore, 0);
    EXPECT_EQ(rec(p(), 0, 1).eventFlags & (eventbit::PostSeason | eventbit::Championship),
              eventbit::PostSeason);
    EXPECT_EQ(rec(p(), 0, 0).eventFlags & (eventbit::PostSeason | eventbit::Championship),
              eventbit::Championship);
    EXPECT_EQ(p().eventWinners[EvPostSeason], 1);
    EXPECT_EQ(p().eventWinners[EvChampionship], 1);
}

TEST_F(PostSeasonScoring, AnEmptyResultIsNobodysHit) {
    p().postSeasonResults.fill(p().noneCode());
    p().postSeasonResults[0] = 1; // only the NFC East is decided
    // Member 0 made no predictions at all; member 1 picked the NFC East winner.
    predict(1, 0, 1);
    scoreThrough(p(), 0);
    EXPECT_EQ(rec(p(), 0, 0).postSeasonScore, 0);
    EXPECT_EQ(rec(p(), 0, 0).bigGameWins, 0);
    EXPECT_EQ(rec(p(), 0, 1).postSeasonScore, 10);
    EXPECT_EQ(p().eventWinners[EvChampionship], 0);
}

TEST(ScoreWeek, SeasonEndEventsOnlyInTheSeasonsLastWeek) {
    auto pool = makeScoringPool(2, 4, 2);
    PoolData& p = *pool;
    PoolBuilder(p).defaultEvents().periods({2, 2}, {1, 1, 1, 1});
    for (int w = 0; w < 4; ++w) {
        pickRight(p, w, 0, 2);
        pickRight(p, w, 1, 1);
    }
    p.goodWeekPoints.fill(0);
    p.badWeekPoints.fill(0);
    p.perfectWeekPoints.fill(0);
    p.postSeasonResults[12] = 3;
    p.postSeasonPicks[12][0] = 3;
    PoolBuilder(p).pickDifferences(); // member 0's pick of each Monday game is unique and right

    scoreThrough(p, 2);
    for (int m = 0; m < 2; ++m) {
        EXPECT_EQ(rec(p, 2, m).postSeasonScore, 0);
        EXPECT_EQ(rec(p, 2, m).bigGameWins, 0);
    }
    EXPECT_EQ(rec(p, 2, 0).eventFlags, eventbit::Quarter2);
    for (int c : {EvSeason, EvOver50, EvWildChoices, EvMondayNight, EvPostSeason, EvChampionship}) {
        EXPECT_EQ(p.eventWinners[static_cast<std::size_t>(c)], 0) << "column " << c;
    }

    // Week 3 ends quarter 3, half 1 and the season: every one of them is marked there.
    scoreThrough(p, 3);
    EXPECT_EQ(rec(p, 3, 0).eventFlags, eventbit::Season | eventbit::Half1 | eventbit::Quarter3 |
                                           eventbit::Over50 | eventbit::WildChoices | eventbit::MondayNight |
                                           eventbit::PostSeason | eventbit::Championship);
    EXPECT_LT(rec(p, 3, 0).eventFlags, 0); // the season winner's flags are negative
    // Member 1 ties the Post Season at 0 points and won no other event.
    EXPECT_EQ(rec(p, 3, 1).eventFlags, eventbit::PostSeason);
    EXPECT_EQ(p.eventWinners[EvSemiSeason], 1);
    EXPECT_EQ(p.eventWinners[EvQuarter], 1);
    EXPECT_EQ(p.eventWinners[EvPostSeason], 2);
    // Week 1 ended half 0 and quarter 1; those bits stay in week 1's records only.
    EXPECT_EQ(rec(p, 1, 0).eventFlags, eventbit::Half0 | eventbit::Quarter1);
}

// The contests settled pair by pair, in pair order, exactly as the rules read; the scoring settles each
// member once from what its pairs reported, and must end with the same bits from any starting bits.
void settleByPairs(PoolData& p, int week, int half, int quarter) {
    const auto w = static_cast<std::size_t>(week);
    const auto h = static_cast<std::size_t>(half);
    const auto q = static_cast<std::size_t>(quarter);
    const int members = p.memberCount();
    const int seasonEnd = std::min<int>(p.numWeeks, WeekSlots) - 1;
    int16_t leaders[4] = {0, 0, 0, 0};
    auto tallies = [&](const WeekStanding& s) {
        return std::array<int16_t, 4>{s.seasonWins, s.halfWins[h], s.quarterWins[q], s.mondayWins};
    };
    for (int m = 0; m < members; ++m) {
        const auto t = tallies(p.weekStandings[w][static_cast<std::size_t>(m)]);
        for (int c = 0; c < 4; ++c) {
            leaders[c] = std::max(leaders[c], t[static_cast<std::size_t>(c)]);
        }
    }
    const int ends[4] = {seasonEnd, std::min<int>(p.halfLastWeek[h], seasonEnd),
                         std::min<int>(p.quarterLastWeek[q], seasonEnd), seasonEnd};
    const int16_t bits[4][2] = {{elim::SeasonTie, elim::SeasonOut},
                                {elim::HalfTie, elim::HalfOut},
                                {elim::QuarterTie, elim::QuarterOut},
                                {elim::MondayTie, elim::MondayOut}};
    for (int a = 0; a + 1 < members; ++a) {
        for (int b = a + 1; b < members; ++b) {
            auto& sa = p.weekStandings[w][static_cast<std::size_t>(a)];
            auto& sb = p.weekStandings[w][static_cast<std::size_t>(b)];
            for (int c = 0; c < 4; ++c) {
                int left = 0;
                for (int v = week + 1; v <= ends[c]; ++v) {
                    const auto& table = c == 3 ? p.pickDiffMonday : p.pickDiffWeek;
                    left += table[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)]
                                 [static_cast<std::size_t>(v)];
                }
                const int ta = tallies(sa)[static_cast<std::size_t>(c)];
                const int tb = tallies(sb)[static_cast<std::size_t>(c)];
                WeekStanding& t = ta < tb ? sa : sb;
                const int trailer = std::min(ta, tb);
                const int gap = std::max(ta, tb) - trailer;
                const int16_t tie = bits[c][0];
                const int16_t out = bits[c][1];
                if (left == gap && (t.elimFlags & out) == 0) {
                    t.elimFlags = static_cast<int16_t>(t.elimFlags | tie);
                }
                if (left < gap) {
                    t.elimFlags = static_cast<int16_t>((t.elimFlags | out) & ~tie);
                }
                if (trailer == leaders[c]) {
                    t.elimFlags = static_cast<int16_t>(t.elimFlags & ~tie);
                }
            }
        }
    }
}

TEST(ScoreWeek, ContestFlagsFollowThePairByPairRulesFromAnyStartingBits) {
    constexpr int16_t ContestBits = 0x0FF0;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        const auto roll = [&rng](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(rng);
        };
        const int members = roll(2, 40);
        const int weeks = roll(3, 19);
        const int week = roll(0, weeks - 1);
        auto pool = makeScoringPool(members, weeks, 1); // the week's one game has no result
        PoolData& p = *pool;
        PoolBuilder(p).periods({roll(0, 12), roll(0, 12)}, {roll(0, 6), roll(0, 6), roll(0, 6), roll(0, 6)});
        const int half = roll(0, 1);
        const int quarter = roll(0, 3);
        for (int m = 0; m < members; ++m) {
            WeekStanding& s = rec(p, week, m);
            s.seasonWins = static_cast<int16_t>(roll(0, 8));
            s.halfWins[static_cast<std::size_t>(half)] = static_cast<int16_t>(roll(0, 8));
            s.quarterWins[static_cast<std::size_t>(quarter)] = static_cast<int16_t>(roll(0, 8));
            s.mondayWins = static_cast<int16_t>(roll(0, 3));
            s.elimFlags = static_cast<int16_t>(roll(0, 0x0FFF));
            for (int b = m + 1; b < members; ++b) {
                for (int v = 0; v < WeekSlots; ++v) {
                    p.pickDiffWeek[static_cast<std::size_t>(m)][static_cast<std::size_t>(b)]
                                  [static_cast<std::size_t>(v)] =
                        static_cast<int16_t>(roll(0, 2) == 0 ? roll(0, 3) : 0);
                    p.pickDiffMonday[static_cast<std::size_t>(m)][static_cast<std::size_t>(b)]
                                    [static_cast<std::size_t>(v)] = static_cast<int16_t>(roll(0, 4) == 0);
                }
            }
        }
        auto expected = std::make_unique<PoolData>(p);
        settleByPairs(*expected, week, half, quarter);
        ScoreWeek(p, static_cast<int16_t>(week), static_cast<int16_t>(half), static_cast<int16_t>(quarter));
        for (int m = 0; m < members; ++m) {
            ASSERT_EQ(rec(p, week, m).elimFlags & ContestBits,
                      rec(*expected, week, m).elimFlags & ContestBits)
                << "seed " << seed << " member " << m;
        }
    }
}

} // namespace
} // namespace vek
