#include "engine/leaguetally.h"

#include "engine/teamrecord.h"

#include <algorithm>

namespace vek {

void CountLeagueResults(PoolData& pool) {
    const WeekLayout layout = pool.weekLayout();
    const int lastWeek = std::min<int>(pool.currentWeek, WeekSlots - 1);
    const int tie = pool.tieCode();
    const int none = pool.noneCode();
    const TeamPlaces places(pool);

    TallyTable counts{};
    for (int w = 0; w <= lastWeek; ++w) {
        for (int g = 0; g < layout.games(w); ++g) {
            const int result = pool.gameWinner[w][g];
            const int away = pool.scheduleGrid[w][g][0];
            const int home = pool.scheduleGrid[w][g][1];
            if (result == none) {
                continue;
            }
            if (!isTeamSlot(away) || !isTeamSlot(home)) {
                continue; // a damaged schedule entry cannot index the table
            }
            if (result == tie) {
                places.countTie(counts, away, home);
            } else if (result == away) {
                places.countWin(counts, away, home, false, 1);
            } else if (result == home) {
                places.countWin(counts, home, away, true, 1);
            }
            // A result naming neither team (the schedule changed after it was entered) is not counted.
        }
    }
    storeTally(counts, standingsRows(pool),
               [&pool](int t) -> TeamStanding& { return pool.leagueStandings[t]; });
}

} // namespace vek
