// results.dat, scores.dat and favorite.dat.
#include "model/pooldata.h"
#include "model/resultfiles.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

const QString Results = QStringLiteral("results.dat");
const QString Scores = QStringLiteral("scores.dat");
const QString Favorites = QStringLiteral("favorite.dat");

// 17 weeks of 16 games, no byes, 32 teams.
std::unique_ptr<PoolData> fullWeeksPool() {
    auto pool = test::newPool();
    test::fillSampleLeague(*pool);
    pool->numWeeks = 17;
    pool->gamesPerWeek = 16;
    for (int week = 0; week < 17; ++week) {
        for (int game = 0; game < 16; ++game) {
            pool->scheduleGrid[week][game] = {static_cast<int16_t>(2 * game),
                                              static_cast<int16_t>(2 * game + 1), 0};
        }
    }
    return pool;
}

TEST(ResultFiles, SizesAndCodesOfASeasonWithoutResults) {
    test::TempFolder dir;
    auto pool = fullWeeksPool();
    test::fillSampleResults(*pool, -1);
    pool->postSeasonResults.fill(pool->noneCode());
    pool->favoriteTeam[0][0] = pool->tieCode(); // an even game
    pool->pointSpread[0][0] = 0.0f;
    pool->favoriteTeam[0][1] = 5;
    pool->pointSpread[0][1] = 3.5f;
    const WeekLayout layout = pool->weekLayout();
    ASSERT_TRUE(writeResults(dir.folder(), *pool, layout).ok);
    ASSERT_TRUE(writeScores(dir.folder(), *pool, layout).ok);
    ASSERT_TRUE(writeFavorites(dir.folder(), *pool, layout).ok);

    const QList<QByteArray> results = test::fileLines(dir.read(Results));
    ASSERT_EQ(results.size(), 298);
    EXPECT_EQ(results[0], "-1");
    EXPECT_EQ(results.mid(1, 272 + 13), QList<QByteArray>(272 + 13, "33"));
    EXPECT_EQ(results[286], "1"); // the seeds follow
    EXPECT_EQ(test::fileLines(dir.read(Scores)).size(), 544);
    const QList<QByteArray> favorites = test::fileLines(dir.read(Favorites));
    ASSERT_EQ(favorites.size(), 544);
    EXPECT_EQ(favorites.mid(0, 4), (QList<QByteArray>{"32", "0", "5", "3.5"}));

    auto read = test::newPool();
    read->numTeams = 32;
    readResults(dir.folder(), *read, layout);
    EXPECT_EQ(read->currentWeek, -1);
    EXPECT_EQ(read->gameWinner[16][15], 33);
    readFavorites(dir.folder(), *read, layout);
    EXPECT_EQ(read->favoriteTeam[0][0], 32);
    EXPECT_EQ(read->pointSpread[0][1], 3.5f);
}

TEST(ResultFiles, RoundTripReadsEveryWeekAndThePostSeason) {
    test::TempFolder dir;
    auto written = test::samplePool({}, 5); // weeks with byes: 15 games
    written->gameWinner[9][2] = 7;          // a result entered ahead of the complete weeks
    written->gameScore[9][2] = {21, 14};
    const WeekLayout layout = written->weekLayout();
    ASSERT_TRUE(writeResults(dir.folder(), *written, layout).ok);
    ASSERT_TRUE(writeScores(dir.folder(), *written, layout).ok);
    ASSERT_TRUE(writeFavorites(dir.folder(), *written, layout).ok);
    EXPECT_EQ(test::fileLines(dir.read(Results)).size(), 1 + 16 * 15 + 16 + 13 + 12);

    auto read = test::newPool();
    read->numTeams = 32;
    EXPECT_FALSE(readResults(dir.folder(), *read, layout).endedEarly);
    EXPECT_FALSE(readScores(dir.folder(), *read, layout).endedEarly);
    EXPECT_FALSE(readFavorites(dir.folder(), *read, layout).endedEarly);
    EXPECT_EQ(read->currentWeek, 5);
    for (int week = 0; week < 17; ++week) {
        for (int game = 0; game < layout.games(week); ++game) {
            EXPECT_EQ(read->gameWinner[week][game], written->gameWinner[week][game]);
            EXPECT_EQ(read->gameScore[week][game], written->gameScore[week][game]);
            EXPECT_EQ(read->favoriteTeam[week][game], written->favoriteTeam[week][game]);
            EXPECT_EQ(read->pointSpread[week][game], written->pointSpread[week][game]);
        }
    }
    EXPECT_EQ(read->gameWinner[9][2], 7);
    EXPECT_EQ(read->gameWinner[3][2], 32); // a tie
    EXPECT_EQ(read->postSeasonResults, written->postSeasonResults);
    EXPECT_EQ(read->postSeasonSeeds, written->postSeasonSeeds);
}

TEST(ResultFiles, MissingAndEmptyResults) {
    test::TempFolder dir;
    auto pool = fullWeeksPool();
    const WeekLayout layout = pool->weekLayout();
    pool->gameWinner[2][2] = 4;
    pool->postSeasonResults[12] = 4;
    pool->postSeasonSeeds[0] = 3;
    pool->gameScore[0][0] = {7, 3};
    EXPECT_FALSE(readResults(dir.folder(), *pool, layout).opened);
    EXPECT_EQ(pool->currentWeek, -1);
    EXPECT_EQ(pool->gameWinner[2][2], 33);
    EXPECT_EQ(pool->postSeasonResults[12], 33);
    EXPECT_EQ(pool->postSeasonSeeds[0], 3); // seeds are not reset
    EXPECT_FALSE(readScores(dir.folder(), *pool, layout).opened);
    EXPECT_EQ(pool->gameScore[0][0][0], 7);

    // A file without values leaves currentWeek as it was: 0 at start-up.
    dir.write(Results, "");
    pool->currentWeek = 0;
    EXPECT_TRUE(readResults(dir.folder(), *pool, layout).endedEarly);
    EXPECT_EQ(pool->currentWeek, 0);
    EXPECT_EQ(pool->gameWinner[0][0], 33);

    pool->favoriteTeam[1][1] = 3;
    pool->pointSpread[1][1] = 7.5f;
    EXPECT_FALSE(readFavorites(dir.folder(), *pool, layout).opened);
    EXPECT_EQ(pool->favoriteTeam[1][1], 33);
    EXPECT_EQ(pool->pointSpread[1][1], 0.0f);
}

TEST(ResultFiles, CurrentWeekIsKeptWithinTheSeasonAndOnlyAWeekReadIsReplaced) {
    struct Case {
        QByteArray file;
        int weeks;
        int currentWeek;
        bool replaced;
    };
    const Case cases[] = {
        {"40\r\n", 17, 16, true},  {"-7\r\n", 17, -1, true},
        {"16\r\n", 17, 16, false}, {"-1\r\n", 17, -1, false},
        {"3\r\n", 0, -1, true},    {"", 17, 0, false}, // an empty file: week 0 counts as complete
        {"", 0, -1, false}, // and without weeks there is none: nothing in the file was replaced
    };
    test::TempFolder dir;
    auto pool = fullWeeksPool();
    for (const Case& c : cases) {
        WeekLayout layout = pool->weekLayout();
        layout.numWeeks = static_cast<int16_t>(c.weeks);
        pool->currentWeek = 0; // its start-up value
        dir.write(Results, c.file);
        const ReadOutcome outcome = readResults(dir.folder(), *pool, layout);
        EXPECT_EQ(pool->currentWeek, c.currentWeek) << c.file.constData() << " " << c.weeks;
        EXPECT_EQ(outcome.valuesReplaced, c.replaced) << c.file.constData() << " " << c.weeks;
    }
}

TEST(ResultFiles, TeamCodesOutsideTheTeamSlotsAreNotStored) {
    test::TempFolder dir;
    auto pool = fullWeeksPool();
    WeekLayout layout = pool->weekLayout();
    layout.numWeeks = 1;
    layout.gamesPerWeek = 2;
    dir.write(Results, test::fileOf({"0", "39", "-2", "1000", "5"}));
    readResults(dir.folder(), *pool, layout);
    EXPECT_EQ(pool->gameWinner[0][0], 33);
    EXPECT_EQ(pool->gameWinner[0][1], 33);
    EXPECT_EQ(pool->postSeasonResults[0], 33);
    EXPECT_EQ(pool->postSeasonResults[1], 5);

    dir.write(Favorites, test::fileOf({"77", "3.5", "6", "1e39"}));
    readFavorites(dir.folder(), *pool, layout);
    EXPECT_EQ(pool->favoriteTeam[0][0], 33);
    EXPECT_EQ(pool->pointSpread[0][0], 3.5f);
    EXPECT_EQ(pool->favoriteTeam[0][1], 6);
    EXPECT_EQ(pool->pointSpread[0][1], 0.0f);
}

} // namespace
} // namespace vek
