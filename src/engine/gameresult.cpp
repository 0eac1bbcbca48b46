#include "engine/gameresult.h"

namespace vek {

int16_t winnerToMark(const PoolData& pool, int week, int game) {
    if (!isWeek(week) || game < 0 || game >= GameSlots) {
        return pool.noneCode();
    }
    const int16_t winner = pool.gameWinner[week][game];
    if (winner == pool.noneCode() || !isTrue(pool.usePointSpreads)) {
        return winner;
    }
    return pool.spreadWinner[week][game];
}

} // namespace vek
