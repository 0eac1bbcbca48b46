// The team tallies, pick differences and odds over the largest pool the tables hold: 121 members,
// 19 weeks of 19 games, 37 teams.
#include "session/poolsession.h"
#include "engine/memberodds.h"
#include "engine/pickdifferences.h"
#include "engine/teamtallies.h"
#include "session/teamtallies.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace vek;

void fillLargestPool(PoolData& pool) {
    constexpr std::array<int16_t, Divisions> sizes{5, 5, 5, 5, 5, 4, 4, 4};
    int16_t first = 0;
    for (std::size_t d = 0; d < Divisions; ++d) {
        pool.divisionRec[d] = {first, sizes[d], static_cast<int16_t>(first + sizes[d] - 1)};
        first = static_cast<int16_t>(first + sizes[d]);
    }
    pool.numTeams = first;
    pool.numWeeks = WeekSlots;
    pool.gamesPerWeek = GameSlots;
    pool.numMembers = MemberSlots;
    pool.currentWeek = WeekSlots - 1;
    std::mt19937 random(20240901);
    std::uniform_int_distribution<int> coin(0, 1);
    for (std::size_t w = 0; w < WeekSlots; ++w) {
        for (std::size_t g = 0; g < GameSlots; ++g) {
            const auto away = static_cast<int16_t>((2 * g + w) % 37);
            const auto home = static_cast<int16_t>((2 * g + 1 + w) % 37);
            pool.scheduleGrid[w][g][0] = away;
            pool.scheduleGrid[w][g][1] = home;
            pool.gameWinner[w][g] = coin(random) != 0 ? away : home;
            for (std::size_t m = 0; m < MemberSlots; ++m) {
                pool.memberPicks[w][g][m] = coin(random) != 0 ? away : home;
            }
        }
    }
}

void BM_CalcPickDifferences(benchmark::State& state) {
    auto pool = std::make_unique<PoolData>();
    fillLargestPool(*pool);
    for (auto _ : state) {
        CalcPickDifferences(*pool);
        benchmark::DoNotOptimize(pool->pickDiffTotal[0][120]);
    }
}
BENCHMARK(BM_CalcPickDifferences)->Unit(benchmark::kMillisecond);

void BM_RecountTeamTallies(benchmark::State& state) {
    PoolSession session{DataFolder()};
    fillLargestPool(session.pool());
    for (auto _ : state) {
        RecountTeamTallies(session);
        benchmark::DoNotOptimize(session.pool().leagueStandings[0].wins);
    }
}
BENCHMARK(BM_RecountTeamTallies)->Unit(benchmark::kMillisecond);

void BM_CalcMemberOdds(benchmark::State& state) {
    auto pool = std::make_unique<PoolData>();
    fillLargestPool(*pool);
    CalcPickDifferences(*pool);
    for (auto _ : state) {
        CalcMemberOdds(*pool);
        benchmark::DoNotOptimize(pool->memberOdds[0]);
    }
}
BENCHMARK(BM_CalcMemberOdds)->Unit(benchmark::kMicrosecond);

} // namespace
