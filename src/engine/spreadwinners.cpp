#include "engine/spreadwinners.h"

#include <algorithm>

namespace vek {

void CalcSpreadWinners(PoolData& pool) {
    const WeekLayout layout = pool.weekLayout();
    const int lastWeek = std::min<int>(pool.currentWeek, WeekSlots - 1);
    for (int w = 0; w <= lastWeek; ++w) {
        const auto wi = w;
        for (int g = 0; g < layout.games(w); ++g) {
            const auto gi = g;
            const int16_t away = pool.scheduleGrid[wi][gi][0];
            const int16_t home = pool.scheduleGrid[wi][gi][1];
            const int16_t favorite = pool.favoriteTeam[wi][gi];
            const float spread = pool.pointSpread[wi][gi];
            float awayScore = static_cast<float>(pool.gameScore[wi][gi][0]);
            float homeScore = static_cast<float>(pool.gameScore[wi][gi][1]);
            if (favorite == away) {
                awayScore -= spread;
            } else if (favorite == home) {
                homeScore -= spread;
            }
            int16_t winner = pool.tieCode();
            if (awayScore > homeScore) {
                winner = away;
            } else if (awayScore < homeScore) {
                winner = home;
            }
            pool.spreadWinner[wi][gi] = winner;
        }
    }
}

} // namespace vek
