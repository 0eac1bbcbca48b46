#include "engine/teamrecord.h"

#include <algorithm>
#include <bit>
#include <limits>

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

TeamPlaces::TeamPlaces(const PoolData& pool) {
    for (int code = 0; code < TeamSlots; ++code) {
        Place& place = m_places[code];
        for (int d = 0; d < Divisions; ++d) {
            if (inDivision(pool, d, code)) {
                place.divisions = static_cast<uint8_t>(place.divisions | (1U << d));
            }
        }
        place.nfc = inNfc(pool, code);
        place.afc = inAfc(pool, code);
    }
}

void TeamPlaces::countWin(TallyTable& counts, int winner, int loser, bool winnerAtHome, int32_t games) const {
    TallyCounts& w = counts[winner];
    TallyCounts& l = counts[loser];
    w[Wins] += games;
    l[Losses] += games;
    if (winnerAtHome) {
        w[HomeWins] += games;
        l[RoadLosses] += games;
    } else {
        w[RoadWins] += games;
        l[HomeLosses] += games;
    }
    // The division credit follows the winner: a winner that lies in no division gets none.
    const Place& pw = m_places[winner];
    const Place& pl = m_places[loser];
    const int32_t inDivision = std::popcount(static_cast<unsigned>(pw.divisions & pl.divisions)) * games;
    const int32_t outDivision = std::popcount(static_cast<unsigned>(pw.divisions & ~pl.divisions)) * games;
    w[InDivWins] += inDivision;
    l[InDivLosses] += inDivision;
    w[OutDivWins] += outDivision;
    l[OutDivLosses] += outDivision;
    if ((pw.nfc && pl.nfc) || (pw.afc && pl.afc)) {
        w[InConfWins] += games;
        l[InConfLosses] += games;
    }
    if ((pw.nfc && pl.afc) || (pw.afc && pl.nfc)) {
        w[OutConfWins] += games;
        l[OutConfLosses] += games;
    }
}

void TeamPlaces::countTie(TallyTable& counts, int away, int home) const {
    TallyCounts& a = counts[away];
    TallyCounts& h = counts[home];
    ++a[Ties];
    ++h[Ties];
    ++a[RoadTies];
    ++h[HomeTies];
    // As for a win, the visitor's division decides.
    const Place& pa = m_places[away];
    const Place& ph = m_places[home];
    const int32_t inDivision = std::popcount(static_cast<unsigned>(pa.divisions & ph.divisions));
    const int32_t outDivision = std::popcount(static_cast<unsigned>(pa.divisions & ~ph.divisions));
    a[InDivTies] += inDivision;
    h[InDivTies] += inDivision;
    a[OutDivTies] += outDivision;
    h[OutDivTies] += outDivision;
    if ((pa.nfc && ph.afc) || (pa.afc && ph.nfc)) {
        ++a[OutConfTies];
        ++h[OutConfTies];
    }
    if ((pa.nfc && ph.nfc) || (pa.afc && ph.afc)) {
        ++a[InConfTies];
        ++h[InConfTies];
    }
}

namespace {

constexpr Table<int16_t TeamStanding::*, TallyFields> CountFields{{
    &TeamStanding::wins,        &TeamStanding::losses,        &TeamStanding::ties,
    &TeamStanding::homeWins,    &TeamStanding::homeLosses,    &TeamStanding::homeTies,
    &TeamStanding::roadWins,    &TeamStanding::roadLosses,    &TeamStanding::roadTies,
    &TeamStanding::inDivWins,   &TeamStanding::inDivLosses,   &TeamStanding::inDivTies,
    &TeamStanding::outDivWins,  &TeamStanding::outDivLosses,  &TeamStanding::outDivTies,
    &TeamStanding::inConfWins,  &TeamStanding::inConfLosses,  &TeamStanding::inConfTies,
    &TeamStanding::outConfWins, &TeamStanding::outConfLosses, &TeamStanding::outConfTies,
}};

} // namespace

void addCounts(TeamStanding& row, const TallyCounts& counts) {
    for (int f = 0; f < TallyFields; ++f) {
        int16_t& field = row.*CountFields[f];
        field = static_cast<int16_t>(std::clamp<int32_t>(
            field + counts[f], std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
    }
}

} // namespace vek
