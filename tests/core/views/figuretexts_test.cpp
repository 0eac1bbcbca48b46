// How the views write averages, percentages and bars, and the limits of what they lay out.
#include "views/figuretexts.h"
#include "views/ratingfigures.h"
#include "views/teamfigures.h"

#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(FigureTexts, DecimalsPercentagesAndBars) {
    struct Decimal {
        double value;
        int decimals;
        const char* text;
    };
    const Decimal decimals[] = {
        {2.125, 2, "2.13"},     {-2.125, 2, "-2.13"}, {0.0, 2, "0.00"},    {-0.001, 2, "0.00"},
        {1.0 / 3.0, 2, "0.33"}, {7.0, 2, "7.00"},     {66.666, 1, "66.7"},
    };
    for (const Decimal& d : decimals) {
        EXPECT_EQ(decimalText(d.value, d.decimals), QString::fromLatin1(d.text)) << d.value;
    }
    // An empty group shows 0 in the format rather than dividing by zero.
    EXPECT_EQ(percentText(5, 8, 1), QStringLiteral("62.5%"));
    EXPECT_EQ(percentText(0, 0, 1), QStringLiteral("0.0%"));
    EXPECT_EQ(percentText(2, 3, 2), QStringLiteral("66.67%"));
    EXPECT_EQ(percentText(0, 0, 2), QStringLiteral("0.00%"));
    // Halves of whole-number ratios are exact, whatever the nearest double of the ratio is.
    EXPECT_EQ(percentText(51, 80, 1), QStringLiteral("63.8%"));
    EXPECT_EQ(percentText(1, 80, 2), QStringLiteral("1.25%"));
    EXPECT_EQ(ratioText(53, 80, 3), QStringLiteral("0.663"));
    EXPECT_EQ(averageText({123.25F, 10}), QStringLiteral("12.33")); // 12.325
    EXPECT_EQ(averageText({-0.25F, 10}), QStringLiteral("-0.03"));
    EXPECT_EQ(averageText({5.0F, 0}), QStringLiteral("0.00"));
    // Bars round halves to the even whole number.
    EXPECT_EQ(percentBar(1, 8), 12); // 12.5
    EXPECT_EQ(percentBar(3, 8), 38); // 37.5
    EXPECT_EQ(percentBar(2, 3), 67);
    EXPECT_EQ(percentBar(4, 4), 100);
    EXPECT_EQ(percentBar(0, 0), 0);
}

TEST(FigureLimits, SixTeamsADivisionAndTheRatingColumns) {
    auto pool = test::newPool();
    // A damaged league file: seven teams in NFC East.
    test::PoolBuilder(*pool).league({7, 4, 4, 4, 4, 4, 4, 4});
    std::vector<TeamStanding> rows;
    for (int t = 0; t < pool->numTeams; ++t) {
        rows.push_back({static_cast<int16_t>(t)});
    }
    const auto divisions = divisionStandings(*pool, rows);
    ASSERT_EQ(divisions[0].size(), 6u);
    EXPECT_EQ(divisions[0].back().team, 5);
    EXPECT_EQ(divisions[1].front().team, 7);

    EXPECT_EQ(ratingLeftRows(32), 16);
    EXPECT_EQ(ratingLeftRows(37), 19);
    EXPECT_EQ(ratingLeftRows(1), 1);
    EXPECT_EQ(ratingLeftRows(0), 0);
    EXPECT_EQ(divisionName(0), QStringLiteral("NFC East"));
    EXPECT_EQ(divisionName(7), QStringLiteral("AFC West"));
}

} // namespace
} // namespace vek
