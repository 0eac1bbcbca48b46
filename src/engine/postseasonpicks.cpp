#include "engine/postseasonpicks.h"

namespace vek {

bool isRightPostSeasonPick(const PoolData& pool, int slot, int16_t pick) {
    if (slot < 0 || slot > BigGameSlot || pick < 0 || pick >= pool.numTeams) {
        return false;
    }
    if (slot == BigGameSlot) {
        return pool.postSeasonResults[BigGameSlot] == pick;
    }
    for (int s = 0; s < BigGameSlot; ++s) {
        if (pool.postSeasonResults[s] == pick) {
            return true;
        }
    }
    return false;
}

} // namespace vek
