#include "support/samplepool.h"

#include "model/eventsfile.h"
#include "model/leaguefile.h"
#include "model/membersfile.h"
#include "model/poolfile.h"
#include "model/predictionfiles.h"
#include "model/resultfiles.h"
#include "model/schedulefile.h"

#include <gtest/gtest.h>

namespace vek::test {

std::unique_ptr<PoolData> newPool() {
    return std::make_unique<PoolData>();
}

void fillSampleLeague(PoolData& pool) {
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

void fillSampleSchedule(PoolData& pool) {
    pool.seasonYear = 2024;
    pool.numWeeks = 17;
    pool.byesPerTeam = 1;
    pool.gamesPerWeek = 16;
    std::array<int, 16> gamesPlayed{};
    for (int week = 0; week < 17; ++week) {
        int slot = 0;
        for (int pair = 0; pair < 16; ++pair) {
            if (pair == week) {
                continue;
            }
            const bool firstAway = gamesPlayed[pair]++ % 2 == 0;
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

void addSampleMembers(PoolData& pool, const QStringList& names) {
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

void fillSampleResults(PoolData& pool, int currentWeek) {
    const WeekLayout layout = pool.weekLayout();
    pool.currentWeek = static_cast<int16_t>(currentWeek);
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
            pool.pointSpread[week][game] = even ? 0.0f : 0.5f * static_cast<float>(1 + (week + game) % 15);
        }
    }
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        pool.postSeasonResults[slot] = static_cast<int16_t>((3 * slot) % pool.numTeams);
    }
    for (int slot = 0; slot < SeedSlots; ++slot) {
        pool.postSeasonSeeds[slot] = static_cast<int16_t>(slot < 8 ? 1 + slot % 4 : 5 + slot % 2);
    }
}

void fillSamplePool(PoolData& pool, const QStringList& members, int currentWeek) {
    fillSampleLeague(pool);
    pool.weeklyPicks = 1;
    pool.confidenceMode = 2;
    pool.mnTieBreaker = 1;
    pool.seasonPoints = 2500;
    pool.halfWeeks = {9, 8};
    pool.quarterWeeks = {4, 5, 4, 4};
    pool.postSeasonPoints = 1000;
    pool.bigGamePoints = 1000;
    fillSampleSchedule(pool);
    addSampleMembers(pool, members);
    fillSampleResults(pool, currentWeek);
}

std::unique_ptr<PoolData> samplePool(const QStringList& members, int currentWeek) {
    auto pool = newPool();
    fillSamplePool(*pool, members, currentWeek);
    return pool;
}

void writeAllFiles(const DataFolder& folder, const PoolData& pool) {
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
