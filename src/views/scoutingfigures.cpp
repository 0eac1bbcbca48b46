#include "views/scoutingfigures.h"

#include "engine/teamrecord.h"
#include "views/teamfigures.h"

#include <algorithm>

namespace vek {

ScoutingTallies scoutingTallies(const PoolData& pool, int member) {
    const int teams = standingsRows(pool);
    ScoutingTallies tallies;
    tallies.teams.resize(static_cast<std::size_t>(teams));
    if (member < 0 || member >= pool.memberCount()) {
        return tallies;
    }
    const int lastWeek = std::min<int>(pool.currentWeek, WeekSlots - 1);
    for (int w = 0; w <= lastWeek; ++w) {
        for (int g = 0; g < pool.games(w); ++g) {
            const int winner = countedWinner(pool, w, g);
            if (winner < 0) {
                continue;
            }
            PickSuccess& away = tallies.teams[static_cast<std::size_t>(pool.scheduleGrid[w][g][0])];
            PickSuccess& home = tallies.teams[static_cast<std::size_t>(pool.scheduleGrid[w][g][1])];
            ++away.games;
            ++home.games;
            if (winner != pool.tieCode() && pickCode(pool.memberPicks[w][g][member]) == winner) {
                ++away.right;
                ++home.right;
            }
        }
    }
    for (int t = 0; t < teams; ++t) {
        PickSuccess& total = scoutingPlace(pool, t).afc ? tallies.afc : tallies.nfc;
        total.right += tallies.teams[static_cast<std::size_t>(t)].right;
        total.games += tallies.teams[static_cast<std::size_t>(t)].games;
    }
    return tallies;
}

ScoutingPlace scoutingPlace(const PoolData& pool, int team) {
    if (inNfc(pool, team)) {
        return {false, team};
    }
    return {true, team - pool.divisionRec[4].firstTeam};
}

int conferenceRows(const PoolData& pool, bool afc) {
    const int teams = standingsRows(pool);
    const int nfcTeams = std::clamp(pool.divisionRec[3].lastTeam + 1, 0, teams);
    return afc ? teams - nfcTeams : nfcTeams;
}

} // namespace vek
