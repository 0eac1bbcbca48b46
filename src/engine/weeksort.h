#pragma once

#include "model/pooldata.h"

#include <cstdint>

namespace vek {

/// Puts one week's records into standings order, best first: by seasonWins, or by seasonCp in a pool
/// with confidence points; equal keys keep their order. Whole records move (memberIndex tells whose
/// row it is), through swapStanding. The standings window and the sorted results call it for every
/// week up to currentWeek after the season scoring.
void SortWeekStandings(PoolData& pool, int16_t week);

} // namespace vek
