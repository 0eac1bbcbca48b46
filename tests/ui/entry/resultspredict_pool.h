#pragma once

#include "app/model/datafolder.h"
#include "app/model/eventsfile.h"
#include "app/model/leaguefile.h"
#include "app/model/membersfile.h"
#include "app/model/pooldata.h"
#include "app/model/poolfile.h"
#include "app/model/predictionfiles.h"
#include "app/model/resultfiles.h"
#include "app/model/schedulefile.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace vek::test {

// A whole pool for the weekly entry window's tests, in the shape of the core tests' sample pool: 32 teams
// in eight divisions of four, 17 weeks of 16 slots (weeks 0..15 have 15 games and a bye, week 16 has 16),
// members with complete predictions, results through a given week, a favourite for every game.

inline void fillEntryLeague(PoolData& pool) {
    pool.numTeams = 32;
    for (Division& division : pool.divisionRec) {
        division.teamCount = 4;
    }
    for (int team = 0; team < 32; ++team) {
        pool.teamName[team] = QStringLiteral("Team %1").arg(team + 1);
        pool.teamAbbr[team] = QStringLiteral("T%1").arg(team + 1, 2, 10, QLatin1Char('0'));
        pool.teamIcon[team] = static_cast<int16_t>(team % 36);
    }
    deriveLeagueTables(pool);
}

// Teams 2k and 2k+1 meet every week except week k, when both have their bye in the last slot; they take
// turns at home.
inline void fillEntrySchedule(PoolData& pool) {
    pool.seasonYear = 2024;
    pool.numWeeks = 17;
    pool.byesPerTeam = 1;
    pool.gamesPerWeek = 16;
    std::array<int, 16> played{};
    for (int week = 0; week < 17; ++week) {
        int slot = 0;
        for (int pair = 0; pair < 16; ++pair) {
            if (pair == week) {
                continue;
            }
            const bool firstAway = played[pair]++ % 2 == 0;
            pool.scheduleGrid[week][slot][0] = static_cast<int16_t>(firstAway ? 2 * pair : 2 * pair + 1);
            pool.scheduleGrid[week][slot][1] = static_cast<int16_t>(firstAway ? 2 * pair + 1 : 2 * pair);
            ++slot;
        }
        pool.openDates[week] = week < 16 ? 1 : 0;
        if (week < 16) {
            pool.scheduleGrid[week][15][0] = static_cast<int16_t>(ByeFlag + 2 * week);
            pool.scheduleGrid[week][15][1] = static_cast<int16_t>(ByeFlag + 2 * week + 1);
        }
    }
    pool.scheduleEntries = 17 * 32;
    pool.scheduleVerified = True16;
}

inline void addEntryMembers(PoolData& pool, const QStringList& names) {
    const WeekLayout layout = pool.weekLayout();
    for (const QString& name : names) {
        const int m = pool.numMembers++;
        pool.memberName[m] = name;
        pool.memberEmail[m] = QStringLiteral("member%1@example.org").arg(m);
        for (int week = 0; week < layout.weeks(); ++week) {
            const int games = layout.games(week);
            for (int game = 0; game < games; ++game) {
                pool.memberPicks[week][game][m] = pool.scheduleGrid[week][game][(week + game + m) % 2];
                pool.confidencePoints[week][game][m] = static_cast<int16_t>(games - game);
            }
            pool.mondayNightTotal[week][m] = static_cast<int16_t>(30 + m + week);
        }
        for (int slot = 0; slot < PostSeasonSlots; ++slot) {
            pool.postSeasonPicks[slot][m] = static_cast<int16_t>((2 * slot + m) % pool.numTeams);
        }
        pool.predictionsComplete[m] = True16;
    }
}

// Every game through currentWeek won by one side (every fifth a tie) with scores; later games without
// result; a favourite and spread for every game (every seventh even); the post-season results.
inline void fillEntryResults(PoolData& pool, int currentWeek) {
    const WeekLayout layout = pool.weekLayout();
    pool.currentWeek = static_cast<int16_t>(currentWeek);
    for (int week = 0; week < WeekSlots; ++week) {
        for (int game = 0; game < GameSlots; ++game) {
            pool.gameWinner[week][game] = pool.noneCode();
            pool.favoriteTeam[week][game] = pool.noneCode();
        }
    }
    for (int week = 0; week < layout.weeks(); ++week) {
        for (int game = 0; game < layout.games(week); ++game) {
            const auto& teams = pool.scheduleGrid[week][game];
            const bool played = week <= currentWeek;
            const bool tie = (week + game) % 5 == 0;
            pool.gameWinner[week][game] = !played ? pool.noneCode() : tie ? pool.tieCode() : teams[game % 2];
            pool.gameScore[week][game][0] = static_cast<int16_t>(played ? 10 + game : 0);
            pool.gameScore[week][game][1] = static_cast<int16_t>(played ? (tie ? 10 + game : 3 + week) : 0);
            const bool even = (week + game) % 7 == 0;
            pool.favoriteTeam[week][game] = even ? pool.tieCode() : teams[1];
            pool.pointSpread[week][game] = even ? 0.0F : 0.5F * static_cast<float>(1 + (week + game) % 15);
        }
    }
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        pool.postSeasonResults[slot] = static_cast<int16_t>((3 * slot) % pool.numTeams);
    }
    for (int slot = 0; slot < SeedSlots; ++slot) {
        pool.postSeasonSeeds[slot] = static_cast<int16_t>(slot < 8 ? 1 + slot % 4 : 5 + slot % 2);
    }
}

/// The whole pool into `pool` (a zeroed model): league, options, scoring rules, schedule, members,
/// results.
inline void fillEntryPool(PoolData& pool, const QStringList& members, int currentWeek) {
    fillEntryLeague(pool);
    pool.weeklyPicks = 1;
    pool.confidenceMode = 2;
    pool.mnTieBreaker = 1;
    pool.seasonPoints = 2500;
    pool.halfWeeks = {9, 8};
    pool.quarterWeeks = {4, 5, 4, 4};
    pool.postSeasonPoints = 1000;
    pool.bigGamePoints = 1000;
    fillEntrySchedule(pool);
    addEntryMembers(pool, members);
    fillEntryResults(pool, currentWeek);
}

/// Writes every data file of the pool with the program's writers, as a pool folder on disk.
inline void writeEntryPoolFolder(const DataFolder& folder, const PoolData& pool) {
    const WeekLayout layout = pool.weekLayout();
    EXPECT_TRUE(writeLeague(folder, pool).ok);
    EXPECT_TRUE(writePoolOptions(folder, pool).ok);
    EXPECT_TRUE(writeEventProfiles(folder, pool).ok);
    EXPECT_TRUE(writeSchedule(folder, pool).ok);
    EXPECT_TRUE(writeMembers(folder, pool).ok);
    for (int member = 0; member < pool.memberCount(); ++member) {
        EXPECT_TRUE(writePredictions(folder, pool, member, layout).ok);
        EXPECT_TRUE(writeConfidence(folder, pool, member, layout).ok);
    }
    EXPECT_TRUE(writeResults(folder, pool, layout).ok);
    EXPECT_TRUE(writeScores(folder, pool, layout).ok);
    EXPECT_TRUE(writeFavorites(folder, pool, layout).ok);
}

} // namespace vek::test
