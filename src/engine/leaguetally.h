#pragma once

#include "model/pooldata.h"

namespace vek {

/// Rebuilds leagueStandings, rows in team-code order, from the results of weeks 0..currentWeek. A game
/// counts only when its result is a tie, the away team or the home team; a game whose counted teams lie
/// outside the team slots counts for nothing.
void CountLeagueResults(PoolData& pool);

} // namespace vek
