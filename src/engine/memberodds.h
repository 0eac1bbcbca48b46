#pragma once

#include "model/pooldata.h"

#include <QString>

namespace vek {

/// Rates each member's chance of winning from the season pick-difference totals: the member whose
/// picks differ least from everybody else's is the favourite. Fills memberOdds (the odds against the
/// member, to 1; lower is better) for members 0..numMembers-1; with no members nothing changes.
void CalcMemberOdds(PoolData& pool);

/// A member's odds as the views show them: a fraction or a padded whole number for odds below 5, a
/// whole number otherwise (halves rounded away from zero, never "-0"). Empty for a member outside the
/// tables.
[[nodiscard]] QString OddsText(const PoolData& pool, int member);

} // namespace vek
