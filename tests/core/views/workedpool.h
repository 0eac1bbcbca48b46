#pragma once

// A small pool whose figures were worked out by hand, game by game: three members over four weeks of
// two games, results through week 3 (0-based 2). The view tests of the core and of the windows check
// against the same numbers.
//
// League: NFC East T0 T1, NFC North T2 T3, AFC East T4 T5, AFC North T6 T7 (the other divisions
// empty); TIE- is 8, none 9. Periods: halves of two weeks, quarters of one week.
//
//   week  game  away @ home  result      Ann  Bob  Cy    (picks; "-" none)
//   0     0     T0 @ T1      T0           0    1    0
//   0     1     T4 @ T6      T6           6    6    4
//   1     0     T2 @ T0      tie          0    2    0
//   1     1     T5 @ T7      T5           5    5    7
//   2     0     T1 @ T4      T4           4    4    1
//   2     1     T6 @ T3      T6           3    6    -
//   3     0     T3 @ T5      (none)       3    5    3
//   3     1     T7 @ T2      (none)       7    2    2
//
// Confidence points (game 0, game 1): Ann (2,1) (1,2) (2,1); Bob (1,2) (2,1) (1,2); Cy (2,1) (2,1)
// (1,2), the same in week 3 as in week 0.
//
// Scoring rules: Good Week 5 points for 2 right (or 3 confidence points) in a week of 2 games; quarter
// 10 and 1 a game behind; semi-season 20 and 2; season 50 and 3; Wild Choices 15 and Monday Night 25
// (both decided only in the last week). Picks are made before the season.

#include "engine/memberodds.h"
#include "engine/pickdifferences.h"
#include "support/poolbuilder.h"

namespace vek::test {

constexpr int Ann = 0;
constexpr int Bob = 1;
constexpr int Cy = 2;

inline void buildWorkedPool(PoolData& pool, int16_t confidenceMode = 0, int16_t pointsSystem = 0) {
    PoolBuilder build(pool);
    build.league({2, 2, 0, 0, 2, 2, 0, 0}).season(4, 2).members(3);
    pool.memberName[Ann] = QStringLiteral("Ann");
    pool.memberName[Bob] = QStringLiteral("Bob");
    pool.memberName[Cy] = QStringLiteral("Cy");
    for (int t = 0; t < pool.numTeams; ++t) {
        pool.teamName[t] = QStringLiteral("Team %1").arg(t);
    }
    pool.seasonYear = 2024;
    pool.scheduleVerified = True16;
    pool.minWeekGames = 2;

    build.game(0, 0, 0, 1).game(0, 1, 4, 6);
    build.game(1, 0, 2, 0).game(1, 1, 5, 7);
    build.game(2, 0, 1, 4).game(2, 1, 6, 3);
    build.game(3, 0, 3, 5).game(3, 1, 7, 2);
    build.picks(Ann, 0, {0, 6}).picks(Ann, 1, {0, 5}).picks(Ann, 2, {4, 3}).picks(Ann, 3, {3, 7});
    build.picks(Bob, 0, {1, 6}).picks(Bob, 1, {2, 5}).picks(Bob, 2, {4, 6}).picks(Bob, 3, {5, 2});
    build.picks(Cy, 0, {0, 4}).picks(Cy, 1, {0, 7}).picks(Cy, 2, {1, NoPick}).picks(Cy, 3, {3, 2});
    build.result(0, 0, 0).result(0, 1, 6);
    build.result(1, 0, Tie).result(1, 1, 5);
    build.result(2, 0, 4).result(2, 1, 6);
    build.currentWeek(2);
    // Week 3 repeats week 0.
    const int cp[3][4][2] = {
        {{2, 1}, {1, 2}, {2, 1}, {2, 1}}, {{1, 2}, {2, 1}, {1, 2}, {1, 2}}, {{2, 1}, {2, 1}, {1, 2}, {2, 1}}};
    for (int m = 0; m < 3; ++m) {
        for (int w = 0; w < 4; ++w) {
            for (int g = 0; g < 2; ++g) {
                pool.confidencePoints[w][g][m] = static_cast<int16_t>(confidenceMode == 0 ? 0 : cp[m][w][g]);
            }
        }
    }
    for (auto& slot : pool.postSeasonPicks) {
        slot.fill(pool.noneCode());
    }
    pool.postSeasonResults.fill(pool.noneCode());
    for (auto& week : pool.spreadWinner) {
        week.fill(pool.noneCode());
    }

    pool.weeklyPicks = 0;
    pool.confidenceMode = confidenceMode;
    pool.pointsSystem = pointsSystem;
    build.periods({2, 2}, {1, 1, 1, 1});
    pool.goodWeekMinWins[0] = 2;
    pool.goodWeekMinCp[0] = 3;
    pool.goodWeekPoints[0] = 5;
    pool.quarterPoints = 10;
    pool.quarterGbPoints = 1;
    pool.halfPoints = 20;
    pool.halfGbPoints = 2;
    pool.seasonPoints = 50;
    pool.seasonGbPoints = 3;
    pool.wildChoicePoints = 15;
    pool.mondayNightPoints = 25;

    CalcPickDifferences(pool);
    CalcMemberOdds(pool);
}

} // namespace vek::test
