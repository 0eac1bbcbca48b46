#pragma once

#include "model/pooldata.h"
#include "views/standingsfigures.h"

#include <QString>

namespace vek {

// The title of a week in the weekly reports: the season, the week and, where the pool has the events,
// the quarter and the half that the week belongs to.

/// The periods part: "    End Qtr " in the last week of any quarter, else "        Qtr ", and the quarter
/// shown, when the pool has quarter points; then the same for the half ("    End Half ", "        Half ").
/// Empty for a pool without either event.
[[nodiscard]] QString weekTitlePeriods(const PoolData& pool, int week, WeekPeriods periods);

/// The printed week title: the year, " VEK Season vs spread Week " in a pool scored against the spread
/// (else " VEK Season           Week "), the week 1-based in two digits, then the periods part.
[[nodiscard]] QString printedWeekTitle(const PoolData& pool, int week, WeekPeriods periods);

} // namespace vek
