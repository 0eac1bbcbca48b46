#pragma once

#include "model/datawriter.h"
#include "model/filehelpers.h"

#include <QString>

namespace vek {

class DataFolder;
struct PoolData;
struct PoolOptions;

/// pool.dat: the five pool options, one value per line, in the order weeklyPicks, usePointSpreads,
/// confidenceMode, pointsSystem, mnTieBreaker.

inline const QString PoolOptionsFileName = QStringLiteral("pool.dat");

/// Reads the options; all five are 0 when the file cannot be opened.
ReadOutcome readPoolOptions(const DataFolder& folder, PoolData& pool);
/// Writes the options (a PoolData passes its own).
[[nodiscard]] WriteResult writePoolOptions(const DataFolder& folder, const PoolOptions& options);

} // namespace vek
