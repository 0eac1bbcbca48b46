// The league editor's OK as a session operation: every stored code follows its team through an add, a
// delete and a move, in memory and in every file, all or nothing.
#include "app/startup.h"
#include "engine/pickdifferences.h"
#include "session/leaguechanges.h"
#include "session/poolsession.h"
#include "setup/leagueworkingcopy.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QStringList>

#include <gtest/gtest.h>

namespace vek {
namespace {

const QStringList Members{QStringLiteral("Margaret Smith"), QStringLiteral("Bob Jones")};

// What a code means: a team by its name, the tie, or nothing.
QString meaning(const PoolData& pool, int code) {
    code &= 0xFF;
    if (code == pool.tieCode()) {
        return QStringLiteral("tie");
    }
    if (code == pool.noneCode()) {
        return QStringLiteral("none");
    }
    return code < pool.numTeams ? pool.teamName[code] : QStringLiteral("damage %1").arg(code);
}

QString entryMeaning(const PoolData& pool, int16_t entry) {
    return entry >= ByeFlag ? QStringLiteral("bye ") + meaning(pool, entry & 0xFF) : meaning(pool, entry);
}

class LeagueChanges : public ::testing::Test {
protected:
    LeagueChanges() {
        test::writeAllFiles(dir.folder(), *original);
        load(session);
        copy.load(pool());
    }
    static void load(PoolSession& into) {
        test::RecordingStartupHost host;
        runLoadingStages(into, host, 2031);
    }
    PoolData& pool() { return session.pool(); }
    std::map<QString, QByteArray> files() const {
        std::map<QString, QByteArray> content;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files)) {
            content[name] = dir.read(name);
        }
        return content;
    }
    /// A team added to NFC East, "Team 9" (NFC South) deleted, "Team 21" moved from AFC North to AFC West.
    void realign() {
        copy.commit(0, QStringLiteral("Harbour City Gulls"), QStringLiteral("HCG"));
        copy.remove(2, 0);
        copy.remove(5, 0);
        copy.commit(7, QStringLiteral("Team 21"), QStringLiteral("T21"));
    }

    std::unique_ptr<PoolData> original = test::samplePool(Members, 3);
    test::TempFolder dir;
    PoolSession session{dir.folder()};
    LeagueWorkingCopy copy;
};

TEST_F(LeagueChanges, EveryStoredCodeFollowsItsTeamIntoTheFiles) {
    realign();
    const TeamCodeMap codes = mapTeamCodes(pool(), copy.alignment());
    EXPECT_TRUE(deletedTeamsInUse(pool(), codes, pool().weekLayout()));
    session.teamsRecalculated = true;
    int refreshes = 0;
    QObject::connect(&session, &PoolSession::mainButtonsRefreshRequested, [&] { ++refreshes; });
    ASSERT_TRUE(SaveLeagueAlignment(session, copy.alignment()).ok);
    EXPECT_FALSE(session.teamsRecalculated);
    EXPECT_EQ(refreshes, 1); // the weekly entry no longer offers games with an empty side

    PoolSession fresh(dir.folder());
    load(fresh);
    for (const PoolData* now : {&pool(), &fresh.pool()}) {
        EXPECT_EQ(now->numTeams, 32);
        EXPECT_EQ(now->teamName[4], QStringLiteral("Harbour City Gulls"));
        EXPECT_EQ(now->teamName[31], QStringLiteral("Team 21"));
        EXPECT_EQ(now->divisionRec[0].teamCount, 5);
        EXPECT_EQ(now->divisionRec[2].teamCount, 3);
        EXPECT_EQ(now->divisionRec[7].lastTeam, 31);
        EXPECT_EQ(now->teamName[32], QStringLiteral("TIE-"));
        EXPECT_FALSE(isTrue(now->scheduleVerified));
        // A deleted team's entries become none, everything else means what it meant.
        const auto expected = [&](const QString& before) {
            return before == QStringLiteral("Team 9") ? QStringLiteral("none") : before;
        };
        const PoolData& was = *original;
        for (int week = 0; week < 17; ++week) {
            for (int game = 0; game < was.games(week); ++game) {
                SCOPED_TRACE(testing::Message() << "week " << week << " game " << game);
                EXPECT_EQ(meaning(*now, now->memberPicks[week][game][1]),
                          expected(meaning(was, was.memberPicks[week][game][1])));
                EXPECT_EQ(meaning(*now, now->gameWinner[week][game]),
                          expected(meaning(was, was.gameWinner[week][game])));
                EXPECT_EQ(meaning(*now, now->favoriteTeam[week][game]),
                          expected(meaning(was, was.favoriteTeam[week][game])));
            }
            for (int slot = 0; slot < 16; ++slot) {
                for (int side = 0; side < 2; ++side) {
                    const QString before = entryMeaning(was, was.scheduleGrid[week][slot][side]);
                    const QString after = entryMeaning(*now, now->scheduleGrid[week][slot][side]);
                    EXPECT_EQ(after,
                              before.endsWith(QStringLiteral("Team 9")) ? QStringLiteral("none") : before);
                }
            }
        }
        EXPECT_EQ(meaning(*now, now->postSeasonPicks[10][0]),
                  expected(meaning(was, was.postSeasonPicks[10][0])));
        EXPECT_EQ(meaning(*now, now->postSeasonResults[7]), expected(meaning(was, was.postSeasonResults[7])));
        // Pictures stay with their codes.
        EXPECT_EQ(now->teamIcon[5], was.teamIcon[5]);
    }
    // The differences in memory are the ones a restart works out from the files.
    CalcPickDifferences(fresh.pool());
    EXPECT_EQ(pool().pickDiffTotal, fresh.pool().pickDiffTotal);
    EXPECT_EQ(pool().uniquePicks, fresh.pool().uniquePicks);
}

TEST_F(LeagueChanges, ADeletedTeamLeavesTheScheduleIncompleteThoughTheCountsAgree) {
    // One entry less per week for one team less, and every other team still balanced: only the games
    // left with an empty side tell that the schedule is no longer whole.
    copy.remove(2, 0);
    int refreshes = 0;
    QObject::connect(&session, &PoolSession::mainButtonsRefreshRequested, [&] { ++refreshes; });
    ASSERT_TRUE(SaveLeagueAlignment(session, copy.alignment()).ok);
    EXPECT_EQ(pool().scheduleEntries, 17 * 31);
    EXPECT_FALSE(isTrue(pool().scheduleVerified));
    EXPECT_EQ(refreshes, 1);

    PoolSession fresh(dir.folder());
    test::RecordingStartupHost host;
    runLoadingStages(fresh, host, 2031);
    EXPECT_FALSE(isTrue(fresh.pool().scheduleVerified));
    EXPECT_TRUE(host.messages.contains(QStringLiteral("VEK schedule is not complete !")));
}

TEST_F(LeagueChanges, AFailedWriteChangesNoTableAndNoFile) {
    realign();
    QFile::remove(dir.filePath(QStringLiteral("scores.dat")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("scores.dat/inside")));
    const auto before = files();
    const auto tablesBefore = std::make_unique<PoolData>(pool());
    const WriteResult result = SaveLeagueAlignment(session, copy.alignment());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.fileName, QStringLiteral("scores.dat"));
    EXPECT_EQ(files(), before);
    EXPECT_EQ(pool().teamName, tablesBefore->teamName);
    EXPECT_EQ(pool().memberPicks, tablesBefore->memberPicks);
    EXPECT_EQ(pool().scheduleGrid, tablesBefore->scheduleGrid);
}

TEST_F(LeagueChanges, RenamingATeamRewritesOnlyTheLeague) {
    const auto before = files();
    ASSERT_TRUE(SaveLeagueAlignment(session, copy.alignment()).ok);
    EXPECT_EQ(files(), before); // no change: the same file again

    copy.armEdit(3, 2);
    copy.commit(3, QStringLiteral("Team 15 of the Long Valley"), QStringLiteral("T15"));
    const TeamCodeMap codes = mapTeamCodes(pool(), copy.alignment());
    EXPECT_FALSE(codes.changesCodes);
    EXPECT_FALSE(deletedTeamsInUse(pool(), codes, pool().weekLayout()));
    ASSERT_TRUE(SaveLeagueAlignment(session, copy.alignment()).ok);
    for (const auto& [name, bytes] : files()) {
        EXPECT_EQ(bytes == before.at(name), name != QStringLiteral("vek.dat")) << name.toStdString();
    }
    EXPECT_EQ(pool().teamName[14], QStringLiteral("Team 15 of the Long Valley"));
    EXPECT_TRUE(isTrue(pool().scheduleVerified));
}

TEST_F(LeagueChanges, AnAlignmentBeyondTheTablesIsRefused) {
    LeagueAlignment tooMany = copy.alignment();
    tooMany.divisions[1].resize(7);
    const auto before = files();
    EXPECT_FALSE(SaveLeagueAlignment(session, tooMany).ok);
    EXPECT_EQ(pool().divisionRec[1].teamCount, 4);
    EXPECT_EQ(files(), before);
}

TEST(LeagueWithoutASchedule, TheSeasonFollowsTheNumberOfTeamsAsAtTheNextStart) {
    test::TempFolder dir;
    PoolSession session(dir.folder());
    test::RecordingStartupHost host;
    runLoadingStages(session, host, 2031); // no files: 32 teams, an empty season of 16 slots a week
    LeagueWorkingCopy copy;
    copy.load(session.pool());
    ASSERT_TRUE(copy.remove(0, 0));
    ASSERT_TRUE(copy.remove(7, 0));
    ASSERT_TRUE(copy.remove(7, 0));
    ASSERT_TRUE(SaveLeagueAlignment(session, copy.alignment()).ok);

    PoolSession fresh(dir.folder());
    runLoadingStages(fresh, host, 2031);
    runStartupComputations(fresh, host);
    const PoolData& now = session.pool();
    // 29 teams: fourteen games and a bye take fifteen slots.
    EXPECT_EQ(fresh.pool().gamesPerWeek, 15);
    EXPECT_EQ(now.gamesPerWeek, 15); // so that the schedule editor offers the slots the league needs
    EXPECT_EQ(now.numWeeks, fresh.pool().numWeeks);
    EXPECT_EQ(now.scheduleGrid, fresh.pool().scheduleGrid);
    EXPECT_EQ(session.fileLayout().games(16), 15);
    EXPECT_EQ(now.minWeekGames, fresh.pool().minWeekGames);
}

} // namespace
} // namespace vek
