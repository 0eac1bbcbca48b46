#include "session/schedulechanges.h"

#include <algorithm>

namespace vek {

int16_t countOpenDates(const PoolData& pool, int week) {
    if (!isWeek(week)) {
        return 0;
    }
    const int slotCount = std::clamp<int>(pool.gamesPerWeek, 0, GameSlots);
    int16_t open = 0;
    for (int slot = 0; slot < slotCount; ++slot) {
        const auto& entry = pool.scheduleGrid[week][slot];
        if (entry[0] >= ByeFlag || entry[1] >= ByeFlag) {
            ++open;
        }
    }
    return open;
}

} // namespace vek
