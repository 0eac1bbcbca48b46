#pragma once

#include "model/pooldata.h"

namespace vek {

/// The slots of a week that hold at least one bye entry, among its gamesPerWeek slots: the week's open
/// dates, so that its games are the slots before them.
[[nodiscard]] int16_t countOpenDates(const PoolData& pool, int week);

} // namespace vek
