#include "engine/teamrecord.h"

#include <algorithm>

namespace vek {

int standingsRows(const PoolData& pool) {
    return std::clamp<int>(pool.numTeams, 0, TeamSlots);
}

bool inDivision(const PoolData& pool, int division, int code) {
    const Division& div = pool.divisionRec[division];
    return div.firstTeam <= code && code <= div.lastTeam;
}

bool inNfc(const PoolData& pool, int code) {
    return code <= pool.divisionRec[3].lastTeam;
}

bool inAfc(const PoolData& pool, int code) {
    return code >= pool.divisionRec[4].firstTeam;
}

void clearStanding(TeamStanding& row, int team) {
    row = TeamStanding{};
    row.team = static_cast<int16_t>(team);
}

namespace {

bool sameConference(const PoolData& pool, int a, int b) {
    return (inNfc(pool, a) && inNfc(pool, b)) || (inAfc(pool, a) && inAfc(pool, b));
}

bool otherConference(const PoolData& pool, int a, int b) {
    return (inNfc(pool, a) && inAfc(pool, b)) || (inAfc(pool, a) && inNfc(pool, b));
}

} // namespace

void countWin(const PoolData& pool, int winner, int loser, bool winnerAtHome, TeamStanding& winnerRow,
              TeamStanding& loserRow) {
    ++winnerRow.wins;
    ++loserRow.losses;
    if (winnerAtHome) {
        ++winnerRow.homeWins;
        ++loserRow.roadLosses;
    } else {
        ++winnerRow.roadWins;
        ++loserRow.homeLosses;
    }
    // The division credit follows the winner: a winner that lies in no division gets none.
    for (int d = 0; d < Divisions; ++d) {
        const bool winnerIn = inDivision(pool, d, winner);
        const bool loserIn = inDivision(pool, d, loser);
        if (winnerIn && loserIn) {
            ++winnerRow.inDivWins;
            ++loserRow.inDivLosses;
        } else if (winnerIn) {
            ++winnerRow.outDivWins;
            ++loserRow.outDivLosses;
        }
    }
    if (sameConference(pool, winner, loser)) {
        ++winnerRow.inConfWins;
        ++loserRow.inConfLosses;
    }
    if (otherConference(pool, winner, loser)) {
        ++winnerRow.outConfWins;
        ++loserRow.outConfLosses;
    }
}

void countTie(const PoolData& pool, int away, int home, TeamStanding& awayRow, TeamStanding& homeRow) {
    ++awayRow.ties;
    ++homeRow.ties;
    ++awayRow.roadTies;
    ++homeRow.homeTies;
    // As for a win, the visitor's division decides.
    for (int d = 0; d < Divisions; ++d) {
        const bool awayIn = inDivision(pool, d, away);
        const bool homeIn = inDivision(pool, d, home);
        if (awayIn && homeIn) {
            ++awayRow.inDivTies;
            ++homeRow.inDivTies;
        } else if (awayIn) {
            ++awayRow.outDivTies;
            ++homeRow.outDivTies;
        }
    }
    if (otherConference(pool, away, home)) {
        ++awayRow.outConfTies;
        ++homeRow.outConfTies;
    }
    if (sameConference(pool, away, home)) {
        ++awayRow.inConfTies;
        ++homeRow.inConfTies;
    }
}

} // namespace vek
