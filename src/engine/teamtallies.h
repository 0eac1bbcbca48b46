#pragma once

#include "model/pooldata.h"

#include <cstdint>

namespace vek {

// The team records that the members' picks imply, and the standings sort shared by every team table.

/// Which standings table SortAllStandings works on.
constexpr int16_t SortMemberStandings = 0;
constexpr int16_t SortConsensusStandings = 1;
constexpr int16_t SortLeagueStandings = 2;

/// Rebuilds memberStandings of every member and consensusStandings (their sum) from the picks of the
/// whole season, rows in team-code order. A pick of none adds nothing; a pick, or a schedule entry, whose
/// code lies outside the team slots makes the game count for nothing.
void CountMemberPredictions(PoolData& pool);

/// Sorts rows 0..numTeams-1 of sortWork into standings order: wins + ties / 2, descending; equal keys
/// keep their order and losses do not count.
void SortTeamStandings(PoolData& pool);

/// Sorts the table that sortMode names (0 every member's, 1 the consensus, 2 the league's) through
/// sortWork; any other mode leaves every table as it is.
void SortAllStandings(PoolData& pool, int16_t sortMode);

} // namespace vek
