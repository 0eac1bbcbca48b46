#pragma once

#include "model/pooldata.h"

namespace vek {

/// Compares every member's picks with every other member's over the whole season: games picked
/// differently per week (pickDiffWeek), over the season (pickDiffTotal) and on each week's Monday-night
/// game (pickDiffMonday); counts each member's unique picks (uniquePicks, uniquePicksWeek) and marks them
/// with the unique-pick flag. Picks are compared by their low byte; no pick counts like a team code.
/// Cells of members, weeks and games outside the season keep what they held.
void CalcPickDifferences(PoolData& pool);

} // namespace vek
