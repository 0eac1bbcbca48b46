// vek.dat: the league and the tables derived from it.
#include "model/leaguefile.h"
#include "model/pooldata.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

const QString Vek = QStringLiteral("vek.dat");

void expectPlaceholderLeague(const PoolData& pool) {
    EXPECT_EQ(pool.numTeams, 32);
    for (int d = 0; d < Divisions; ++d) {
        EXPECT_EQ(pool.divisionRec[d].teamCount, 4);
        EXPECT_EQ(pool.divisionRec[d].firstTeam, 4 * d);
        EXPECT_EQ(pool.divisionRec[d].lastTeam, 4 * d + 3);
    }
    for (int team = 0; team < 32; ++team) {
        EXPECT_EQ(pool.teamName[team], QStringLiteral("_____________________"));
        EXPECT_EQ(pool.teamAbbr[team], QStringLiteral("____"));
        EXPECT_EQ(pool.teamIcon[team], 0);
    }
    EXPECT_EQ(pool.teamName[32], QStringLiteral("TIE-"));
    EXPECT_EQ(pool.teamAbbr[32], QStringLiteral("TIE-"));
    EXPECT_EQ(pool.teamName[33], QString(21, QLatin1Char(' ')));
    EXPECT_EQ(pool.teamAbbr[33], QStringLiteral("    "));
}

TEST(LeagueFile, MissingFileGivesThePlaceholderLeague) {
    test::TempFolder dir;
    auto pool = test::newPool();
    EXPECT_FALSE(readLeague(dir.folder(), *pool).opened);
    expectPlaceholderLeague(*pool);
}

TEST(LeagueFile, ANumberOfTeamsTheTablesCannotHoldGivesThePlaceholderLeague) {
    for (const char* count : {"38", "40", "-1", "32767"}) {
        test::TempFolder dir;
        dir.write(Vek, test::fileOf({count, "2", "2", "0", "0", "0", "0", "0", "0", "\"A\"", "\"AA\"", "3"}));
        auto pool = test::newPool();
        EXPECT_TRUE(readLeague(dir.folder(), *pool).opened);
        SCOPED_TRACE(count);
        expectPlaceholderLeague(*pool);
    }
}

TEST(LeagueFile, RoundTripKeepsEveryTeamAndTheDivisionRanges) {
    test::TempFolder dir;
    auto written = test::newPool();
    test::fillSampleLeague(*written);
    const std::array<int16_t, Divisions> sizes{5, 3, 4, 4, 6, 2, 4, 4};
    for (int d = 0; d < Divisions; ++d) {
        written->divisionRec[d].teamCount = sizes[d];
    }
    written->teamName[0] = QStringLiteral("Kansas City, Missouri");
    written->teamName[1] = QStringLiteral("M\u00fcnster \u00c5lborg");
    deriveLeagueTables(*written);
    ASSERT_TRUE(writeLeague(dir.folder(), *written).ok);
    const QByteArray bytes = dir.read(Vek);
    EXPECT_EQ(test::fileLines(bytes).size(), 105);
    EXPECT_TRUE(bytes.startsWith(
        "32\r\n5\r\n3\r\n4\r\n4\r\n6\r\n2\r\n4\r\n4\r\n\"Kansas City, Missouri\"\r\n\"T01\"\r\n0\r\n"));

    auto read = test::newPool();
    const ReadOutcome outcome = readLeague(dir.folder(), *read);
    EXPECT_TRUE(outcome.opened);
    EXPECT_FALSE(outcome.endedEarly);
    EXPECT_EQ(read->numTeams, 32);
    for (int d = 0; d < Divisions; ++d) {
        EXPECT_EQ(read->divisionRec[d].teamCount, written->divisionRec[d].teamCount);
        EXPECT_EQ(read->divisionRec[d].firstTeam, written->divisionRec[d].firstTeam);
        EXPECT_EQ(read->divisionRec[d].lastTeam, written->divisionRec[d].lastTeam);
    }
    EXPECT_EQ(read->divisionRec[1].firstTeam, 5);
    EXPECT_EQ(read->divisionRec[7].lastTeam, 31);
    for (int team = 0; team < TeamSlots; ++team) {
        EXPECT_EQ(read->teamName[team], written->teamName[team]) << team;
        EXPECT_EQ(read->teamAbbr[team], written->teamAbbr[team]) << team;
        EXPECT_EQ(read->teamIcon[team], written->teamIcon[team]) << team;
    }
}

TEST(LeagueFile, EmptyAndShortFiles) {
    // An empty file: a league of no teams, every division empty, "TIE-" in slot 0 and blanks in slot 1.
    {
        test::TempFolder dir;
        dir.write(Vek, "");
        auto pool = test::newPool();
        EXPECT_TRUE(readLeague(dir.folder(), *pool).endedEarly);
        EXPECT_EQ(pool->numTeams, 0);
        for (const Division& division : pool->divisionRec) {
            EXPECT_EQ(division.firstTeam, 0);
            EXPECT_EQ(division.lastTeam, -1);
        }
        EXPECT_EQ(pool->teamName[0], QStringLiteral("TIE-"));
        EXPECT_EQ(pool->teamAbbr[1], QStringLiteral("    "));
    }
    // A file that stops inside the second team: what is there is taken, the rest stays empty; the
    // counts add up to less than the teams, so team 2 lies in no division.
    {
        test::TempFolder dir;
        dir.write(Vek, test::fileOf({"3", "2", "0", "0", "0", "0", "0", "0", "0", "\"Alpha\"", "\"ALP\"", "7",
                                     "\"Beta\""}));
        auto pool = test::newPool();
        EXPECT_TRUE(readLeague(dir.folder(), *pool).endedEarly);
        EXPECT_EQ(pool->numTeams, 3);
        EXPECT_EQ(pool->teamName[0], QStringLiteral("Alpha"));
        EXPECT_EQ(pool->teamIcon[0], 7);
        EXPECT_EQ(pool->teamName[1], QStringLiteral("Beta"));
        EXPECT_EQ(pool->teamAbbr[1], QString());
        EXPECT_EQ(pool->teamName[2], QString());
        EXPECT_EQ(pool->teamName[3], QStringLiteral("TIE-"));
        EXPECT_EQ(pool->divisionRec[0].lastTeam, 1);
        EXPECT_EQ(pool->divisionRec[1].firstTeam, 2);
        EXPECT_EQ(pool->divisionRec[1].lastTeam, 1); // an empty division: the next starts at the same code
        EXPECT_EQ(pool->divisionRec[7].lastTeam, 1);
    }
}

TEST(LeagueFile, LargestLeagueUsesTheLastTwoSlotsForTieAndNone) {
    test::TempFolder dir;
    QList<QByteArray> lines{"37", "5", "5", "5", "5", "5", "4", "4", "4"};
    for (int team = 0; team < 37; ++team) {
        lines << QByteArray("\"Team\"") << QByteArray("\"T\"") << QByteArray::number(team % 36);
    }
    dir.write(Vek, test::fileOf(lines));
    auto pool = test::newPool();
    readLeague(dir.folder(), *pool);
    EXPECT_EQ(pool->numTeams, 37);
    EXPECT_EQ(pool->teamIcon[36], 0);
    EXPECT_EQ(pool->teamIcon[35], 35);
    EXPECT_EQ(pool->teamName[37], QStringLiteral("TIE-"));
    EXPECT_EQ(pool->teamAbbr[38], QStringLiteral("    "));
}

} // namespace
} // namespace vek
