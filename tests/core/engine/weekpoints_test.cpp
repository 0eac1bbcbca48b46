// Event points under the three points systems, games-behind points and the ledger.
#include "engine/weekpoints.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

#include <utility>

namespace vek {
namespace {

constexpr int Week = 2; // the season's last week in these pools

class AwardPoints : public ::testing::Test {
protected:
    void makePool(int members) { pool = test::makeScoringPool(members, Week + 1, 4); }
    PoolData& p() { return *pool; }
    WeekStanding& rec(int member, int week = Week) {
        return p().weekStandings[static_cast<std::size_t>(week)][static_cast<std::size_t>(member)];
    }
    float ledger(int member, int column) {
        return p().ledgerBalance[static_cast<std::size_t>(member)][static_cast<std::size_t>(column)];
    }
    void win(std::initializer_list<int> members, int32_t bit, EventColumn column, int week = Week) {
        for (int m : members) {
            rec(m, week).eventFlags |= bit;
            ++p().eventWinners[column];
        }
    }

    std::unique_ptr<PoolData> pool;
};

TEST_F(AwardPoints, ThreeWinnersOfTenUnderEachSystem) {
    for (int16_t system : {0, 1, 2}) {
        SCOPED_TRACE(system);
        makePool(10);
        p().pointsSystem = system;
        p().goodWeekPoints[0] = 500;
        win({1, 4, 7}, eventbit::GoodWeek, EvGoodWeek);
        AwardWeekPoints(p(), Week);

        const double share = system == 0 ? 3500.0 / 3 : system == 1 ? 500.0 / 3 : 500.0;
        for (int m = 0; m < 10; ++m) {
            const bool winner = m == 1 || m == 4 || m == 7;
            const double expected = winner ? share : system == 0 ? -500.0 : 0.0;
            EXPECT_DOUBLE_EQ(rec(m).pointsTotal, expected) << "member " << m;
            EXPECT_EQ(ledger(m, EvGoodWeek), static_cast<float>(expected)) << "member " << m;
        }
    }
}

TEST_F(AwardPoints, NothingMovesWhenEveryMemberOrNobodyWins) {
    makePool(4);
    p().goodWeekPoints[0] = 500;
    p().badWeekPoints[0] = 500;
    p().perfectWeekPoints[0] = 500;
    p().bigGamePoints = 1000;
    p().seasonPoints = 2500;
    p().seasonGbPoints = 100;
    p().maxWins = 10; // nobody is marked as the season's winner, so nobody pays games behind either
    p().totalGamesBehind = 40;
    win({0, 1, 2, 3}, eventbit::GoodWeek, EvGoodWeek); // W = N: each winner receives 0
    AwardWeekPoints(p(), Week);
    for (int m = 0; m < 4; ++m) {
        EXPECT_EQ(rec(m).pointsTotal, 0.0);
        for (int c = 0; c < 14; ++c) {
            EXPECT_EQ(ledger(m, c), 0.0f) << "member " << m << " column " << c;
        }
    }

    makePool(1); // a one-member pool never moves a balance
    p().goodWeekPoints[0] = 500;
    win({0}, eventbit::GoodWeek, EvGoodWeek);
    AwardWeekPoints(p(), Week);
    EXPECT_EQ(rec(0).pointsTotal, 0.0);
}

TEST_F(AwardPoints, SeasonAndGamesBehindAtTheSeasonsEnd) {
    int16_t wins[3] = {100, 97, 95};
    auto setUpSeason = [&](int16_t system, std::initializer_list<int> winners) {
        makePool(3);
        p().pointsSystem = system;
        p().seasonPoints = 2500;
        p().seasonGbPoints = 100;
        p().maxWins = 100;
        for (int m = 0; m < 3; ++m) {
            rec(m).seasonWins = wins[m];
            p().totalGamesBehind += 100 - wins[m];
        }
        win(winners, eventbit::Season, EvSeason);
        AwardWeekPoints(p(), Week);
    };

    setUpSeason(0, {0});
    const float ledgerSystem[3][2] = {{5000, 800}, {-2500, -300}, {-2500, -500}};
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(ledger(m, EvSeason), ledgerSystem[m][0]);
        EXPECT_EQ(ledger(m, EvSeasonGamesBehind), ledgerSystem[m][1]);
        EXPECT_DOUBLE_EQ(rec(m).pointsTotal, ledgerSystem[m][0] + ledgerSystem[m][1]);
    }

    setUpSeason(2, {0});
    EXPECT_EQ(ledger(0, EvSeason), 2500.0f);
    EXPECT_EQ(ledger(0, EvSeasonGamesBehind), 800.0f);
    EXPECT_EQ(rec(1).pointsTotal, 0.0);
    EXPECT_EQ(rec(2).pointsTotal, 0.0);

    wins[1] = 100; // two leaders, 5 games behind in all
    setUpSeason(1, {0, 1});
    for (int m : {0, 1}) {
        EXPECT_EQ(ledger(m, EvSeason), 1250.0f);
        EXPECT_EQ(ledger(m, EvSeasonGamesBehind), 250.0f);
    }
    EXPECT_EQ(rec(2).pointsTotal, 0.0);
}

TEST_F(AwardPoints, ConfidencePoolsMoveNoGamesBehindPoints) {
    for (int16_t system : {0, 1, 2}) {
        makePool(2);
        p().confidenceMode = 1;
        p().pointsSystem = system;
        p().seasonPoints = p().halfPoints = p().quarterPoints = 100;
        p().seasonGbPoints = p().halfGbPoints = p().quarterGbPoints = 10;
        p().maxWins = p().maxHalfWins[0] = p().maxQuarterWins[0] = 5;
        p().totalGamesBehind = p().totalHalfGamesBehind = p().totalQuarterGamesBehind = 5;
        win({0}, eventbit::Season, EvSeason);
        win({0}, eventbit::Half0, EvSemiSeason);
        win({0}, eventbit::Quarter0, EvQuarter);
        AwardWeekPoints(p(), Week);
        EXPECT_GT(ledger(0, EvSeason), 0.0f);
        for (int m = 0; m < 2; ++m) {
            for (int c : {EvSeasonGamesBehind, EvSemiSeasonGamesBehind, EvQuarterGamesBehind}) {
                EXPECT_EQ(ledger(m, c), 0.0f) << "system " << system << " column " << c;
            }
        }
    }
}

TEST_F(AwardPoints, AWeekEndingEveryPeriodAwardsEachEventWithItsOwnWinners) {
    makePool(4);
    // Week 2 ends quarter 3, half 1 and the season.
    test::PoolBuilder(p()).periods({1, 2}, {0, 0, 0, Week + 1});
    p().quarterPoints = p().halfPoints = p().seasonPoints = 1200;
    win({0}, eventbit::Quarter3, EvQuarter);
    win({0, 1}, eventbit::Half1, EvSemiSeason);
    win({0, 1, 2}, eventbit::Season, EvSeason);
    AwardWeekPoints(p(), Week);
    EXPECT_EQ(ledger(0, EvQuarter), 3600.0f);
    EXPECT_EQ(ledger(1, EvQuarter), -1200.0f);
    EXPECT_EQ(ledger(1, EvSemiSeason), 1200.0f);
    EXPECT_EQ(ledger(2, EvSemiSeason), -1200.0f);
    EXPECT_EQ(ledger(2, EvSeason), 400.0f);
    EXPECT_EQ(ledger(3, EvSeason), -1200.0f);
    EXPECT_DOUBLE_EQ(rec(3).pointsTotal, -3600.0);
    EXPECT_DOUBLE_EQ(rec(0).pointsTotal, 3600.0 + 1200.0 + 400.0);
}

TEST_F(AwardPoints, AnEmptyQuarterEndingWithAnotherChargesNobody) {
    makePool(3);
    test::PoolBuilder(p()).periods({Week + 1, 0}, {2, 0, 1, 0}); // quarters 0 and 1 both end in week 1
    p().quarterPoints = 1000;
    p().quarterGbPoints = 10;
    p().maxQuarterWins[0] = 4;
    rec(0, 1).quarterWins[0] = 4;
    rec(1, 1).quarterWins[0] = 2;
    p().totalQuarterGamesBehind = 2 + 4;
    win({0}, eventbit::Quarter0, EvQuarter, 1);
    AwardWeekPoints(p(), 1);
    EXPECT_EQ(ledger(0, EvQuarter), 2000.0f);
    EXPECT_EQ(ledger(1, EvQuarter), -1000.0f);
    EXPECT_EQ(ledger(2, EvQuarter), -1000.0f);
    EXPECT_EQ(ledger(0, EvQuarterGamesBehind), 60.0f);
    EXPECT_EQ(ledger(1, EvQuarterGamesBehind), -20.0f);
    EXPECT_EQ(ledger(2, EvQuarterGamesBehind), -40.0f);
}

TEST_F(AwardPoints, SeasonEndEventsWaitForTheSeasonsLastWeek) {
    makePool(2);
    p().seasonPoints = p().over50Points = p().wildChoicePoints = 500;
    p().mondayNightPoints = p().postSeasonPoints = p().bigGamePoints = 500;
    for (auto [bit, column] : {std::pair{eventbit::Season, EvSeason},
                               {eventbit::Over50, EvOver50},
                               {eventbit::WildChoices, EvWildChoices},
                               {eventbit::MondayNight, EvMondayNight},
                               {eventbit::PostSeason, EvPostSeason},
                               {eventbit::Championship, EvChampionship}}) {
        win({0}, bit, column, 1);
    }
    AwardWeekPoints(p(), 1);
    EXPECT_EQ(rec(0, 1).pointsTotal, 0.0);
    EXPECT_EQ(rec(1, 1).pointsTotal, 0.0);
}

TEST_F(AwardPoints, UnusableSystemsAndWeekSizesMoveNothing) {
    makePool(3);
    p().pointsSystem = 3;
    p().goodWeekPoints[0] = 500;
    win({0}, eventbit::GoodWeek, EvGoodWeek);
    AwardWeekPoints(p(), Week);
    EXPECT_EQ(rec(0).pointsTotal, 0.0);
    EXPECT_EQ(rec(1).pointsTotal, 0.0);

    p().pointsSystem = 0;
    p().goodWeekPoints.fill(500);
    p().goodWeekPoints[8] = 0;
    p().minWeekGames = -20; // 24 games above the fewest: beyond the week-size tables
    AwardWeekPoints(p(), Week);
    EXPECT_EQ(rec(0).pointsTotal, 0.0);
    EXPECT_EQ(rec(1).pointsTotal, 0.0);
}

TEST_F(AwardPoints, LargePointValuesDoNotOverflow) {
    makePool(10);
    p().seasonPoints = 2'000'000'000;
    p().seasonGbPoints = 1'000'000'000;
    p().maxWins = 12;
    p().totalGamesBehind = 9 * 4;
    for (int m = 1; m < 10; ++m) {
        rec(m).seasonWins = 8;
    }
    rec(0).seasonWins = 12;
    win({0}, eventbit::Season, EvSeason);
    AwardWeekPoints(p(), Week);
    EXPECT_DOUBLE_EQ(rec(0).pointsTotal, 9 * 2e9 + 36 * 1e9);
    EXPECT_DOUBLE_EQ(rec(5).pointsTotal, -2e9 - 4e9);
}

} // namespace
} // namespace vek
