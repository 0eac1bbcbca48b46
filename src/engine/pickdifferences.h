#pragma once

#include "model/pooldata.h"

namespace vek {

/// How two members' weeks of picks are compared: the fastest way this build has (16 games at a time
/// where the processor has SSE2), or game by game, as on any other processor. Both give the same tables;
/// both are built everywhere so that the tests hold them equal on every machine.
enum class PickComparison { Fastest, GameByGame };

/// Compares every member's picks with every other member's over the whole season: games picked
/// differently per week (pickDiffWeek), over the season (pickDiffTotal) and on each week's Monday-night
/// game (pickDiffMonday); counts each member's unique picks (uniquePicks, uniquePicksWeek) and marks them
/// with the unique-pick flag. Picks are compared by their low byte; no pick counts like a team code.
/// Cells of members, weeks and games outside the season keep what they held.
void CalcPickDifferences(PoolData& pool, PickComparison comparison = PickComparison::Fastest);

} // namespace vek
