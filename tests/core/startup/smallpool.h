#pragma once

#include "model/datafolder.h"
#include "model/eventsfile.h"
#include "model/leaguefile.h"
#include "model/membersfile.h"
#include "model/pooldata.h"
#include "model/poolfile.h"
#include "model/predictionfiles.h"
#include "model/resultfiles.h"
#include "model/schedulefile.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace vek::test {

/// The options a small pool is written with.
struct SmallPoolOptions {
    int16_t usePointSpreads = 0;
    int16_t weeklyPicks = 1;
    int32_t wildChoicePoints = 0;
    int16_t currentWeek = 1; // two weeks of results; -1 none
};

/// A small pool for start-up tests: eight teams (one per division), a verified schedule of four weeks
/// of four games without byes, three members with complete predictions and two weeks of results.
/// - Anna picks every home team, Bert too except the first game of week 0 (the away team), Cleo every
///   away team: differences Anna-Bert 1, Anna-Cleo 16, Bert-Cleo 15; unique picks Anna 1, Bert 0,
///   Cleo 15.
/// - The home teams win every game of weeks 0 and 1 but the first of week 1, where team 1 wins away:
///   team 1 leads the league at 2-0.
/// - Every home team is the favourite by 7; in game 1 of week 0 team 3 wins 14 to 10, so team 2 wins
///   against the spread.
inline std::unique_ptr<PoolData> smallPool(const SmallPoolOptions& options) {
    auto pool = std::make_unique<PoolData>();
    PoolData& p = *pool;
    p.numTeams = 8;
    for (Division& division : p.divisionRec) {
        division.teamCount = 1;
    }
    for (int team = 0; team < 8; ++team) {
        p.teamName[team] = QStringLiteral("City %1").arg(team);
        p.teamAbbr[team] = QStringLiteral("C%1").arg(team);
    }
    deriveLeagueTables(p);

    p.weeklyPicks = options.weeklyPicks;
    p.usePointSpreads = options.usePointSpreads;
    p.wildChoicePoints = options.wildChoicePoints;
    p.halfWeeks = {2, 2};
    p.quarterWeeks = {1, 1, 1, 1};

    p.seasonYear = 2030;
    p.numWeeks = 4;
    p.gamesPerWeek = 4;
    p.byesPerTeam = 0;
    // {away, home} per game; every team is twice away and twice at home.
    const std::array<std::array<std::array<int16_t, 2>, 4>, 4> games{{
        {{{0, 1}, {2, 3}, {4, 5}, {6, 7}}},
        {{{1, 0}, {3, 2}, {5, 4}, {7, 6}}},
        {{{0, 2}, {1, 3}, {4, 6}, {5, 7}}},
        {{{2, 0}, {3, 1}, {6, 4}, {7, 5}}},
    }};
    for (int week = 0; week < 4; ++week) {
        for (int game = 0; game < 4; ++game) {
            p.scheduleGrid[week][game][0] = games[week][game][0];
            p.scheduleGrid[week][game][1] = games[week][game][1];
        }
    }
    p.scheduleEntries = 32;
    p.scheduleVerified = True16;

    const QStringList names{QStringLiteral("Anna"), QStringLiteral("Bert"), QStringLiteral("Cleo")};
    p.numMembers = 3;
    for (int m = 0; m < 3; ++m) {
        p.memberName[m] = names[m];
        p.memberEmail[m] = names[m].toLower() + QStringLiteral("@example.org");
        for (int week = 0; week < 4; ++week) {
            for (int game = 0; game < 4; ++game) {
                const int side = m == 2 || (m == 1 && week == 0 && game == 0) ? 0 : 1;
                p.memberPicks[week][game][m] = p.scheduleGrid[week][game][side];
                p.confidencePoints[week][game][m] = static_cast<int16_t>(4 - game);
            }
            p.mondayNightTotal[week][m] = static_cast<int16_t>(40 + m);
        }
        for (int slot = 0; slot < PostSeasonSlots; ++slot) {
            p.postSeasonPicks[slot][m] = static_cast<int16_t>(slot % 8);
        }
        p.predictionsComplete[m] = True16;
    }

    p.currentWeek = options.currentWeek;
    for (int week = 0; week < 4; ++week) {
        for (int game = 0; game < 4; ++game) {
            const bool played = week <= 1;
            const bool awayWins = week == 1 && game == 0;
            p.gameWinner[week][game] = !played ? p.noneCode() : p.scheduleGrid[week][game][awayWins ? 0 : 1];
            p.gameScore[week][game][0] = static_cast<int16_t>(!played ? 0 : awayWins ? 21 : 10);
            p.gameScore[week][game][1] = static_cast<int16_t>(!played ? 0 : awayWins ? 7 : 14);
            p.favoriteTeam[week][game] = p.scheduleGrid[week][game][1];
            p.pointSpread[week][game] = 7.0F;
        }
    }
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        p.postSeasonResults[slot] = p.noneCode();
    }
    return pool;
}

/// Writes every data file of the small pool with the program's writers (header-only, so that the window
/// tests can use it too); fails the calling test when a write fails.
inline void writeSmallPool(const DataFolder& folder, const SmallPoolOptions& options) {
    const std::unique_ptr<PoolData> pool = smallPool(options);
    const WeekLayout layout = pool->weekLayout();
    EXPECT_TRUE(writeLeague(folder, *pool).ok);
    EXPECT_TRUE(writePoolOptions(folder, *pool).ok);
    EXPECT_TRUE(writeEventProfiles(folder, *pool).ok);
    EXPECT_TRUE(writeSchedule(folder, *pool).ok);
    EXPECT_TRUE(writeMembers(folder, *pool).ok);
    for (int member = 0; member < pool->memberCount(); ++member) {
        EXPECT_TRUE(writePredictions(folder, *pool, member, layout).ok);
        EXPECT_TRUE(writeConfidence(folder, *pool, member, layout).ok);
    }
    EXPECT_TRUE(writeResults(folder, *pool, layout).ok);
    EXPECT_TRUE(writeScores(folder, *pool, layout).ok);
    EXPECT_TRUE(writeFavorites(folder, *pool, layout).ok);
}

} // namespace vek::test
