#pragma once

#include "model/pooldata.h"

#include <cstdint>

namespace vek {

/// Turns the event winners that ScoreWeek marked for a week into event points, under the pool's points
/// system: 0 the ledger (the winners share what every other member pays), 1 split credit (the winners
/// share the points), 2 full credit (every winner gets the points); any other system moves nothing. The
/// awards go into pointsTotal of the week's records and into ledgerBalance columns 0..13.
///
/// Called by the season scoring once per week, right after ScoreWeek for that week, while row m of the
/// week is still member m. A second call for the same week would add its awards a second time.
void AwardWeekPoints(PoolData& pool, int16_t week);

} // namespace vek
