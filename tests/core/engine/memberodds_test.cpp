// Member odds from the season pick differences, and their text.
#include "engine/memberodds.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

class MemberOdds : public ::testing::Test {
protected:
    std::unique_ptr<PoolData> data = test::newPool();
    PoolData& pool = *data;

    // Gives each member its difference total D; the odds read only the row sums of pickDiffTotal.
    void setTotals(std::initializer_list<int> totals) {
        pool.numMembers = static_cast<int16_t>(totals.size());
        for (auto& row : pool.pickDiffTotal) {
            row.fill(0);
        }
        std::size_t m = 0;
        for (int d : totals) {
            pool.pickDiffTotal[m][(m + 1) % totals.size()] = static_cast<int16_t>(d / 2);
            pool.pickDiffTotal[m][(m + 2) % totals.size()] += static_cast<int16_t>(d - d / 2);
            ++m;
        }
    }
    std::vector<QString> texts() const {
        std::vector<QString> out;
        for (int m = 0; m < pool.numMembers; ++m) {
            out.push_back(OddsText(pool, m));
        }
        return out;
    }
    QString textOf(float odds) {
        pool.memberOdds[0] = odds;
        return OddsText(pool, 0);
    }
};

TEST_F(MemberOdds, WorkedExamples) {
    setTotals({100, 120, 130, 160});
    CalcMemberOdds(pool);
    EXPECT_NEAR(pool.memberOdds[0], 0.5955F, 1e-4);
    EXPECT_NEAR(pool.memberOdds[1], 1.5071F, 1e-4);
    EXPECT_FLOAT_EQ(pool.memberOdds[2], 2.51F);
    EXPECT_FLOAT_EQ(pool.memberOdds[3], 42.875F);
    EXPECT_EQ(texts(), (std::vector<QString>{"1/2", "3/2", "5/2", "43"}));

    setTotals({10, 20, 36});
    CalcMemberOdds(pool);
    EXPECT_FLOAT_EQ(pool.memberOdds[0], 0.25F);
    EXPECT_FLOAT_EQ(pool.memberOdds[2], 14.0F);
    EXPECT_EQ(texts(), (std::vector<QString>{"1/5", " 1 ", "14"}));
}

TEST_F(MemberOdds, EqualTotalsGiveEqualOdds) {
    setTotals({0, 0, 0, 0});
    CalcMemberOdds(pool);
    EXPECT_EQ(texts(), (std::vector<QString>(4, QStringLiteral(" 2 "))));
    EXPECT_FLOAT_EQ(pool.memberOdds[3], 2.0F);

    // Tied leaders share weight and odds, wherever they stand.
    setTotals({50, 40, 60, 40});
    CalcMemberOdds(pool);
    EXPECT_EQ(pool.memberOdds[1], pool.memberOdds[3]);
    EXPECT_LT(pool.memberOdds[1], pool.memberOdds[0]);
}

TEST_F(MemberOdds, ASingleMemberShowsZeroNotMinusZero) {
    setTotals({0});
    CalcMemberOdds(pool);
    EXPECT_FLOAT_EQ(pool.memberOdds[0], -0.25F);
    EXPECT_EQ(OddsText(pool, 0), QStringLiteral("0"));
}

TEST_F(MemberOdds, WithoutMembersTheOddsStay) {
    pool.memberOdds[0] = 3.0F;
    CalcMemberOdds(pool);
    EXPECT_EQ(pool.memberOdds[0], 3.0F);
}

TEST_F(MemberOdds, ALeaderIsFoundHoweverLargeTheTotals) {
    // Totals of 10000 and more: the lowest starts from the first member's total, not from 10000.
    setTotals({20000, 30000});
    CalcMemberOdds(pool);
    // Weights 10000 and 2 (raised from 0), sum 10002, times 0.75 = 7501.5.
    EXPECT_FLOAT_EQ(pool.memberOdds[0], 7501.5F / 10000.0F - 1.0F);
    EXPECT_FLOAT_EQ(pool.memberOdds[1], 3749.75F);
    EXPECT_EQ(texts(), (std::vector<QString>{"0", "3750"}));
}

TEST_F(MemberOdds, ComputedInSinglePrecision) {
    // Weights 10, 10, 2, 2: the leaders' odds are 18 / 10 - 1, exactly 0.8 on paper. In single
    // precision 1.8 lies just below it, so the odds fall into the band below "4/5".
    setTotals({100, 100, 110, 110});
    CalcMemberOdds(pool);
    EXPECT_LT(static_cast<double>(pool.memberOdds[0]), 0.8);
    EXPECT_EQ(texts(), (std::vector<QString>{"3/5", "3/5", "8", "8"}));
}

TEST_F(MemberOdds, BandsIncludeTheirLowerBound) {
    // The odds are widened to double before the bands are tested, so 1.4 and 1.8, which single
    // precision holds just below their value, fall into the band beneath.
    const std::vector<std::pair<float, QString>> cases{
        {0.0F, "1/9"},
        {0.19F, "1/9"},
        {0.2F, "1/5"},
        {0.4F, "2/5"},
        {0.5F, "1/2"},
        {0.6F, "3/5"},
        {0.8F, "4/5"},
        {1.0F, " 1 "},
        {1.2F, "6/5"},
        {1.4F, "6/5"},
        {1.45F, "7/5"},
        {1.5F, "3/2"},
        {1.6F, "8/5"},
        {1.8F, "8/5"},
        {1.85F, "9/5"},
        {2.0F, " 2 "},
        {2.5F, "5/2"},
        {3.0F, " 3 "},
        {3.5F, "7/2"},
        {4.0F, " 4 "},
        {4.5F, "9/2"},
        {4.99F, "9/2"},
        {5.0F, "5"},
        {5.5F, "6"},
        {6.5F, "7"},
        {42.875F, "43"},
        {-0.4F, "0"},
        {-0.6F, "-1"},
        {1000000.0F, "1000000"},
    };
    for (const auto& [odds, text] : cases) {
        EXPECT_EQ(textOf(odds), text) << "odds " << odds;
    }
    EXPECT_EQ(OddsText(pool, 121), QString());
    EXPECT_EQ(OddsText(pool, -1), QString());
}

} // namespace
} // namespace vek
