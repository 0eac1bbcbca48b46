#pragma once

#include "model/pooldata.h"
#include "engine/differencesleft.h"

#include <cstdint>

namespace vek {

/// Scores one week for every member: the week's correct and wrong picks and confidence points go into
/// the week, season, half and quarter tallies of the week's records; unique and Monday-night picks, the
/// over-50% streaks and, in the season's last week, the post-season predictions are counted; the
/// elimination flags are settled from the picks still to be decided; and the week's event winners are
/// marked in eventFlags and counted in eventWinners, with the Monday-night tiebreak of a shared Good Week.
///
/// The season scoring calls it once per week, in week order, after carrying the running tallies into
/// the week's records (row m is member m) and resetting totalGamesBehind and any period that starts in
/// the week. half (0..1) and quarter (0..3) are the week's periods; other values score nothing.
void ScoreWeek(PoolData& pool, int16_t week, int16_t half, int16_t quarter);

/// The same with the pairs' differences already summed, as the season scoring does once for all its
/// weeks; `diffs` must have been built from the pool's current pick differences and members.
void ScoreWeek(PoolData& pool, int16_t week, int16_t half, int16_t quarter, const DifferencesLeft& diffs);

} // namespace vek
