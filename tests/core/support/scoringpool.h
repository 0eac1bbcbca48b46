#pragma once

#include "model/eventsfile.h"
#include "model/pooldata.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <numeric>
#include <random>
#include <vector>

namespace vek::test {

/// Derives the period tables from the half and quarter lengths, as the scoring rules are loaded.
inline void setPeriods(PoolData& p, std::initializer_list<int> halves, std::initializer_list<int> quarters) {
    int16_t first = 0;
    std::size_t h = 0;
    for (int length : halves) {
        p.halfWeeks[h] = static_cast<int16_t>(length);
        p.halfFirstWeek[h] = first;
        p.halfLastWeek[h] = static_cast<int16_t>(first + length - 1);
        first = static_cast<int16_t>(first + length);
        ++h;
    }
    first = 0;
    std::size_t q = 0;
    for (int length : quarters) {
        p.quarterWeeks[q] = static_cast<int16_t>(length);
        p.quarterFirstWeek[q] = first;
        p.quarterLastWeek[q] = static_cast<int16_t>(first + length - 1);
        first = static_cast<int16_t>(first + length);
        ++q;
    }
}

/// Builds pools for the scoring tests: a season of `weeks` weeks of `games` games, every pick and
/// result empty, no event points, one half and one quarter over the whole season. Tests then switch on
/// what they look at.
inline std::unique_ptr<PoolData> makeScoringPool(int members, int weeks, int games, int teams = 32) {
    auto pool = std::make_unique<PoolData>();
    PoolData& p = *pool;
    p.numTeams = static_cast<int16_t>(teams);
    p.numMembers = static_cast<int16_t>(members);
    p.numWeeks = static_cast<int16_t>(weeks);
    p.gamesPerWeek = static_cast<int16_t>(games);
    p.minWeekGames = static_cast<int16_t>(games);
    p.currentWeek = -1;
    const int16_t none = p.noneCode();
    for (auto& week : p.memberPicks) {
        for (auto& game : week) {
            game.fill(none);
        }
    }
    for (auto& week : p.gameWinner) {
        week.fill(none);
    }
    for (auto& week : p.spreadWinner) {
        week.fill(none);
    }
    for (auto& slot : p.postSeasonPicks) {
        slot.fill(none);
    }
    p.postSeasonResults.fill(none);
    setPeriods(p, {weeks, 0}, {weeks, 0, 0, 0});
    return pool;
}

/// The scoring rules a pool gets without events.dat, with the post-season points that file would add.
inline void useDefaultEvents(PoolData& p) {
    applyEventDefaults(p);
    p.divWinnerPoints = {10, 20, 40, 80, 0};
    p.wildCardPoints = {15, 35, 0};
    p.divAsWildCardPoints = 5;
    p.wildCardAsDivPoints = 7;
}

inline void setPick(PoolData& p, int week, int game, int member, int team) {
    p.memberPicks[static_cast<std::size_t>(week)][static_cast<std::size_t>(game)]
                 [static_cast<std::size_t>(member)] = static_cast<int16_t>(team);
}

inline void setResult(PoolData& p, int week, int game, int team) {
    p.gameWinner[static_cast<std::size_t>(week)][static_cast<std::size_t>(game)] = static_cast<int16_t>(team);
}

/// Every member picks `team` in every game of the week.
inline void pickWholeWeek(PoolData& p, int week, int member, int team) {
    for (int g = 0; g < p.games(week); ++g) {
        setPick(p, week, g, member, team);
    }
}

/// The pairwise pick differences and unique-pick flags of the season, counted the plain way, for
/// pools whose elimination and Wild Choices tallies the tests look at.
inline void fillPickDifferences(PoolData& p) {
    const int members = p.memberCount();
    for (int a = 0; a < members; ++a) {
        const auto ua = static_cast<std::size_t>(a);
        p.uniquePicks[ua] = 0;
        for (int b = 0; b < members; ++b) {
            p.pickDiffWeek[ua][static_cast<std::size_t>(b)].fill(0);
            p.pickDiffMonday[ua][static_cast<std::size_t>(b)].fill(0);
        }
    }
    for (int w = 0; w < p.weekLayout().weeks(); ++w) {
        const auto uw = static_cast<std::size_t>(w);
        const int games = p.games(w);
        for (int g = 0; g < games; ++g) {
            auto& picks = p.memberPicks[uw][static_cast<std::size_t>(g)];
            for (int a = 0; a < members; ++a) {
                const auto ua = static_cast<std::size_t>(a);
                int agreeing = 0;
                for (int b = 0; b < members; ++b) {
                    const auto ub = static_cast<std::size_t>(b);
                    if (pickCode(picks[ub]) == pickCode(picks[ua])) {
                        ++agreeing;
                    } else {
                        ++p.pickDiffWeek[ua][ub][uw];
                        if (g == games - 1) {
                            ++p.pickDiffMonday[ua][ub][uw];
                        }
                    }
                }
                if (agreeing == 1) {
                    ++p.uniquePicks[ua];
                }
            }
            for (int a = 0; a < members; ++a) {
                auto& pick = picks[static_cast<std::size_t>(a)];
                const bool unique = std::count_if(picks.begin(), picks.begin() + members, [&](int16_t other) {
                                        return pickCode(other) == pickCode(pick);
                                    }) == 1;
                pick = static_cast<int16_t>(unique ? (pickCode(pick) | UniquePickFlag) : pickCode(pick));
            }
        }
    }
}

/// A whole season of random picks, results, scores, confidence points, Monday-night totals and post
/// season, with every event in use and weeks of different sizes; the same seed gives the same pool.
inline std::unique_ptr<PoolData> makeRandomPool(unsigned seed, int members, int weeks, int gamesPerWeek,
                                                int16_t pointsSystem, int16_t confidenceMode,
                                                int teams = 32) {
    std::mt19937 rng(seed);
    const auto roll = [&rng](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    auto pool = makeScoringPool(members, weeks, gamesPerWeek, teams);
    PoolData& p = *pool;
    useDefaultEvents(p);
    // Every week size 0..3 above the smallest pays differently.
    for (int i = 0; i < StoredWeekSizeEntries; ++i) {
        const auto e = static_cast<std::size_t>(i);
        p.goodWeekMinWins[e] = static_cast<int16_t>((gamesPerWeek - 3 + i) * 6 / 10);
        p.goodWeekMinCp[e] = static_cast<int16_t>((gamesPerWeek - 3 + i) * 8);
        p.badWeekMaxWins[e] = static_cast<int16_t>((gamesPerWeek - 3 + i) * 4 / 10);
        p.badWeekMaxCp[e] = static_cast<int16_t>((gamesPerWeek - 3 + i) * 4);
        p.goodWeekPoints[e] = 300 + 50 * i;
        p.badWeekPoints[e] = 200 + 25 * i;
        p.perfectWeekPoints[e] = 1000 + 100 * i;
    }
    const int half0 = (weeks + 1) / 2;
    const int quarter = weeks / 4;
    setPeriods(p, {half0, weeks - half0}, {quarter, quarter, quarter, weeks - 3 * quarter});
    p.pointsSystem = pointsSystem;
    p.confidenceMode = confidenceMode;
    p.mnTieBreaker = static_cast<int16_t>(roll(0, 2));
    p.usePointSpreads = roll(0, 1) == 1 ? True16 : int16_t{0};

    int fewest = gamesPerWeek;
    for (int w = 0; w < weeks; ++w) {
        const auto uw = static_cast<std::size_t>(w);
        p.openDates[uw] = static_cast<int16_t>(w == 0 ? 0 : roll(0, 3));
        const int games = p.games(w);
        fewest = std::min(fewest, games);
        for (int g = 0; g < games; ++g) {
            const auto ug = static_cast<std::size_t>(g);
            const int roll100 = roll(0, 99);
            p.gameWinner[uw][ug] = static_cast<int16_t>(roll100 < 3 ? teams : roll(0, teams - 1));
            p.spreadWinner[uw][ug] = static_cast<int16_t>(roll100 < 6 ? teams : roll(0, teams - 1));
            p.gameScore[uw][ug] = {static_cast<int16_t>(roll(0, 45)), static_cast<int16_t>(roll(0, 45))};
        }
        for (int m = 0; m < members; ++m) {
            const auto um = static_cast<std::size_t>(m);
            // Few choices per game, so that members often agree and sometimes pick alone.
            for (int g = 0; g < games; ++g) {
                const auto ug = static_cast<std::size_t>(g);
                const int winner = p.gameWinner[uw][ug];
                const int other = (winner + 1 + g) % teams;
                const int choice = roll(0, 19);
                setPick(p, w, g, m, choice < 11 ? winner : choice < 19 ? other : roll(0, teams + 1));
            }
            std::vector<int16_t> values(static_cast<std::size_t>(games));
            const int top = confidenceMode == 1 ? gamesPerWeek : games;
            std::iota(values.rbegin(), values.rend(), static_cast<int16_t>(top - games + 1));
            std::shuffle(values.begin(), values.end(), rng);
            for (int g = 0; g < games; ++g) {
                p.confidencePoints[uw][static_cast<std::size_t>(g)][um] =
                    confidenceMode == 0 ? int16_t{0} : values[static_cast<std::size_t>(g)];
            }
            p.mondayNightTotal[uw][um] = static_cast<int16_t>(roll(20, 70));
        }
    }
    p.minWeekGames = static_cast<int16_t>(fewest);
    for (std::size_t slot = 0; slot < PostSeasonSlots; ++slot) {
        p.postSeasonResults[slot] = static_cast<int16_t>(roll(0, teams - 1));
        for (int m = 0; m < members; ++m) {
            p.postSeasonPicks[slot][static_cast<std::size_t>(m)] = static_cast<int16_t>(roll(0, teams - 1));
        }
    }
    p.currentWeek = static_cast<int16_t>(weeks - 1);
    fillPickDifferences(p);
    return pool;
}

} // namespace vek::test
