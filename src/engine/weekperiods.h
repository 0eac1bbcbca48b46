#pragma once

#include "model/periodtables.h"
#include "model/pooldata.h"

#include <cstdint>

namespace vek {

// The periods of the season a week belongs to, and the entry of the week-size tables that applies to
// it. Shared by the season scoring and by every view and report that shows a half or a quarter.

/// The quarter (0..3) whose week range holds the week; the first such quarter when ranges overlap, and
/// quarter 0 for a week that lies in no quarter's range.
[[nodiscard]] int16_t QuarterOfWeek(const PoolData& pool, int16_t week);

/// The half of a week: half 0 when the week lies within half 0's range, otherwise half 1 (half 1's own
/// range is never consulted).
[[nodiscard]] int16_t HalfOfWeek(const PoolData& pool, int16_t week);

/// The entry of the week-size tables that the scoring uses for a week: `weekSizeIndex` of the week's
/// games. A week whose size has no entry (a schedule changed since minWeekGames was computed, a damaged
/// file) uses the spare entry 8, whose thresholds and points are 0, so it moves no points.
[[nodiscard]] int weekSizeEntry(const PoolData& pool, int16_t week);

} // namespace vek
