#pragma once

#include "model/pooldata.h"

namespace vek {

/// Rebuilds the week-by-week standings and the points ledger from nothing: clears the records of weeks
/// 0 to currentWeek + 1 (never past the tables' last week) and ledger columns 0..34, then for every week
/// 0 to currentWeek carries each member's running tallies forward, resets a half or quarter that starts
/// in the week, and calls ScoreWeek and AwardWeekPoints. Leaves every week's rows in member order.
/// Called by every view and report that shows the pool standings or the ledger.
void ScoreSeason(PoolData& pool);

} // namespace vek
