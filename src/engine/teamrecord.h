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
/// for every pick: for each pair of codes, what a game between them adds to the division and
/// conference fields. A code may lie in several divisions or in both conferences when the ranges are
/// damaged; it then gets the credit of each, as the rules count them one by one.
class TeamPlaces {
public:
    explicit TeamPlaces(const PoolData& pool);

    /// Adds `games` games that `winner` won against `loser` (both team slots).
    void countWin(TallyTable& counts, int winner, int loser, bool winnerAtHome, int32_t games) const {
        TallyCounts& w = counts[winner];
        TallyCounts& l = counts[loser];
        const Pairing& pairing = m_pairings[winner][loser];
        w[Wins] += games;
        l[Losses] += games;
        // Chosen by index, not by a branch: members' picks go either way at random, so a branch on the
        // side would be mispredicted half of the time.
        w[WinnerSide[static_cast<int>(winnerAtHome)]] += games;
        l[LoserSide[static_cast<int>(winnerAtHome)]] += games;
        w[InDivWins] += pairing.sameDivision * games;
        l[InDivLosses] += pairing.sameDivision * games;
        w[OutDivWins] += pairing.otherDivision * games;
        l[OutDivLosses] += pairing.otherDivision * games;
        w[InConfWins] += pairing.sameConference * games;
        l[InConfLosses] += pairing.sameConference * games;
        w[OutConfWins] += pairing.otherConference * games;
        l[OutConfLosses] += pairing.otherConference * games;
    }
    /// Adds a tied game between the away and the home team (both team slots).
    void countTie(TallyTable& counts, int away, int home) const;

private:
    static constexpr Table<TallyField, 2> WinnerSide{{RoadWins, HomeWins}};
    static constexpr Table<TallyField, 2> LoserSide{{HomeLosses, RoadLosses}};

    // A game's credit, the first code counting as the one whose divisions decide (the winner, or the
    // visitor of a tie).
    struct Pairing {
        int32_t sameDivision = 0;  // divisions of the first code that hold the second
        int32_t otherDivision = 0; // divisions of the first code that do not
        int32_t sameConference = 0;
        int32_t otherConference = 0;
    };
    Table2<Pairing, TeamSlots, TeamSlots> m_pairings{};
};

/// Team `team`'s record with the counts, each stored saturated at the 16-bit bounds: a sum too large
/// for the record stays at its maximum instead of wrapping.
[[nodiscard]] TeamStanding tallied(int16_t team, const TallyCounts& counts);
/// Adds counts to a team record, saturated in the same way.
void addCounts(TeamStanding& row, const TallyCounts& counts);

/// Stores a tally into a standings table (rowAt(t) is row t): rows 0..rows-1 get their team code and
/// the tally's counts; a row from `rows` up, reached only through an empty side or a stray code, is
/// never cleared and adds the counts to what it held.
template <class RowAt> void storeTally(const TallyTable& counts, int rows, RowAt&& rowAt) {
    for (int t = 0; t < TeamSlots; ++t) {
        if (t < rows) {
            rowAt(t) = tallied(static_cast<int16_t>(t), counts[t]);
        } else {
            addCounts(rowAt(t), counts[t]);
        }
    }
}

} // namespace vek
