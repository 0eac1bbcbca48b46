#pragma once

#include "model/pooldata.h"

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

/// A game that `winner` won against `loser`; the rows are those of the two codes.
void countWin(const PoolData& pool, int winner, int loser, bool winnerAtHome, TeamStanding& winnerRow,
              TeamStanding& loserRow);
/// A tied game between the away and the home team.
void countTie(const PoolData& pool, int away, int home, TeamStanding& awayRow, TeamStanding& homeRow);

} // namespace vek
