// The week standings order.
#include "engine/seasonscoring.h"
#include "engine/weeksort.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vek {
namespace {

WeekStanding& rec(PoolData& p, int row) {
    return p.weekStandings[0][static_cast<std::size_t>(row)];
}

/// Week 0's rows in member order, each record marked with its member's own values.
std::unique_ptr<PoolData> poolWithKeys(std::initializer_list<int> wins, std::initializer_list<int> cps = {}) {
    auto pool = test::makeScoringPool(static_cast<int>(wins.size()), 1, 1);
    int m = 0;
    for (int w : wins) {
        WeekStanding& s = rec(*pool, m);
        s.memberIndex = static_cast<int16_t>(m);
        s.seasonWins = static_cast<int16_t>(w);
        s.eventFlags = m % 2 == 0 ? eventbit::Season : eventbit::GoodWeek;
        s.elimFlags = static_cast<int16_t>(m + 1);
        s.pointsTotal = 100.5 * m;
        ++m;
    }
    m = 0;
    for (int cp : cps) {
        rec(*pool, m++).seasonCp = static_cast<int16_t>(cp);
    }
    return pool;
}

std::vector<int> memberOrder(PoolData& p) {
    std::vector<int> order;
    for (int r = 0; r < p.numMembers; ++r) {
        order.push_back(rec(p, r).memberIndex);
    }
    return order;
}

TEST(SortWeekStandings, DescendingByCorrectPicksWithEqualKeysInOrder) {
    auto pool = poolWithKeys({5, 7, 7, 3});
    SortWeekStandings(*pool, 0);
    EXPECT_EQ(memberOrder(*pool), (std::vector<int>{1, 2, 0, 3}));
    for (int r = 0; r < 4; ++r) {
        const WeekStanding& s = rec(*pool, r);
        const int m = s.memberIndex;
        EXPECT_EQ(s.eventFlags, m % 2 == 0 ? eventbit::Season : eventbit::GoodWeek);
        EXPECT_EQ(s.elimFlags, m + 1);
        EXPECT_EQ(s.pointsTotal, 100.5 * m);
    }

    const auto before = pool->weekStandings[0];
    SortWeekStandings(*pool, 0); // already sorted
    EXPECT_EQ(pool->weekStandings[0], before);
}

TEST(SortWeekStandings, ConfidencePoolsRankByConfidencePoints) {
    auto pool = poolWithKeys({10, 8, 9}, {50, 70, 50});
    pool->confidenceMode = 2;
    SortWeekStandings(*pool, 0);
    EXPECT_EQ(memberOrder(*pool), (std::vector<int>{1, 0, 2}));
}

TEST(SortWeekStandings, NoOrOneMemberOrAWeekOutsideTheTablesChangesNothing) {
    auto pool = poolWithKeys({1, 9});
    const auto before = pool->weekStandings[0];
    pool->numMembers = 1;
    SortWeekStandings(*pool, 0);
    pool->numMembers = 0;
    SortWeekStandings(*pool, 0);
    pool->numMembers = 2;
    SortWeekStandings(*pool, 19);
    SortWeekStandings(*pool, -1);
    EXPECT_EQ(pool->weekStandings[0], before);
}

TEST(SortWeekStandings, ScoredSeasonSortsIntoAPermutationOfItsMembers) {
    auto pool = test::makeRandomPool(7, 40, 6, 12, 0, 1);
    ScoreSeason(*pool);
    for (int16_t w = 0; w <= pool->currentWeek; ++w) {
        SortWeekStandings(*pool, w);
        const auto& rows = pool->weekStandings[static_cast<std::size_t>(w)];
        std::vector<int> members;
        for (int r = 0; r < 40; ++r) {
            members.push_back(rows[static_cast<std::size_t>(r)].memberIndex);
            if (r > 0) {
                const auto& upper = rows[static_cast<std::size_t>(r - 1)];
                const auto& lower = rows[static_cast<std::size_t>(r)];
                ASSERT_GE(upper.seasonCp, lower.seasonCp);
                if (upper.seasonCp == lower.seasonCp) {
                    ASSERT_LT(upper.memberIndex, lower.memberIndex);
                }
            }
        }
        std::sort(members.begin(), members.end());
        for (int m = 0; m < 40; ++m) {
            ASSERT_EQ(members[static_cast<std::size_t>(m)], m);
        }
    }
}

} // namespace
} // namespace vek
