#include "engine/leaguetally.h"

#include "engine/teamrecord.h"

#include <algorithm>

namespace vek {

void CountLeagueResults(PoolData& pool) {
    const int rows = standingsRows(pool);
    for (int t = 0; t < rows; ++t) {
        clearStanding(pool.leagueStandings[t], t);
    }

    const WeekLayout layout = pool.weekLayout();
    const int lastWeek = std::min<int>(pool.currentWeek, WeekSlots - 1);
    const int tie = pool.tieCode();
    const int none = pool.noneCode();
    auto row = [&pool](int code) -> TeamStanding& { return pool.leagueStandings[code]; };

    for (int w = 0; w <= lastWeek; ++w) {
        const auto wi = w;
        for (int g = 0; g < layout.games(w); ++g) {
            const auto gi = g;
            const int result = pool.gameWinner[wi][gi];
            const int away = pool.scheduleGrid[wi][gi][0];
            const int home = pool.scheduleGrid[wi][gi][1];
            if (result == none) {
                continue;
            }
            if (!isTeamSlot(away) || !isTeamSlot(home)) {
                continue; // a damaged schedule entry cannot index the table
            }
            if (result == tie) {
                countTie(pool, away, home, row(away), row(home));
            } else if (result == away) {
                countWin(pool, away, home, false, row(away), row(home));
            } else if (result == home) {
                countWin(pool, home, away, true, row(home), row(away));
            }
            // A result naming neither team (the schedule changed after it was entered) is not counted.
        }
    }
}

} // namespace vek
