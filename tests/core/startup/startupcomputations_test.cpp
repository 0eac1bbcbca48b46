// The start-up computations over a pool folder: which engine steps run under which options, what they
// leave behind, the fewest games of a week and the mail settings.
#include "app/startup.h"
#include "engine/teamtallies.h"
#include "session/poolsession.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

constexpr int Anna = 0, Bert = 1, Cleo = 2;

// Writes the small pool with the options into a fresh folder and starts up on it, without windows.
struct StartedPool {
    explicit StartedPool(const test::SmallPoolOptions& options) : session(dir.folder()) {
        test::writeAllFiles(dir.folder(), *test::smallPool(options));
        runLoadingStages(session, host, 2030);
        runStartupComputations(session, host);
    }
    PoolData& pool() { return session.pool(); }

    test::TempFolder dir;
    PoolSession session;
    test::RecordingStartupHost host;
};

bool allZero(const Table<float, MemberSlots>& odds) {
    return std::all_of(odds.begin(), odds.end(), [](float o) { return o == 0.0F; });
}

int winsTotal(const Table<TeamStanding, TeamSlots>& rows, int count) {
    int total = 0;
    for (int row = 0; row < count; ++row) {
        total += rows[row].wins;
    }
    return total;
}

void expectInStandingsOrder(const Table<TeamStanding, TeamSlots>& rows, int count) {
    for (int row = 1; row < count; ++row) {
        EXPECT_GE(2 * rows[row - 1].wins + rows[row - 1].ties, 2 * rows[row].wins + rows[row].ties) << row;
    }
}

TEST(StartupComputations, PlainWeeklyPoolWithResults) {
    StartedPool started({.usePointSpreads = 0, .weeklyPicks = 1, .wildChoicePoints = 0, .currentWeek = 1});
    const PoolData& pool = started.pool();
    ASSERT_TRUE(started.host.messages.isEmpty())
        << started.host.messages.join(QLatin1Char('|')).toStdString();

    // No point spreads: no winners against the spread.
    EXPECT_EQ(pool.spreadWinner[0][1], 0);
    EXPECT_EQ(pool.spreadWinner[1][0], 0);

    // The pick differences run although wild choices are worth nothing.
    EXPECT_EQ(pool.pickDiffTotal[Anna][Bert], 1);
    EXPECT_EQ(pool.pickDiffTotal[Anna][Cleo], 16);
    EXPECT_EQ(pool.pickDiffTotal[Cleo][Bert], 15);
    EXPECT_EQ(pool.uniquePicks[Anna], 1);
    EXPECT_EQ(pool.uniquePicks[Bert], 0);
    EXPECT_EQ(pool.uniquePicks[Cleo], 15);
    EXPECT_NE(pool.memberPicks[0][0][Anna] & UniquePickFlag, 0);
    EXPECT_EQ(pool.memberPicks[0][0][Bert] & UniquePickFlag, 0);

    // Every member's and the consensus tallies, sorted; then the league's from two weeks of results.
    EXPECT_EQ(winsTotal(pool.consensusStandings, 8), 3 * 16);
    expectInStandingsOrder(pool.consensusStandings, 8);
    Table<TeamStanding, TeamSlots> bertsRows{};
    for (int row = 0; row < 8; ++row) {
        bertsRows[row] = pool.memberStandings[row][Bert];
    }
    EXPECT_EQ(winsTotal(bertsRows, 8), 16);
    expectInStandingsOrder(bertsRows, 8);
    EXPECT_EQ(pool.leagueStandings[0].team, 1);
    EXPECT_EQ(pool.leagueStandings[0].wins, 2);
    EXPECT_EQ(winsTotal(pool.leagueStandings, 8), 8);
    expectInStandingsOrder(pool.leagueStandings, 8);
    EXPECT_EQ(started.session.sortMode, SortLeagueStandings);
    EXPECT_TRUE(started.session.teamsRecalculated);

    // Week by week picks: no odds.
    EXPECT_TRUE(allZero(pool.memberOdds));
    EXPECT_EQ(pool.minWeekGames, 4);
}

TEST(StartupComputations, SpreadWinnersOnlyWhenSpreadsAreTrue) {
    StartedPool on({.usePointSpreads = True16});
    EXPECT_EQ(on.pool().spreadWinner[0][1], 2); // 14 less 7 against 10
    EXPECT_EQ(on.pool().spreadWinner[1][0], 1);
    EXPECT_EQ(on.pool().spreadWinner[2][1], 0); // a week without results keeps its value

    StartedPool one({.usePointSpreads = 1}); // only -1 is true
    EXPECT_EQ(one.pool().usePointSpreads, 1);
    EXPECT_EQ(one.pool().spreadWinner[0][1], 0);
    EXPECT_EQ(one.pool().spreadWinner[1][0], 0);
}

TEST(StartupComputations, WithoutResultsTheLeagueIsNotTallied) {
    StartedPool started({.currentWeek = -1});
    const PoolData& pool = started.pool();
    EXPECT_EQ(pool.currentWeek, -1);
    for (int row = 0; row < TeamSlots; ++row) {
        EXPECT_EQ(pool.leagueStandings[row], TeamStanding{}) << row;
    }
    EXPECT_EQ(winsTotal(pool.consensusStandings, 8), 3 * 16);
    EXPECT_EQ(started.session.sortMode, SortConsensusStandings);
    EXPECT_TRUE(started.session.teamsRecalculated);
}

TEST(StartupComputations, WholeSeasonPoolGetsOddsFromThePickDifferences) {
    // Wild choices worth nothing: the differences still run first, so the odds tell the members apart.
    StartedPool started({.weeklyPicks = 0, .wildChoicePoints = 0});
    const PoolData& pool = started.pool();
    // Difference totals: Anna 17, Bert 16, Cleo 31. The least different member is the favourite.
    EXPECT_LT(pool.memberOdds[Bert], pool.memberOdds[Anna]);
    EXPECT_LT(pool.memberOdds[Anna], pool.memberOdds[Cleo]);
    EXPECT_EQ(pool.memberOdds[3], 0.0F);

    StartedPool withWildChoices({.weeklyPicks = 0, .wildChoicePoints = 5});
    EXPECT_EQ(withWildChoices.pool().memberOdds, pool.memberOdds);
    EXPECT_EQ(withWildChoices.pool().pickDiffTotal, pool.pickDiffTotal);
}

TEST(StartupComputations, FewestGamesOfAnyWeek) {
    struct Case {
        const char* name;
        int weeks;
        int gamesPerWeek;
        std::vector<std::pair<int, int>> openDates; // week, count
        int16_t expected;
    };
    const Case cases[] = {
        {"byes in some weeks", 17, 16, {{3, 1}, {9, 1}, {12, 1}}, 15},
        {"most byes of any week", 17, 16, {{3, 1}, {9, 3}, {12, 2}}, 13},
        {"no open dates", 17, 16, {}, 16},
        {"no weeks", 0, 16, {{0, 2}}, 16},
        {"open dates after the last week do not count", 10, 14, {{10, 4}, {18, 6}}, 14},
        {"more weeks than the tables hold", 40, 12, {{18, 2}}, 10},
        {"more open dates than slots: no week has fewer than no games", 17, 16, {{2, 20}}, 0},
        {"a number of slots beyond 16 bits when the open dates are taken off", 1, -32768, {{0, 5}}, 0},
    };
    for (const Case& c : cases) {
        test::TempFolder dir;
        PoolSession session(dir.folder());
        PoolData& pool = session.pool();
        pool.numWeeks = static_cast<int16_t>(c.weeks);
        pool.gamesPerWeek = static_cast<int16_t>(c.gamesPerWeek);
        for (const auto& [week, count] : c.openDates) {
            pool.openDates[week] = static_cast<int16_t>(count);
        }
        test::RecordingStartupHost host;
        runStartupComputations(session, host);
        EXPECT_EQ(pool.minWeekGames, c.expected) << c.name;
    }
}

TEST(StartupComputations, MailSettingsComeFromTheFirstThreeValues) {
    {
        StartedPool started({});
        EXPECT_EQ(started.session.mail.smtpServer, QString());
        EXPECT_EQ(started.session.mail.smtpPort, 0);
        EXPECT_EQ(started.session.mail.senderEmail, QString());
    }
    test::TempFolder dir;
    dir.write(QStringLiteral("defaultserver.dat"),
              "smtp.example.org\r\n587\r\npool@example.org\r\nother.example.org\r\n25\r\nx@example.org\r\n");
    PoolSession session(dir.folder());
    test::RecordingStartupHost host;
    runStartupComputations(session, host);
    EXPECT_EQ(session.mail.smtpServer, QStringLiteral("smtp.example.org"));
    EXPECT_EQ(session.mail.smtpPort, 587);
    EXPECT_EQ(session.mail.senderEmail, QStringLiteral("pool@example.org"));
}

} // namespace
} // namespace vek
