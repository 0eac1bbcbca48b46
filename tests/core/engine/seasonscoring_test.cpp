// The season scoring driver, and the invariants of a whole scored season.
#include "engine/seasonscoring.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vek {
namespace {

using test::makeScoringPool;

WeekStanding& rec(PoolData& p, int week, int member) {
    return p.weekStandings[static_cast<std::size_t>(week)][static_cast<std::size_t>(member)];
}

/// Fills the rows and balances that a season run may clear with values it never produces.
void scribble(PoolData& p) {
    for (auto& week : p.weekStandings) {
        for (auto& s : week) {
            s.memberIndex = 99;
            s.seasonWins = 77;
            s.eventFlags = eventbit::GoodWeek;
            s.pointsTotal = 12.5;
        }
    }
    for (auto& row : p.ledgerBalance) {
        row.fill(3.25f);
    }
    p.maxOverStreak.fill(7);
    p.eventWinners.fill(9);
}

TEST(ScoreSeason, NoResultsClearsWeekZeroOnly) {
    auto pool = makeScoringPool(3, 4, 2);
    PoolData& p = *pool;
    scribble(p);
    p.currentWeek = -1;
    ScoreSeason(p);
    for (int m = 0; m < 3; ++m) {
        WeekStanding expected;
        expected.memberIndex = static_cast<int16_t>(m);
        EXPECT_EQ(rec(p, 0, m), expected);
        EXPECT_EQ(rec(p, 1, m).seasonWins, 77); // later weeks keep what they held
        for (int c = 0; c < 35; ++c) {
            EXPECT_EQ(p.ledgerBalance[static_cast<std::size_t>(m)][static_cast<std::size_t>(c)], 0.0f);
        }
        EXPECT_EQ(p.ledgerBalance[static_cast<std::size_t>(m)][35], 3.25f);
    }
    EXPECT_EQ(rec(p, 0, 3).memberIndex, 99); // rows past the members are not touched
    EXPECT_EQ(p.ledgerBalance[3][0], 3.25f);
    EXPECT_EQ(p.maxOverStreak[0], 0);
    EXPECT_EQ(p.maxOverStreak[1], 7);
    EXPECT_EQ(p.eventWinners[EvGoodWeek], 9); // no week was scored
}

TEST(ScoreSeason, WeekZeroIsScoredAndWeekOneCleared) {
    auto pool = makeScoringPool(2, 4, 2);
    PoolData& p = *pool;
    scribble(p);
    for (int g = 0; g < 2; ++g) {
        test::PoolBuilder(p).result(0, g, 4).pick(0, g, 0, 4);
    }
    p.currentWeek = 0;
    ScoreSeason(p);
    EXPECT_EQ(rec(p, 0, 0).seasonWins, 2);
    EXPECT_EQ(rec(p, 0, 1).seasonLosses, 2);
    EXPECT_EQ(rec(p, 1, 0).seasonWins, 0);
    EXPECT_EQ(rec(p, 1, 1).memberIndex, 1);
    EXPECT_EQ(rec(p, 2, 0).seasonWins, 77);
    EXPECT_EQ(p.maxOverStreak[0], 1);
    EXPECT_EQ(p.maxOverStreak[1], 0);
    EXPECT_EQ(p.maxOverStreak[2], 7);
    EXPECT_EQ(p.eventWinners[EvGoodWeek], 0);
    EXPECT_EQ(p.eventWinners[35], 9); // never written
}

TEST(ScoreSeason, PeriodsStartAfreshAndKeepTheirFinalValues) {
    auto pool = makeScoringPool(2, 4, 2);
    PoolData& p = *pool;
    test::PoolBuilder(p).periods({2, 2}, {1, 1, 1, 1});
    // Member 1 misses both games of week 0 and then picks as member 0 does.
    for (int w = 0; w < 4; ++w) {
        for (int g = 0; g < 2; ++g) {
            test::PoolBuilder(p).result(w, g, 3).pick(w, g, 0, 3).pick(w, g, 1, w == 0 ? 5 : 3);
        }
    }
    test::PoolBuilder(p).pickDifferences();
    p.currentWeek = 3;
    ScoreSeason(p);

    EXPECT_EQ(rec(p, 1, 0).halfWins[0], 4);
    EXPECT_EQ(rec(p, 2, 0).halfWins[0], 4);
    EXPECT_EQ(rec(p, 2, 0).halfWins[1], 2);
    EXPECT_EQ(rec(p, 3, 0).halfWins[0], 4);
    EXPECT_EQ(rec(p, 3, 0).halfWins[1], 4);
    EXPECT_EQ(rec(p, 3, 1).halfLosses[0], 2);
    EXPECT_EQ(rec(p, 3, 1).halfLosses[1], 0);
    for (int q = 0; q < 4; ++q) {
        EXPECT_EQ(rec(p, 3, 0).quarterWins[static_cast<std::size_t>(q)], 2);
    }
    // Member 1 can no longer catch up in the season, in half 0 or in quarter 0; the half and quarter
    // pairs start clear in the next period, where the two are level.
    EXPECT_EQ(rec(p, 0, 1).elimFlags & (elim::SeasonOut | elim::HalfOut | elim::QuarterOut),
              elim::SeasonOut | elim::HalfOut | elim::QuarterOut);
    EXPECT_EQ(rec(p, 1, 1).elimFlags & (elim::SeasonOut | elim::HalfOut | elim::QuarterOut),
              elim::SeasonOut | elim::HalfOut);
    EXPECT_EQ(rec(p, 2, 1).elimFlags & (elim::SeasonOut | elim::HalfOut | elim::QuarterOut), elim::SeasonOut);
}

TEST(ScoreSeason, FullTablesAndDamagedCountsStayWithinTheTables) {
    auto pool = test::makeRandomPool(11, 30, WeekSlots, GameSlots, 0, 0);
    PoolData& p = *pool;
    ASSERT_EQ(p.currentWeek, 18);
    p.swapStanding.memberIndex = 555; // lies right after the last week of the table
    ScoreSeason(p);
    EXPECT_EQ(p.swapStanding.memberIndex, 555);
    const auto scored = p.weekStandings;
    const auto ledger = p.ledgerBalance;
    int seasonWinners = 0;
    for (int m = 0; m < 30; ++m) {
        seasonWinners += rec(p, 18, m).eventFlags < 0 ? 1 : 0;
    }
    EXPECT_EQ(seasonWinners, p.eventWinners[EvSeason]);
    EXPECT_GT(seasonWinners, 0);

    p.currentWeek = 40; // scored as far as the tables go
    ScoreSeason(p);
    EXPECT_EQ(p.weekStandings, scored);
    EXPECT_EQ(p.ledgerBalance, ledger);

    p.numMembers = 500;
    p.numWeeks = 60;
    p.gamesPerWeek = 90;
    ScoreSeason(p); // nothing to compare: it must simply stay inside the tables
    EXPECT_EQ(rec(p, 0, 120).memberIndex, 120);
}

TEST(ScoreSeason, NoMembersStillScoresEveryWeek) {
    auto pool = makeScoringPool(0, 3, 2);
    scribble(*pool);
    pool->currentWeek = 1;
    ScoreSeason(*pool);
    EXPECT_EQ(pool->maxOverStreak[0], 0);
    EXPECT_EQ(pool->maxOverStreak[2], 0);
    EXPECT_EQ(pool->eventWinners[EvGoodWeek], 0);
    EXPECT_EQ(rec(*pool, 0, 0).memberIndex, 99);
}

struct PoolCase {
    unsigned seed;
    int members;
    int16_t pointsSystem;
    int16_t confidenceMode;
};

class ScoredSeason : public ::testing::TestWithParam<PoolCase> {};

TEST_P(ScoredSeason, LedgerBalancesAndRescoringGivesTheSameTables) {
    const PoolCase c = GetParam();
    auto pool = test::makeRandomPool(c.seed, c.members, 17, 16, c.pointsSystem, c.confidenceMode);
    PoolData& p = *pool;
    ScoreSeason(p);
    const int last = p.currentWeek;

    double moved = 0.0;
    for (int col = 0; col < 14; ++col) {
        double sum = 0.0;
        double magnitude = 0.0;
        for (int m = 0; m < c.members; ++m) {
            const double v = p.ledgerBalance[static_cast<std::size_t>(m)][static_cast<std::size_t>(col)];
            sum += v;
            magnitude += std::abs(v);
            if (c.pointsSystem != 0) {
                EXPECT_GE(v, 0.0) << "nobody pays outside the ledger system";
            }
        }
        moved += magnitude;
        if (c.pointsSystem == 0) {
            EXPECT_NEAR(sum, 0.0, 1e-6 * magnitude + 1e-3) << "column " << col;
        }
        if (c.confidenceMode != 0 && (col == 1 || col == 3 || col == 5)) {
            EXPECT_EQ(magnitude, 0.0) << "column " << col;
        }
    }
    EXPECT_GT(moved, 0.0);
    for (int m = 0; m < c.members; ++m) {
        double sum = 0.0;
        double magnitude = 0.0;
        for (int col = 0; col < 14; ++col) {
            const double v = p.ledgerBalance[static_cast<std::size_t>(m)][static_cast<std::size_t>(col)];
            sum += v;
            magnitude += std::abs(v);
        }
        EXPECT_NEAR(sum, rec(p, last, m).pointsTotal, 1e-6 * magnitude + 1e-3) << "member " << m;
    }

    const auto standings = p.weekStandings;
    const auto ledger = p.ledgerBalance;
    const auto streaks = p.maxOverStreak;
    const auto winners = p.eventWinners;
    ScoreSeason(p);
    EXPECT_EQ(p.weekStandings, standings);
    EXPECT_EQ(p.ledgerBalance, ledger);
    EXPECT_EQ(p.maxOverStreak, streaks);
    EXPECT_EQ(p.eventWinners, winners);
}

INSTANTIATE_TEST_SUITE_P(GeneratedPools, ScoredSeason,
                         ::testing::Values(PoolCase{1, 12, 0, 0}, PoolCase{2, 57, 0, 0},
                                           PoolCase{3, 121, 0, 0}, PoolCase{4, 30, 0, 1},
                                           PoolCase{5, 30, 0, 2}, PoolCase{6, 25, 1, 0},
                                           PoolCase{7, 25, 1, 2}, PoolCase{8, 25, 2, 0},
                                           PoolCase{9, 25, 2, 1}));

} // namespace
} // namespace vek
