#pragma once

#include "model/leaguefile.h"
#include "model/pooldata.h"
#include "support/poolbuilder.h"

#include <QStringList>

#include <memory>

namespace vek::test {

/// A pool small enough to work its reports out by hand: eight teams, one in each division ("ACES" ..
/// "HAWK"), two weeks of two games, three members ("Ann Avery", "Bob", "Cy Yates"), week 1's results
/// in (ACES and DOGS won, Monday night 20-24), week 2 still open; picks made before the season.
///
///   week 1  ACES@BULL  CATS@DOGS     week 2  ELKS@FOXS  GULL@HAWK
///   Ann     BULL       CATS*         Ann     ELKS       GULL
///   Bob     ACES*      DOGS          Bob     FOXS*      GULL
///   Cy      BULL       DOGS          Cy      ELKS       HAWK*        (* a unique pick)
inline std::unique_ptr<PoolData> handPool() {
    auto pool = std::make_unique<PoolData>();
    PoolData& p = *pool;
    p.numTeams = 8;
    const QStringList abbrs{"ACES", "BULL", "CATS", "DOGS", "ELKS", "FOXS", "GULL", "HAWK"};
    for (int t = 0; t < 8; ++t) {
        p.teamAbbr[t] = abbrs[t];
        p.teamName[t] = abbrs[t].left(1) + abbrs[t].mid(1).toLower();
        p.divisionRec[t].teamCount = 1;
    }
    deriveLeagueTables(p);

    p.seasonYear = 2024;
    p.numWeeks = 2;
    p.gamesPerWeek = 2;
    p.minWeekGames = 2;
    p.scheduleEntries = 16;
    p.scheduleVerified = True16;
    const int games[2][2][2] = {{{0, 1}, {2, 3}}, {{4, 5}, {6, 7}}};
    for (int w = 0; w < 2; ++w) {
        for (int g = 0; g < 2; ++g) {
            p.scheduleGrid[w][g][0] = static_cast<int16_t>(games[w][g][0]);
            p.scheduleGrid[w][g][1] = static_cast<int16_t>(games[w][g][1]);
        }
    }
    for (auto& week : p.gameWinner) {
        week.fill(p.noneCode());
    }
    for (auto& week : p.spreadWinner) {
        week.fill(p.noneCode());
    }
    for (auto& slot : p.postSeasonPicks) {
        slot.fill(p.noneCode());
    }
    p.postSeasonResults.fill(p.noneCode());

    p.numMembers = 3;
    p.memberName[0] = QStringLiteral("Ann Avery");
    p.memberName[1] = QStringLiteral("Bob");
    p.memberName[2] = QStringLiteral("Cy Yates");
    const int picks[3][2][2] = {{{1, 2}, {4, 6}}, {{0, 3}, {5, 6}}, {{1, 3}, {4, 7}}};
    for (int m = 0; m < 3; ++m) {
        p.predictionsComplete[m] = True16;
        for (int w = 0; w < 2; ++w) {
            for (int g = 0; g < 2; ++g) {
                PoolBuilder(p).pick(w, g, m, picks[m][w][g]);
                p.confidencePoints[w][g][m] = static_cast<int16_t>(g == m % 2 ? 2 : 1);
            }
            p.mondayNightTotal[w][m] = static_cast<int16_t>(40 + 5 * m - 10 * w);
        }
    }
    PoolBuilder(p).pickDifferences();

    p.gameWinner[0][0] = 0;
    p.gameWinner[0][1] = 3;
    p.gameScore[0][0] = {21, 7};
    p.gameScore[0][1] = {20, 24};
    p.currentWeek = 0;

    p.mnTieBreaker = 1;
    p.seasonPoints = 100;
    p.wildChoicePoints = 10;
    PoolBuilder(p).periods({1, 1}, {1, 1, 0, 0});
    return pool;
}

} // namespace vek::test
