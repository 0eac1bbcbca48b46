#pragma once

#include "model/pooldata.h"

#include <cstdint>

namespace vek {

/// Which standings table a division chart lays out.
constexpr int16_t ChartMemberStandings = 0;
constexpr int16_t ChartConsensusStandings = 1;
constexpr int16_t ChartLeagueStandings = 2;

/// Files row `row` of a ranked standings table (mode 0 memberStandings of `member`, 1 the consensus,
/// 2 the league's) into the next free chart row of its team's division. The caller resets divisionFill
/// before each chart and adds the rows in rank order. A team beyond the sixth of its division, a code
/// outside the team slots and a row or member outside the tables are left out.
void AddChartTeam(PoolData& pool, int16_t mode, int16_t member, int16_t row);

} // namespace vek
