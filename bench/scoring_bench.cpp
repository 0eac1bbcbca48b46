// Scoring a whole season of the largest pool the tables hold: 121 members, 37 teams, 19 weeks of 19
// games, confidence points and every event in use. The views rescore the season each time they open,
// so this has to stay far below what a user would notice.
#include "engine/seasonscoring.h"
#include "engine/weeksort.h"

#include "support/poolbuilder.h"

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<vek::PoolData> largestPool(int16_t pointsSystem, int16_t confidenceMode) {
    return vek::test::makeRandomPool(2024, vek::MemberSlots, vek::WeekSlots, vek::GameSlots, pointsSystem,
                                     confidenceMode, vek::MaxRealTeams);
}

void scoreSeason(benchmark::State& state) {
    auto pool = largestPool(static_cast<int16_t>(state.range(0)), 1);
    for (auto _ : state) {
        vek::ScoreSeason(*pool);
        benchmark::DoNotOptimize(pool->weekStandings[18][0].pointsTotal);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(scoreSeason)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// What the standings window does on opening: score the season, then rank every week.
void scoreAndRankSeason(benchmark::State& state) {
    auto pool = largestPool(0, 1);
    for (auto _ : state) {
        vek::ScoreSeason(*pool);
        for (int16_t w = 0; w <= pool->currentWeek; ++w) {
            vek::SortWeekStandings(*pool, w);
        }
        benchmark::DoNotOptimize(pool->weekStandings[18][0].memberIndex);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(scoreAndRankSeason)->Unit(benchmark::kMillisecond);

} // namespace
