#pragma once

#include "model/datawriter.h"
#include "model/filehelpers.h"

namespace vek {

class DataFolder;
struct PoolData;

/// pool.dat: the five pool options, one value per line, in the order weeklyPicks, usePointSpreads,
/// confidenceMode, pointsSystem, mnTieBreaker.

/// Reads the options; all five are 0 when the file cannot be opened.
ReadOutcome readPoolOptions(const DataFolder& folder, PoolData& pool);
[[nodiscard]] WriteResult writePoolOptions(const DataFolder& folder, const PoolData& pool);

} // namespace vek
