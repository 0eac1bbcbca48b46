#pragma once

#include "model/datawriter.h"
#include "model/pooldata.h"

#include <cstdint>

namespace vek {

class PoolSession;

/// Whether changing the confidence mode renumbers the stored confidence points: only between the two
/// ranges.
[[nodiscard]] bool renumbersConfidence(int16_t fromMode, int16_t toMode);

/// Renumbers the confidence points of every member when the confidence numbering changes between its
/// two ranges: mode 1 numbers a week's picks from the slots per week down, mode 2 from the week's games
/// down to 1, so every value moves by the week's open dates. A value of 0 is no value and stays 0.
/// Nothing changes for any other pair of modes. Returns whether the numbering changes.
bool convertConfidencePoints(Table3<int16_t, WeekSlots, GameSlots, MemberSlots>& points,
                             const WeekLayout& layout, int members, int16_t fromMode, int16_t toMode);

/// OK of the pool options. When the confidence numbering changes, every member's .CPT is written with
/// the renumbered values (over the schedule's layout on disk); then pool.dat. Only when every file was
/// written do the shared options and confidence points change; then the winners against the spread are
/// recomputed (when point spreads are used) and the main window's buttons refreshed. A failed write
/// changes nothing in memory, and the files already written get their old content back, so a second OK
/// converts once.
[[nodiscard]] WriteResult changePoolOptions(PoolSession& session, const PoolOptions& options);

} // namespace vek
