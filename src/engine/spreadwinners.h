#pragma once

#include "model/pooldata.h"

namespace vek {

/// Decides, for every game of weeks 0..currentWeek, which team won against the point spread: the
/// favourite's score less the spread against the other side's score, in single precision; equal scores
/// are a push (numTeams). An even game, or one without a favourite, is decided on the scores alone.
/// Later weeks keep their spreadWinner values.
void CalcSpreadWinners(PoolData& pool);

} // namespace vek
