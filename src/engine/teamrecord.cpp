#include "engine/teamrecord.h"

#include <algorithm>
#include <bit>
#include <cstddef>
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

TeamPlaces::TeamPlaces(const PoolData& pool) {
    struct Place {
        unsigned divisions = 0; // bit d: the code lies in division d
        bool nfc = false;
        bool afc = false;
    };
    Table<Place, TeamSlots> places{};
    for (int code = 0; code < TeamSlots; ++code) {
        for (int d = 0; d < Divisions; ++d) {
            if (inDivision(pool, d, code)) {
                places[code].divisions |= 1U << d;
            }
        }
        places[code].nfc = inNfc(pool, code);
        places[code].afc = inAfc(pool, code);
    }
    for (int first = 0; first < TeamSlots; ++first) {
        const Place& a = places[first];
        for (int second = 0; second < TeamSlots; ++second) {
            const Place& b = places[second];
            Pairing& pairing = m_pairings[first][second];
            for (int d = 0; d < Divisions; ++d) {
                if ((a.divisions >> d & 1U) != 0) {
                    ++((b.divisions >> d & 1U) != 0 ? pairing.sameDivision : pairing.otherDivision);
                }
            }
            pairing.sameConference = (a.nfc && b.nfc) || (a.afc && b.afc) ? 1 : 0;
            pairing.otherConference = (a.nfc && b.afc) || (a.afc && b.nfc) ? 1 : 0;
        }
    }
}

void TeamPlaces::countTie(TallyTable& counts, int away, int home) const {
    // As for a win, the visitor's divisions decide.
    const Pairing& pairing = m_pairings[away][home];
    for (const int side : {away, home}) {
        TallyCounts& row = counts[side];
        ++row[Ties];
        row[InDivTies] += pairing.sameDivision;
        row[OutDivTies] += pairing.otherDivision;
        row[InConfTies] += pairing.sameConference;
        row[OutConfTies] += pairing.otherConference;
    }
    ++counts[away][RoadTies];
    ++counts[home][HomeTies];
}

namespace {

// A team record as its 16-bit numbers: the team code, then the counts in the tally's order.
using RecordNumbers = Table<int16_t, TallyFields + 1>;
static_assert(offsetof(TeamStanding, team) == 0 && sizeof(TeamStanding) == sizeof(RecordNumbers));

} // namespace

TeamStanding tallied(int16_t team, const TallyCounts& counts) {
    // Built as one run of numbers, which the compiler saturates several at a time.
    RecordNumbers numbers{};
    numbers[0] = team;
    for (int f = 0; f < TallyFields; ++f) {
        numbers[f + 1] = static_cast<int16_t>(std::clamp<int32_t>(
            counts[f], std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
    }
    return std::bit_cast<TeamStanding>(numbers);
}

void addCounts(TeamStanding& row, const TallyCounts& counts) {
    const auto held = std::bit_cast<RecordNumbers>(row);
    TallyCounts sum = counts;
    for (int f = 0; f < TallyFields; ++f) {
        sum[f] += held[f + 1];
    }
    row = tallied(row.team, sum);
}

} // namespace vek
