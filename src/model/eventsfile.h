#pragma once

#include "model/datawriter.h"
#include "model/filehelpers.h"

#include <QString>

namespace vek {

class DataFolder;
struct EventSettings;
struct PoolData;

/// events.dat: the scoring rules, 81 values: the season, half and quarter points with the period
/// lengths, entries 0..7 of the seven week-size tables, then the points of the remaining events.

inline const QString EventsFileName = QStringLiteral("events.dat");

/// Reads the scoring rules (the fixed defaults when the file cannot be opened) and derives the first and
/// last weeks of the halves and quarters from the lengths.
ReadOutcome readEventProfiles(const DataFolder& folder, PoolData& pool);
/// Writes the scoring rules (a PoolData passes its own).
[[nodiscard]] WriteResult writeEventProfiles(const DataFolder& folder, const EventSettings& settings);

/// The scoring rules of a pool without events.dat. They set only the points, lengths and thresholds
/// that have a default; the confidence thresholds and the division-winner and wild-card points keep
/// what they held, and the period tables are not derived here.
void applyEventDefaults(PoolData& pool);

} // namespace vek
