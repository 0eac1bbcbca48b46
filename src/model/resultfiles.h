#pragma once

#include "model/datawriter.h"
#include "model/filehelpers.h"

#include <QString>

namespace vek {

class DataFolder;
struct PoolData;
struct WeekLayout;

/// The season's outcomes, positional over the week layout of the schedule they were written with:
/// - results.dat: currentWeek, the winner of every game (the tie code for a tie, none when not entered),
///   the 13 post-season results and the seeds of post-season slots 0..11;
/// - scores.dat: the away and home points of every game;
/// - favorite.dat: the favourite of every game (the tie code for an even game, none when not set) and
///   its point spread.

inline const QString ResultsFileName = QStringLiteral("results.dat");
inline const QString ScoresFileName = QStringLiteral("scores.dat");
inline const QString FavoritesFileName = QStringLiteral("favorite.dat");

/// Reads the results; before reading every winner and post-season result is none. Every week and the
/// post season are read, whatever currentWeek says (it is kept within -1 and the season's last week).
/// When the file cannot be opened currentWeek is -1.
ReadOutcome readResults(const DataFolder& folder, PoolData& pool, const WeekLayout& layout);
[[nodiscard]] WriteResult writeResults(const DataFolder& folder, const PoolData& pool,
                                       const WeekLayout& layout);

/// Reads every game's scores; a missing file leaves them as they were.
ReadOutcome readScores(const DataFolder& folder, PoolData& pool, const WeekLayout& layout);
[[nodiscard]] WriteResult writeScores(const DataFolder& folder, const PoolData& pool,
                                      const WeekLayout& layout);

/// Reads every game's favourite and spread; before reading no favourite is set and every spread is 0.
ReadOutcome readFavorites(const DataFolder& folder, PoolData& pool, const WeekLayout& layout);
[[nodiscard]] WriteResult writeFavorites(const DataFolder& folder, const PoolData& pool,
                                         const WeekLayout& layout);

} // namespace vek
