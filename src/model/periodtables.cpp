#include "model/periodtables.h"

#include "model/filehelpers.h"
#include "model/pooldata.h"

#include <algorithm>

namespace vek {

void derivePeriodTables(PoolData& pool) {
    const auto& h = pool.halfWeeks;
    pool.halfFirstWeek[0] = 0;
    storeInt16(pool.halfLastWeek[0], h[0] - 1);
    pool.halfFirstWeek[1] = h[0];
    storeInt16(pool.halfLastWeek[1], pool.halfFirstWeek[1] + h[1] - 1);

    const auto& q = pool.quarterWeeks;
    pool.quarterFirstWeek[0] = 0;
    pool.quarterFirstWeek[1] = q[0];
    storeInt16(pool.quarterFirstWeek[2], q[0] + q[1]);
    storeInt16(pool.quarterFirstWeek[3], q[0] + q[1] + q[2]);
    for (int i = 0; i < 4; ++i) {
        storeInt16(pool.quarterLastWeek[i], pool.quarterFirstWeek[i] + q[i] - 1);
    }
}

int16_t deriveHalfWeeks(PoolData& pool, int firstHalfWeeks) {
    pool.halfFirstWeek[0] = 0;
    storeInt16(pool.halfLastWeek[0], firstHalfWeeks - 1);
    storeInt16(pool.halfFirstWeek[1], firstHalfWeeks);
    int16_t second = 0;
    storeInt16(second, pool.numWeeks - firstHalfWeeks);
    storeInt16(pool.halfLastWeek[1], pool.halfFirstWeek[1] + second - 1);
    return second;
}

int16_t deriveQuarterWeeks(PoolData& pool, const std::array<int, 3>& firstQuarterWeeks) {
    int start = 0;
    for (int i = 0; i < 3; ++i) {
        storeInt16(pool.quarterFirstWeek[i], start);
        start += firstQuarterWeeks[i];
        storeInt16(pool.quarterLastWeek[i], start - 1);
    }
    storeInt16(pool.quarterFirstWeek[3], start);
    int16_t fourth = 0;
    storeInt16(fourth, pool.numWeeks - start);
    storeInt16(pool.quarterLastWeek[3], pool.quarterFirstWeek[3] + fourth - 1);
    return fourth;
}

int periodGames(const WeekLayout& layout, int firstWeek, int lastWeek) {
    int games = 0;
    for (int week = std::max(firstWeek, 0); week <= std::min(lastWeek, layout.weeks() - 1); ++week) {
        games += layout.games(week);
    }
    return games;
}

int16_t fewestWeekGames(const WeekLayout& layout) {
    int mostOpenDates = 0;
    for (int week = 0; week < layout.weeks(); ++week) {
        mostOpenDates = std::max<int>(mostOpenDates, layout.openDates[week]);
    }
    return static_cast<int16_t>(std::clamp(layout.gamesPerWeek - mostOpenDates, 0, GameSlots));
}

std::optional<int> weekSizeIndex(int weekGames, int minWeekGames) {
    const int index = weekGames - minWeekGames;
    if (index < 0 || index >= WeekSizeEntries) {
        return std::nullopt;
    }
    return index;
}

} // namespace vek
