#pragma once

#include "model/pooldata.h"

#include <QStringList>

#include <memory>

namespace vek {
class DataFolder;
}

namespace vek::test {

/// A zeroed data model on the heap (it is too large for the stack).
[[nodiscard]] std::unique_ptr<PoolData> newPool();

/// 32 teams "Team 1".."Team 32" ("T01".."T32"), eight divisions of four, with the tie and none slots.
void fillSampleLeague(PoolData& pool);

/// A complete schedule of the season 2024 for the 32 teams: 17 weeks of 16 slots, one bye per team.
/// Teams 2k and 2k+1 meet every week except week k (k = 0..15), when both have their bye in the week's
/// last slot (so weeks 0..15 have 15 games, week 16 has 16); they take turns at home, 8 games each.
void fillSampleSchedule(PoolData& pool);

/// Members with made-up names and addresses and complete predictions: every weekly pick, every
/// post-season pick, confidence points counting down from the week's games, a Monday-night total.
void addSampleMembers(PoolData& pool, const QStringList& names);

/// Results through `currentWeek` (each game won by one side, every fifth game a tie, the rest of the
/// season without result), scores for those games, a favourite and spread for every game (every
/// seventh game even), and the post-season results and seeds.
void fillSampleResults(PoolData& pool, int currentWeek);

/// A whole sample pool filled into a zeroed model: league, options, scoring rules, schedule, the given
/// members and results.
void fillSamplePool(PoolData& pool, const QStringList& members, int currentWeek);
[[nodiscard]] std::unique_ptr<PoolData> samplePool(const QStringList& members, int currentWeek);

/// Writes every data file of the pool (and each member's two prediction files) with the program's
/// writers; fails the calling test when a write fails.
void writeAllFiles(const DataFolder& folder, const PoolData& pool);

} // namespace vek::test
