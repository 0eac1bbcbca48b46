#pragma once

#include "model/datawriter.h"
#include "model/filehelpers.h"

namespace vek {

class DataFolder;
struct PoolData;

/// vek.dat: the number of teams, the eight division sizes, then name, abbreviation and picture number
/// of every team. Team codes everywhere are positions in this file.

/// Reads the league; the default league of 32 placeholder teams in eight divisions of four when the file
/// cannot be opened or names a number of teams the tables cannot hold. Derives the division ranges and
/// the "TIE-" and none slots in every case.
ReadOutcome readLeague(const DataFolder& folder, PoolData& pool);
[[nodiscard]] WriteResult writeLeague(const DataFolder& folder, const PoolData& pool);

/// The division ranges from the division sizes, and the names of the tie and none slots after the last
/// team. The league editor calls it again after it rebuilds the league.
void deriveLeagueTables(PoolData& pool);

} // namespace vek
