#include "views/scoutingfigures.h"

#include "engine/teamrecord.h"
#include "views/teamfigures.h"

#include <algorithm>

namespace vek {

ScoutingTallies scoutingTallies(const PoolData& pool, int member) {
    const int teams = standingsRows(pool);
    ScoutingTallies tallies;
    tallies.teams.resize(sizeFor(teams));
    if (member < 0 || member >= pool.memberCount()) {
        return tallies;
    }
    for (const CountedGame& game : countedGames(pool)) {
        PickSuccess& away = at(tallies.teams, game.away);
        PickSuccess& home = at(tallies.teams, game.home);
        ++away.games;
        ++home.games;
        if (game.winner != pool.tieCode() &&
            pickCode(pool.memberPicks[game.week][game.game][member]) == game.winner) {
            ++away.right;
            ++home.right;
        }
    }
    for (int t = 0; t < teams; ++t) {
        PickSuccess& total = scoutingPlace(pool, t).afc ? tallies.afc : tallies.nfc;
        total.right += at(tallies.teams, t).right;
        total.games += at(tallies.teams, t).games;
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
