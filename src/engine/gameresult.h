#pragma once

#include "model/pooldata.h"

#include <cstdint>

namespace vek {

/// The team a pick of the game must name to be marked right in a report: the winner against the spread
/// in a pool scored against the spread, else the game's winner (either may be the tie). A game without a
/// result gives none, which no pick names: its spread winner, worked out from scores of 0 to 0, is no
/// result. The scoring counts picks by the same rule.
[[nodiscard]] int16_t winnerToMark(const PoolData& pool, int week, int game);

} // namespace vek
