#pragma once

#include "model/datawriter.h"
#include "model/filehelpers.h"

#include <QString>

namespace vek {

class DataFolder;
struct LeagueTables;
struct PoolData;

/// vek.dat: the number of teams, the eight division sizes, then name, abbreviation and picture number
/// of every team. Team codes everywhere are positions in this file.

inline const QString LeagueFileName = QStringLiteral("vek.dat");

/// Reads the league; the default league of 32 placeholder teams in eight divisions of four when the file
/// cannot be opened or names a number of teams the tables cannot hold. Derives the division ranges and
/// the "TIE-" and none slots in every case.
ReadOutcome readLeague(const DataFolder& folder, PoolData& pool);
/// Writes the league (a PoolData passes its own): the team records of the first numTeams teams, at most
/// as many as the tables hold.
[[nodiscard]] WriteResult writeLeague(const DataFolder& folder, const LeagueTables& league);

/// The division ranges from the division sizes, and the names of the tie and none slots after the last
/// team. The league editor calls it again after it rebuilds the league.
void deriveLeagueTables(PoolData& pool);

} // namespace vek
