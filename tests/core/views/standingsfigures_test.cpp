// The figures of the standings as of a week, from week records set by hand: the periods of a week,
// leaders, games behind, column sums, marks, balances, the differences still ahead and the ledger.
#include "views/standingsfigures.h"

#include "engine/differencesleft.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

/// A record of week `week`, row `row`, for member `member`.
WeekStanding& rec(PoolData& p, int week, int row, int member) {
    WeekStanding& s = p.weekStandings[week][row];
    s.memberIndex = static_cast<int16_t>(member);
    return s;
}

/// Quarters of 4, 5, 4 and 4 weeks, halves of 9 and 8, in a season of 18 weeks: week 17 lies in no
/// period.
std::unique_ptr<PoolData> periodPool(int members = 3) {
    auto pool = test::makeScoringPool(members, 18, 4);
    test::PoolBuilder(*pool).periods({9, 8}, {4, 5, 4, 4});
    return pool;
}

TEST(StandingsPeriods, WeekPeriodsCaptionsAndEventBits) {
    auto pool = periodPool();
    const PoolData& p = *pool;
    struct Case {
        int week;
        WeekPeriods previous;
        WeekPeriods periods;
        const char* quarterCaption;
        const char* halfCaption;
        int32_t quarterBit;
        int32_t halfBit;
    };
    const Case cases[] = {
        {0, {}, {0, 0}, "1st Quarter", "1st Half", eventbit::Quarter0, eventbit::Half0},
        {3, {}, {0, 0}, "End 1st Quarter", "1st Half", eventbit::Quarter0, eventbit::Half0},
        {4, {}, {1, 0}, "2nd Quarter", "1st Half", eventbit::Quarter1, eventbit::Half0},
        {8, {}, {1, 0}, "End 2nd Quarter", "End 1st Half", eventbit::Quarter1, eventbit::Half0},
        {9, {}, {2, 1}, "3rd Quarter", "2nd Half", eventbit::Quarter2, eventbit::Half1},
        {16, {}, {3, 1}, "End 4th Quarter", "End 2nd Half", eventbit::Quarter3, eventbit::Half1},
        // After the last period the previous display's periods stay, with no caption and no bit.
        {17, {3, 1}, {3, 1}, "", "", 0, 0},
        {17, {2, 0}, {2, 0}, "", "", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.week);
        EXPECT_EQ(periodsOfWeek(p, c.week, c.previous), c.periods);
        EXPECT_EQ(periodCaption(p, c.week, PeriodKind::Quarter), QString::fromLatin1(c.quarterCaption));
        EXPECT_EQ(periodCaption(p, c.week, PeriodKind::Half), QString::fromLatin1(c.halfCaption));
        EXPECT_EQ(periodEventBit(p, c.week, PeriodKind::Quarter), c.quarterBit);
        EXPECT_EQ(periodEventBit(p, c.week, PeriodKind::Half), c.halfBit);
    }
    EXPECT_EQ(seasonCaption(p, 17), QStringLiteral("End Of Season"));
    EXPECT_EQ(seasonCaption(p, 16), QStringLiteral("Season"));
}

TEST(StandingsPeriods, CaptionFollowsTheScoringMode) {
    auto pool = periodPool();
    struct Case {
        int16_t confidence;
        int16_t spreads;
        const char* caption;
    };
    const Case cases[] = {
        {0, 0, "Pool Standings  (by Win/Loss Records)"},
        {0, True16, "Pool Standings  (by Win/Loss Records against the point spread)"},
        {2, 0, "Pool Standings  (by Confidence Points)"},
        {1, True16, "Pool Standings  (by Confidence Points against the point spread)"},
    };
    for (const Case& c : cases) {
        pool->confidenceMode = c.confidence;
        pool->usePointSpreads = c.spreads;
        EXPECT_EQ(standingsCaption(*pool), QString::fromLatin1(c.caption));
    }
}

/// Week 5 (quarter 1, half 0) of three members, in rank order 2, 0, 1.
std::unique_ptr<PoolData> weekFivePool() {
    auto pool = periodPool();
    PoolData& p = *pool;
    p.seasonGbPoints = 2;
    p.halfGbPoints = 3;
    p.quarterGbPoints = 5;
    struct Values {
        int member, seasonW, seasonL, halfW, halfL, quarterW, quarterL, weekW, weekL, cp, uniqueW, mondayW;
    };
    const Values values[] = {
        {2, 30, 10, 20, 4, 6, 2, 3, 1, 200, 1, 5},
        {0, 27, 13, 21, 3, 5, 3, 4, 0, 230, 3, 4},
        {1, 25, 15, 18, 6, 7, 1, 2, 2, 150, 2, 6},
    };
    int row = 0;
    for (const Values& v : values) {
        WeekStanding& s = rec(p, 5, row++, v.member);
        s.seasonWins = static_cast<int16_t>(v.seasonW);
        s.seasonLosses = static_cast<int16_t>(v.seasonL);
        s.halfWins[0] = static_cast<int16_t>(v.halfW);
        s.halfLosses[0] = static_cast<int16_t>(v.halfL);
        s.quarterWins[1] = static_cast<int16_t>(v.quarterW);
        s.quarterLosses[1] = static_cast<int16_t>(v.quarterL);
        s.quarterWins[0] = 99; // another quarter's tallies count nowhere
        s.weekWins = static_cast<int16_t>(v.weekW);
        s.weekLosses = static_cast<int16_t>(v.weekL);
        s.seasonCp = static_cast<int16_t>(v.cp);
        s.halfCp[0] = static_cast<int16_t>(v.cp / 2);
        s.quarterCp[1] = static_cast<int16_t>(v.cp / 10);
        s.weekCp = static_cast<int16_t>(v.cp / 20);
        s.uniqueWins = static_cast<int16_t>(v.uniqueW);
        s.mondayWins = static_cast<int16_t>(v.mondayW);
    }
    return pool;
}

TEST(StandingsWeek, LeadersGamesBehindAndColumnSums) {
    auto pool = weekFivePool();
    const PoolData& p = *pool;
    const WeekPeriods periods = periodsOfWeek(p, 5);
    ASSERT_EQ(periods, (WeekPeriods{1, 0}));

    const WeekLeaders lead = leadersOfWeek(p, 5, periods);
    EXPECT_EQ(lead, (WeekLeaders{30, 21, 7, 230, 115, 23, 3, 6}));

    // Season: (0 + 3 + 5) x 2; half: (1 + 0 + 3) x 3; quarter: (1 + 2 + 0) x 5.
    EXPECT_EQ(gamesBehindTotals(p, 5, periods, lead), (GamesBehindTotals{16, 12, 15}));
    // Over the rows of one group only, as a printed page of members does.
    EXPECT_EQ(gamesBehindTotals(p, 5, periods, lead, 1, 1), (GamesBehindTotals{6, 0, 10}));
    EXPECT_EQ(gamesBehindTotals(p, 5, periods, lead, 2, 200), (GamesBehindTotals{10, 9, 0}));

    EXPECT_EQ(columnSums(p, 5, periods), (ColumnSums{82, 38, 59, 13, 18, 6, 9, 3}));

    // A week without records and a week outside the tables have no leaders and no sums.
    EXPECT_EQ(leadersOfWeek(p, 6, periods), WeekLeaders{});
    EXPECT_EQ(leadersOfWeek(p, -1, periods), WeekLeaders{});
    EXPECT_EQ(columnSums(p, WeekSlots, periods), ColumnSums{});
}

TEST(StandingsWeek, LinesOfTheGrid) {
    auto pool = weekFivePool();
    PoolData& p = *pool;
    const WeekPeriods periods = periodsOfWeek(p, 5);
    const WeekLeaders lead = leadersOfWeek(p, 5, periods);
    p.weekStandings[5][0].eventFlags = eventbit::Season | eventbit::Quarter1;
    p.weekStandings[5][0].elimFlags = elim::QuarterTie | elim::HalfOut;
    p.weekStandings[5][1].eventFlags = eventbit::GoodWeek;
    p.weekStandings[5][1].elimFlags = elim::SeasonOut;
    p.weekStandings[5][1].pointsTotal = -12.4;

    const StandingsLine top = standingsLine(p, 5, 0, periods, PeriodKind::Quarter, lead);
    EXPECT_EQ(top.member, 2);
    EXPECT_EQ(top.season, (PeriodTally{30, 10, 200}));
    EXPECT_EQ(top.seasonBehind, 0);
    EXPECT_EQ(top.period, (PeriodTally{6, 2, 20}));
    EXPECT_EQ(top.periodBehind, 1);
    EXPECT_EQ(top.periodStatus, (ContestStatus{true, false}));
    EXPECT_EQ(top.seasonStatus, ContestStatus{});
    EXPECT_TRUE(top.wonAnyEvent && top.wonSeason && top.wonPeriod);
    EXPECT_FALSE(top.wonWeekEvent);

    // The half column of the same record: its half tallies and half mark; the quarter event is not the
    // half's.
    const StandingsLine topHalf = standingsLine(p, 5, 0, periods, PeriodKind::Half, lead);
    EXPECT_EQ(topHalf.period, (PeriodTally{20, 4, 100}));
    EXPECT_EQ(topHalf.periodBehind, 1);
    EXPECT_EQ(topHalf.periodStatus, (ContestStatus{false, true}));
    EXPECT_FALSE(topHalf.wonPeriod);

    const StandingsLine second = standingsLine(p, 5, 1, periods, PeriodKind::Quarter, lead);
    EXPECT_EQ(second.member, 0);
    EXPECT_EQ(second.seasonBehind, 3);
    EXPECT_EQ(second.seasonStatus, (ContestStatus{false, true}));
    EXPECT_EQ(second.weekWins, 4);
    EXPECT_EQ(second.weekCp, 11);
    EXPECT_DOUBLE_EQ(second.balance, -12.4);
    EXPECT_TRUE(second.wonAnyEvent && second.wonWeekEvent);
    EXPECT_FALSE(second.wonSeason || second.wonPeriod);

    EXPECT_EQ(standingsLine(p, 5, 3, periods, PeriodKind::Quarter, lead), StandingsLine{});
}

TEST(StandingsWeek, ColumnSumsOfTheLargestPoolNeedMoreThan16Bits) {
    auto pool = test::makeScoringPool(MemberSlots, 19, 19);
    PoolData& p = *pool;
    for (int m = 0; m < MemberSlots; ++m) {
        WeekStanding& s = rec(p, 18, m, m);
        s.seasonWins = 361;
        s.seasonLosses = 300;
    }
    const ColumnSums sums = columnSums(p, 18, {});
    EXPECT_EQ(sums.seasonWins, 121 * 361);
    EXPECT_EQ(sums.seasonLosses, 121 * 300);
    EXPECT_EQ(winRatioText(sums.seasonWins, sums.seasonLosses), QStringLiteral("0.546"));
}

TEST(StandingsMarks, ElimFlagsOfEachContest) {
    struct Case {
        Contest contest;
        int16_t tie;
        int16_t out;
    };
    const Case cases[] = {
        {Contest::WildChoices, 1, 2}, {Contest::Over50, 4, 8},     {Contest::Quarter, 16, 32},
        {Contest::Half, 64, 128},     {Contest::Season, 256, 512}, {Contest::MondayNight, 1024, 2048},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tie);
        EXPECT_EQ(contestStatus(c.tie, c.contest), (ContestStatus{true, false}));
        EXPECT_EQ(contestStatus(c.out, c.contest), (ContestStatus{false, true}));
        // Every other contest's bits leave this one unmarked.
        EXPECT_EQ(contestStatus(static_cast<int16_t>(0x0FFF & ~(c.tie | c.out)), c.contest), ContestStatus{});
    }
    EXPECT_EQ(contestMark({true, false}), QStringLiteral("T"));
    EXPECT_EQ(contestMark({false, true}), QStringLiteral("E"));
    EXPECT_EQ(contestMark({true, true}), QStringLiteral("T"));
    EXPECT_EQ(contestMark({}), QStringLiteral(" "));
}

TEST(StandingsTexts, BalancesAndRatios) {
    struct Balance {
        double value;
        const char* text;
        int sign;
    };
    const Balance balances[] = {
        {-12.4, "-12", -1}, {0.0, "0", 0},    {7.25, "7", 1},   {-0.4, "0", 0},          {0.4, "0", 0},
        {2.5, "3", 1},      {-2.5, "-3", -1}, {-3.6, "-4", -1}, {123456.7, "123457", 1},
    };
    for (const Balance& b : balances) {
        SCOPED_TRACE(b.value);
        EXPECT_EQ(balanceText(b.value), QString::fromLatin1(b.text));
        EXPECT_EQ(balanceSign(b.value), b.sign);
    }
    EXPECT_EQ(winRatioText(2, 1), QStringLiteral("0.667"));
    EXPECT_EQ(winRatioText(53, 27), QStringLiteral("0.663")); // 0.6625, held just below the half
    EXPECT_EQ(winRatioText(5, 0), QStringLiteral("1.000"));
    EXPECT_EQ(winRatioText(0, 7), QStringLiteral("0.000"));
    EXPECT_EQ(winRatioText(0, 0), QStringLiteral("0.000"));
}

TEST(StandingsRows, RowOfAMemberInASortedWeek) {
    auto pool = weekFivePool();
    const PoolData& p = *pool;
    EXPECT_EQ(rowOfMember(p, 5, 2), 0);
    EXPECT_EQ(rowOfMember(p, 5, 0), 1);
    EXPECT_EQ(rowOfMember(p, 5, 1), 2);
    EXPECT_EQ(rowOfMember(p, 5, 3), -1);
    EXPECT_EQ(rowOfMember(p, -1, 0), -1);
    ASSERT_NE(recordOfMember(p, 5, 1), nullptr);
    EXPECT_EQ(recordOfMember(p, 5, 1)->seasonWins, 25);
    EXPECT_EQ(recordOfMember(p, 5, 7), nullptr);
}

TEST(StandingsPanels, EachPanelIsWonByItsOwnEventFlag) {
    auto pool = weekFivePool();
    PoolData& p = *pool;
    p.currentWeek = 5;
    const struct {
        int32_t flags;
        std::array<bool, 5> won; // Wild Choices, Monday Night, Over 50%, post season, Big Game
    } cases[] = {
        {eventbit::WildChoices, {true, false, false, false, false}},
        {eventbit::MondayNight, {false, true, false, false, false}},
        {eventbit::Over50, {false, false, true, false, false}},
        {eventbit::PostSeason, {false, false, false, true, false}},
        {eventbit::Championship, {false, false, false, false, true}},
        // The other events mark none of the panels.
        {eventbit::Season | eventbit::Half0 | eventbit::Quarter1 | eventbit::GoodWeek | eventbit::BadWeek |
             eventbit::PerfectWeek,
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        p.weekStandings[5][1].eventFlags = c.flags; // member 0
        const auto postSeason = postSeasonFigures(p, 0);
        ASSERT_TRUE(postSeason.has_value());
        const std::array<bool, 5> won{wildChoicesFigures(p, 5, 0)->won, mondayNightFigures(p, 5, 0)->won,
                                      overStreakFigures(p, 5, 0)->won, postSeason->wonPostSeason,
                                      postSeason->wonBigGame};
        EXPECT_EQ(won, c.won);
    }
}

TEST(StandingsDifferences, GamesAheadOfTwoMembers) {
    // Season of 18 weeks; the second half runs to week 20, past the season's end.
    auto pool = periodPool(3);
    PoolData& p = *pool;
    test::PoolBuilder(p).periods({9, 12}, {4, 5, 4, 4});
    for (int w = 0; w < WeekSlots; ++w) {
        // Members 0 and 2 differ in w + 1 games of week w; week 18 lies after the season.
        p.pickDiffWeek[0][2][w] = static_cast<int16_t>(w + 1);
        p.pickDiffWeek[2][0][w] = static_cast<int16_t>(w + 1);
    }
    const DifferencesLeft diffs(p);
    const auto sum = [](int from, int to) { return (from + 1 + to + 1) * (to - from + 1) / 2; };

    struct Case {
        int week;
        DifferencesAhead ahead;
    };
    const Case cases[] = {
        // Week 5: weeks 6..17 of the season, 6..8 of half 0, 6..8 of quarter 1; week 6 alone.
        {5, {sum(6, 17), sum(6, 8), sum(6, 8), 7}},
        // Week 8 ends quarter 1 and half 0: nothing left in them.
        {8, {sum(9, 17), 0, 0, 10}},
        // Week 13: half 1 would run to week 20 but stops with the season.
        {13, {sum(14, 17), sum(14, 17), sum(14, 16), 15}},
        // The season's last week: nothing ahead, no next week.
        {17, {0, 0, 0, std::nullopt}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.week);
        const WeekPeriods periods = periodsOfWeek(p, c.week, {3, 1});
        EXPECT_EQ(differencesAhead(p, diffs, c.week, periods, 0, 2), c.ahead);
        EXPECT_EQ(differencesAhead(p, diffs, c.week, periods, 2, 0), c.ahead);
    }
    // Members who never differ, the same member twice, a member outside the list.
    EXPECT_EQ(differencesAhead(p, diffs, 5, {1, 0}, 0, 1), (DifferencesAhead{0, 0, 0, 0}));
    EXPECT_EQ(differencesAhead(p, diffs, 5, {1, 0}, 1, 1), DifferencesAhead{});
    EXPECT_EQ(differencesAhead(p, diffs, 5, {1, 0}, 0, 3), DifferencesAhead{});
}

TEST(StandingsLedger, LinesNamesAndPages) {
    auto pool = weekFivePool();
    PoolData& p = *pool;
    p.currentWeek = 5;
    for (int c = 0; c < EventColumns; ++c) {
        p.ledgerBalance[1][c] = static_cast<float>(c * 10 - 25);
    }
    p.weekStandings[5][2].pointsTotal = 640.5; // member 1's row in the sorted week

    const LedgerLine line = ledgerLine(p, 1);
    for (int c = 0; c < LedgerEvents; ++c) {
        EXPECT_EQ(line.balance[c], static_cast<float>(c * 10 - 25)) << c;
    }
    EXPECT_DOUBLE_EQ(line.total, 640.5);
    EXPECT_EQ(ledgerLine(p, 3), LedgerLine{});
    p.currentWeek = -1;
    EXPECT_DOUBLE_EQ(ledgerLine(p, 1).total, 0.0);

    EXPECT_EQ(ledgerEventName(0), QStringLiteral("Season"));
    EXPECT_EQ(ledgerEventName(5), QStringLiteral("Qtr Games Behind"));
    EXPECT_EQ(ledgerEventName(13), QStringLiteral("Monday Night"));
    EXPECT_EQ(ledgerEventName(14), QString());
    EXPECT_EQ(LedgerPrintOrder[11], EvMondayNight);
    EXPECT_EQ(LedgerPrintOrder[13], EvChampionship);

    // Pages of 30 over the real members; every member of the largest pool is on a page.
    std::vector<LedgerPage> pages{ledgerPage(121, 0)};
    for (int i = 0; i < 5; ++i) {
        pages.push_back(nextLedgerPage(121, pages.back()));
    }
    EXPECT_EQ(pages, (std::vector<LedgerPage>{{0, 29}, {30, 59}, {60, 89}, {90, 119}, {120, 120}, {0, 29}}));
    EXPECT_EQ(ledgerPage(20, 0), (LedgerPage{0, 19}));
    EXPECT_EQ(nextLedgerPage(20, {0, 19}), (LedgerPage{0, 19}));
    EXPECT_EQ(nextLedgerPage(60, {30, 59}), (LedgerPage{0, 29}));
    EXPECT_EQ(ledgerPage(0, 0), (LedgerPage{0, -1}));
}

} // namespace
} // namespace vek
