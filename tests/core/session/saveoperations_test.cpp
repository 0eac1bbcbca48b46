// The weekly entry window's confirmed changes as session operations: what each writes, the order of the
// recomputations that follow, failed writes, the completeness flag, clearing a week and moving the
// current week on.
#include "app/startup.h"
#include "model/datafolder.h"
#include "model/eventsfile.h"
#include "model/filehelpers.h"
#include "model/predictionfiles.h"
#include "model/resultfiles.h"
#include "session/poolsession.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

namespace vek {
namespace {

const QStringList Members{QStringLiteral("Margaret Smith"), QStringLiteral("Bob Jones"),
                          QStringLiteral("Carla Castillo")};

/// A session over the sample pool, with every file of the pool on disk.
class SaveOperations : public ::testing::Test {
protected:
    explicit SaveOperations(int currentWeek = 3) {
        pool() = *test::samplePool(Members, currentWeek);
        test::writeAllFiles(dir.folder(), pool());
        QObject::connect(&session, &PoolSession::mainButtonsRefreshRequested, [this] {
            ++refreshes;
            if (onRefresh) {
                onRefresh();
            }
        });
    }
    PoolData& pool() { return session.pool(); }

    test::TempFolder dir;
    PoolSession session{dir.folder()};
    int refreshes = 0;
    std::function<void()> onRefresh;
};

TEST_F(SaveOperations, PredictionsWriteBothFilesThenRefreshThenRecompute) {
    pool().memberPicks[2][4][1] = pool().scheduleGrid[2][4][0];
    pool().memberPicks[2][5][1] = pool().scheduleGrid[2][5][1];
    pool().confidencePoints[2][4][1] = 77;
    pool().mondayNightTotal[2][1] = 45;
    pool().pickDiffTotal[0][1] = 999; // stale until the differences are recomputed
    pool().memberOdds.fill(-5.0F);
    session.teamsRecalculated = true;
    QByteArray prdAtRefresh;
    QByteArray cptAtRefresh;
    int16_t diffAtRefresh = 0;
    onRefresh = [&] {
        prdAtRefresh = dir.read(QStringLiteral("Bob Jone.PRD"));
        cptAtRefresh = dir.read(QStringLiteral("Bob Jone.CPT"));
        diffAtRefresh = pool().pickDiffTotal[0][1];
    };

    const WriteResult result = session.savePredictions(1);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(refreshes, 1);
    // Both files were whole before the main window heard of it; the differences came after.
    EXPECT_EQ(prdAtRefresh, dir.read(QStringLiteral("Bob Jone.PRD")));
    EXPECT_TRUE(cptAtRefresh.contains("\r\n77\r\n"));
    EXPECT_EQ(diffAtRefresh, 999);
    EXPECT_NE(pool().pickDiffTotal[0][1], 999);
    EXPECT_GE(pool().memberOdds[1], 0.0F);
    EXPECT_FALSE(session.teamsRecalculated);

    // What start-up reads back is what was saved.
    PoolSession fresh(dir.folder());
    test::RecordingStartupHost host;
    runLoadingStages(fresh, host, 2024);
    const WeekLayout layout = pool().weekLayout();
    for (int w = 0; w < layout.weeks(); ++w) {
        for (int g = 0; g < layout.games(w); ++g) {
            ASSERT_EQ(fresh.pool().memberPicks[w][g][1], pickCode(pool().memberPicks[w][g][1]))
                << w << "/" << g;
            ASSERT_EQ(fresh.pool().confidencePoints[w][g][1], pool().confidencePoints[w][g][1]);
        }
        ASSERT_EQ(fresh.pool().mondayNightTotal[w][1], pool().mondayNightTotal[w][1]);
    }
}

TEST_F(SaveOperations, CompletenessIsSetBothWays) {
    pool().weeklyPicks = 0; // every game is predicted before the season
    pool().memberPicks[9][3][0] = pool().noneCode();
    ASSERT_EQ(pool().predictionsComplete[0], True16);
    EXPECT_TRUE(session.savePredictions(0).ok);
    EXPECT_EQ(pool().predictionsComplete[0], 0);

    pool().memberPicks[9][3][0] = pool().scheduleGrid[9][3][1];
    EXPECT_TRUE(session.savePredictions(0).ok);
    EXPECT_EQ(pool().predictionsComplete[0], True16);

    // A missing Big Game pick counts only when the Big Game has points: after the save as after a start.
    pool().postSeasonPicks[12][0] = pool().noneCode();
    pool().bigGamePoints = 0;
    ASSERT_TRUE(writeEventProfiles(dir.folder(), pool()).ok);
    EXPECT_TRUE(session.savePredictions(0).ok);
    EXPECT_EQ(pool().predictionsComplete[0], True16);
    PoolSession fresh(dir.folder());
    test::RecordingStartupHost host;
    runLoadingStages(fresh, host, 2024);
    EXPECT_EQ(fresh.pool().predictionsComplete[0], True16);
    pool().bigGamePoints = 1000;
    EXPECT_TRUE(session.savePredictions(0).ok);
    EXPECT_EQ(pool().predictionsComplete[0], 0);
}

TEST_F(SaveOperations, NoFilesForAMemberOutsideTheList) {
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    const WriteResult result = session.savePredictions(3);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);
    EXPECT_EQ(refreshes, 0);
    EXPECT_FALSE(session.savePredictions(-1).ok);
}

TEST_F(SaveOperations, ResultsRefreshTheMainWindowBetweenTheTwoFiles) {
    pool().usePointSpreads = True16;
    pool().currentWeek = 4;
    for (int g = 0; g < pool().games(4); ++g) {
        pool().gameWinner[4][g] = pool().scheduleGrid[4][g][1];
        pool().gameScore[4][g] = {10, 20};
    }
    pool().spreadWinner[4][0] = -3;
    session.teamsRecalculated = true;
    const QByteArray oldScores = dir.read(QStringLiteral("scores.dat"));
    QByteArray resultsAtRefresh;
    QByteArray scoresAtRefresh;
    onRefresh = [&] {
        resultsAtRefresh = dir.read(QStringLiteral("results.dat"));
        scoresAtRefresh = dir.read(QStringLiteral("scores.dat"));
    };

    EXPECT_TRUE(session.saveResults().ok);
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(resultsAtRefresh.startsWith("4\r\n"));
    EXPECT_EQ(scoresAtRefresh, oldScores);
    EXPECT_NE(dir.read(QStringLiteral("scores.dat")), oldScores);
    EXPECT_FALSE(session.teamsRecalculated);
    EXPECT_NE(pool().spreadWinner[4][0], -3);

    PoolSession fresh(dir.folder());
    test::RecordingStartupHost host;
    runLoadingStages(fresh, host, 2024);
    EXPECT_EQ(fresh.pool().currentWeek, 4);
    EXPECT_EQ(fresh.pool().gameWinner, pool().gameWinner);
    EXPECT_EQ(fresh.pool().gameScore, pool().gameScore);
    EXPECT_EQ(fresh.pool().postSeasonResults, pool().postSeasonResults);
    EXPECT_EQ(fresh.pool().postSeasonSeeds, pool().postSeasonSeeds);
}

TEST_F(SaveOperations, ResultsWithoutSpreadsLeaveTheSpreadWinners) {
    pool().usePointSpreads = 0;
    pool().spreadWinner[0][0] = -3;
    EXPECT_TRUE(session.saveResults().ok);
    EXPECT_EQ(pool().spreadWinner[0][0], -3);
}

TEST_F(SaveOperations, SpreadsWriteTheFavouritesAndDecideTheSpreadWinners) {
    pool().favoriteTeam[1][2] = pool().tieCode();
    pool().pointSpread[1][2] = 0.0F;
    pool().favoriteTeam[1][3] = pool().scheduleGrid[1][3][0];
    pool().pointSpread[1][3] = 100.0F; // the favourite cannot cover
    pool().spreadWinner[1][3] = -3;
    EXPECT_TRUE(session.saveSpreads().ok);
    EXPECT_EQ(pool().spreadWinner[1][3], pool().scheduleGrid[1][3][1]);
    EXPECT_EQ(refreshes, 0);

    PoolSession fresh(dir.folder());
    test::RecordingStartupHost host;
    runLoadingStages(fresh, host, 2024);
    EXPECT_EQ(fresh.pool().favoriteTeam, pool().favoriteTeam);
    EXPECT_EQ(fresh.pool().pointSpread, pool().pointSpread);
}

TEST_F(SaveOperations, AFailedWriteIsReportedStopsTheSaveAndTheRecomputationsStillRun) {
    // A folder in the way of each file.
    for (const char* name : {"results.dat", "favorite.dat", "Margaret.PRD", "Bob Jone.CPT"}) {
        QFile::remove(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromLatin1(name)));
    }
    pool().usePointSpreads = True16;
    pool().spreadWinner[0][0] = -3;
    const QByteArray oldScores = dir.read(QStringLiteral("scores.dat"));
    pool().gameScore[0][0] = {55, 3};
    WriteResult result = session.saveResults();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.fileName, QStringLiteral("results.dat"));
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(dir.read(QStringLiteral("scores.dat")), oldScores); // not written after results.dat failed
    EXPECT_NE(pool().spreadWinner[0][0], -3);

    pool().spreadWinner[0][0] = -3;
    result = session.saveSpreads();
    EXPECT_EQ(result.fileName, QStringLiteral("favorite.dat"));
    EXPECT_NE(pool().spreadWinner[0][0], -3);

    // The .PRD file failed: the .CPT file is left as it was.
    const QByteArray oldConfidence = dir.read(QStringLiteral("Margaret.CPT"));
    pool().confidencePoints[0][0][0] = 99;
    pool().pickDiffTotal[0][1] = 999;
    result = session.savePredictions(0);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.fileName, QStringLiteral("Margaret.PRD"));
    EXPECT_EQ(dir.read(QStringLiteral("Margaret.CPT")), oldConfidence);
    EXPECT_NE(pool().pickDiffTotal[0][1], 999);

    // The .PRD file written, the .CPT file failed: that is the file named.
    result = session.savePredictions(1);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.fileName, QStringLiteral("Bob Jone.CPT"));
}

TEST_F(SaveOperations, TheWeeklySavesWriteWithTheScheduleOnDisk) {
    // Start-up records the layout of schedule.dat; the schedule editor then changes the schedule in
    // memory without saving it: two more bye slots in week 0.
    PoolSession started(dir.folder());
    test::RecordingStartupHost host;
    runLoadingStages(started, host, 2024);
    const WeekLayout onDisk = started.pool().weekLayout();
    EXPECT_EQ(started.fileLayout().openDates, onDisk.openDates);
    started.pool().openDates[0] = static_cast<int16_t>(started.pool().openDates[0] + 2);
    ASSERT_EQ(started.pool().games(0), onDisk.games(0) - 2);
    const int games = [&] {
        int total = 0;
        forEachGame(onDisk, [&](int, int) { ++total; });
        return total;
    }();

    started.pool().gameWinner[0][onDisk.games(0) - 1] = started.pool().tieCode(); // a game the memory lost
    started.pool().memberPicks[0][onDisk.games(0) - 1][1] = 7;
    ASSERT_TRUE(started.saveResults().ok);
    ASSERT_TRUE(started.savePredictions(1).ok);
    ASSERT_TRUE(started.saveSpreads().ok);
    EXPECT_EQ(test::fileLines(dir.read(QStringLiteral("results.dat"))).size(), 1 + games + 13 + 12);
    EXPECT_EQ(test::fileLines(dir.read(QStringLiteral("scores.dat"))).size(), 2 * games);
    EXPECT_EQ(test::fileLines(dir.read(QStringLiteral("favorite.dat"))).size(), 2 * games);
    EXPECT_EQ(test::fileLines(dir.read(QStringLiteral("Bob Jone.PRD"))).size(), games + 13);

    // The next start reads them over the same schedule, so every value is where it was.
    PoolSession next(dir.folder());
    runLoadingStages(next, host, 2024);
    EXPECT_EQ(next.pool().gameWinner[0][onDisk.games(0) - 1], next.pool().tieCode());
    EXPECT_EQ(next.pool().memberPicks[0][onDisk.games(0) - 1][1], 7);
    EXPECT_EQ(next.pool().gameWinner[1][0], started.pool().gameWinner[1][0]);

    // A schedule saved later records its own layout.
    started.setFileLayout(started.pool().weekLayout());
    ASSERT_TRUE(started.saveSpreads().ok);
    EXPECT_EQ(test::fileLines(dir.read(QStringLiteral("favorite.dat"))).size(), 2 * (games - 2));
}

TEST_F(SaveOperations, ClearingAWeekWritesNothingAndRefreshes) {
    pool().usePointSpreads = True16;
    const QByteArray results = dir.read(QStringLiteral("results.dat"));
    session.clearWeekResults(3);
    EXPECT_EQ(pool().currentWeek, 2);
    EXPECT_EQ(pool().gameWinner[3][0], pool().noneCode());
    EXPECT_EQ(pool().gameScore[3][14], (std::array<int16_t, 2>{0, 0}));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(dir.read(QStringLiteral("results.dat")), results);

    pool().usePointSpreads = 0;
    pool().gameScore[2][0] = {7, 9};
    session.clearWeekResults(5); // after the current week: the current week stays
    session.clearWeekResults(2);
    EXPECT_EQ(pool().currentWeek, 1);
    EXPECT_EQ(pool().gameScore[2][0], (std::array<int16_t, 2>{7, 9})); // scores stay without spreads

    session.clearWeekPicks(1, 6);
    EXPECT_EQ(pool().memberPicks[6][14][1], pool().noneCode());
    EXPECT_NE(pool().memberPicks[6][0][0], pool().noneCode());
    EXPECT_NE(pool().memberPicks[7][0][1], pool().noneCode());
    EXPECT_EQ(refreshes, 4);
}

TEST_F(SaveOperations, TheCurrentWeekMovesOnlyOverARunOfCompleteWeeks) {
    auto complete = [&](int week) {
        for (int g = 0; g < pool().games(week); ++g) {
            pool().gameWinner[week][g] = g % 3 == 0 ? pool().tieCode() : pool().scheduleGrid[week][g][g % 2];
        }
    };
    ASSERT_EQ(pool().currentWeek, 3);
    complete(7);
    EXPECT_EQ(session.advanceCurrentWeek(), 3);
    complete(6);
    complete(5);
    EXPECT_EQ(session.advanceCurrentWeek(), 3);
    EXPECT_FALSE(session.weekResultsComplete(4));
    complete(4);
    EXPECT_TRUE(session.weekResultsComplete(4));
    EXPECT_EQ(session.advanceCurrentWeek(), 7);

    // Never backwards, and a result that names neither team does not count.
    pool().gameWinner[2][0] = pool().noneCode();
    EXPECT_EQ(session.advanceCurrentWeek(), 7);
    complete(8);
    pool().gameWinner[8][3] = 5; // a team that does not play in that game
    EXPECT_FALSE(session.weekResultsComplete(8));
    EXPECT_EQ(session.advanceCurrentWeek(), 7);

    // The season's last week ends the run.
    for (int w = 8; w < 17; ++w) {
        complete(w);
    }
    EXPECT_EQ(session.advanceCurrentWeek(), 16);
}

} // namespace
} // namespace vek
