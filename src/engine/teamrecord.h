#pragma once

#include "model/pooldata.h"

#include <cstdint>

namespace vek {

// How one game counts in two team records. The member tallies and the league tally share these, so
// a win, a loss and a tie are split into home/road, division and conference fields by one set of
// rules.

/// The standings rows that hold real teams: numTeams kept within the team slots.
[[nodiscard]] int standingsRows(const PoolData& pool);

/// Whether a team code lies in division d: firstTeam <= code <= lastTeam. An empty division holds none.
[[nodiscard]] bool inDivision(const PoolData& pool, int division, int code);
/// NFC: up to the last team of NFC West. AFC: from the first team of AFC East on.
[[nodiscard]] bool inNfc(const PoolData& pool, int code);
[[nodiscard]] bool inAfc(const PoolData& pool, int code);

/// Row t of a freshly tallied table: team t, every count 0.
void clearStanding(TeamStanding& row, int team);

/// The counts of a team record after `team`, in the record's order.
enum TallyField : int {
    Wins,
    Losses,
    Ties,
    HomeWins,
    HomeLosses,
    HomeTies,
    RoadWins,
    RoadLosses,
    RoadTies,
    InDivWins,
    InDivLosses,
    InDivTies,
    OutDivWins,
    OutDivLosses,
    OutDivTies,
    InConfWins,
    InConfLosses,
    InConfTies,
    OutConfWins,
    OutConfLosses,
    OutConfTies,
    TallyFields
};

/// A tally in progress: every team slot's counts in wide integers, so that a sum over many members
/// cannot wrap before it is stored.
using TallyCounts = Table<int32_t, TallyFields>;
using TallyTable = Table<TallyCounts, TeamSlots>;

/// Where every team code lies, looked up once per tally from the division ranges rather than again
/// for every pick. A code may lie in several divisions or in both conferences when the ranges are
/// damaged; it then gets the credit of each, as the rules count them one by one.
class TeamPlaces {
public:
    explicit TeamPlaces(const PoolData& pool);

    /// Adds `games` games that `winner` won against `loser` (both team slots).
    void countWin(TallyTable& counts, int winner, int loser, bool winnerAtHome, int32_t games) const;
    /// Adds a tied game between the away and the home team (both team slots).
    void countTie(TallyTable& counts, int away, int home) const;

private:
    struct Place {
        uint8_t divisions = 0; // bit d: the code lies in division d
        bool nfc = false;
        bool afc = false;
    };
    Table<Place, TeamSlots> m_places{};
};

/// Adds counts to a team record, each stored saturated at the 16-bit bounds: a sum too large for the
/// record stays at its maximum instead of wrapping.
void addCounts(TeamStanding& row, const TallyCounts& counts);

/// Stores a tally into a standings table (rowAt(t) is row t): rows 0..rows-1 get their team code and
/// the tally's counts; a row from `rows` up, reached only through an empty side or a stray code, is
/// never cleared and adds the counts to what it held.
template <class RowAt> void storeTally(const TallyTable& counts, int rows, RowAt&& rowAt) {
    for (int t = 0; t < TeamSlots; ++t) {
        TeamStanding& row = rowAt(t);
        if (t < rows) {
            clearStanding(row, t);
        }
        addCounts(row, counts[t]);
    }
}

} // namespace vek
