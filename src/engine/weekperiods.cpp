#include "engine/weekperiods.h"

namespace vek {

int16_t QuarterOfWeek(const PoolData& pool, int16_t week) {
    for (int16_t q = 0; q < 4; ++q) {
        const auto slot = q;
        if (pool.quarterFirstWeek[slot] <= week && week <= pool.quarterLastWeek[slot]) {
            return q;
        }
    }
    return 0;
}

int16_t HalfOfWeek(const PoolData& pool, int16_t week) {
    return (pool.halfFirstWeek[0] <= week && week <= pool.halfLastWeek[0]) ? 0 : 1;
}

int weekSizeEntry(const PoolData& pool, int16_t week) {
    return weekSizeIndex(pool.games(week), pool.minWeekGames).value_or(SpareWeekSizeEntry);
}

} // namespace vek
