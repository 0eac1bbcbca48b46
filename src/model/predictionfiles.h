#pragma once

#include "model/datawriter.h"
#include "model/filehelpers.h"

#include <QString>

namespace vek {

class DataFolder;
struct PoolData;
struct WeekLayout;

/// A member's two prediction files, named by the first 8 characters of the member's name:
/// - ".PRD": the pick of every game, week by week, then the 13 post-season picks;
/// - ".CPT": for every week with games, the confidence points of its games and then the member's
///   Monday-night total.
/// Both are positional over the week layout of the schedule they were written with, which every reader
/// and writer takes as a parameter.

inline const QString PicksExtension = QStringLiteral("PRD");
inline const QString ConfidenceExtension = QStringLiteral("CPT");

/// What reading a member's picks found.
struct PredictionsReadOutcome : ReadOutcome {
    bool complete = false; // also stored in predictionsComplete(member)
};

/// A member without a name (`isNamedMember`) has no files: his picks read as none, his confidence
/// points as 0, and a write of either is refused with `unnamedMemberFailure`.

/// Why a member's predictions cannot be saved while he has no name.
[[nodiscard]] WriteResult unnamedMemberFailure(int member);

/// Reads the member's picks; before reading every pick is none. The member is incomplete when the file
/// is missing or ends early, when a weekly pick is none in a pool that predicts every game before the
/// season, or when a post-season pick is none and its event has points.
PredictionsReadOutcome readPredictions(const DataFolder& folder, PoolData& pool, int member,
                                       const WeekLayout& layout);
/// Writes the member's picks, each weekly pick as its bare team code (the unique-pick flag is not kept).
[[nodiscard]] WriteResult writePredictions(const DataFolder& folder, const PoolData& pool, int member,
                                           const WeekLayout& layout);

/// Reads the member's confidence points and Monday-night totals; before reading they are 0.
ReadOutcome readConfidence(const DataFolder& folder, PoolData& pool, int member, const WeekLayout& layout);
[[nodiscard]] WriteResult writeConfidence(const DataFolder& folder, const PoolData& pool, int member,
                                          const WeekLayout& layout);

/// Whether the member's predictions in memory are complete by the rule the picks file is read with: in a
/// pool that predicts every game before the season every weekly pick made, and every post-season pick
/// made whose event has points (the division winners and wild cards postSeasonPoints, the Big Game
/// bigGamePoints).
[[nodiscard]] bool memberPredictionsComplete(const PoolData& pool, int member, const WeekLayout& layout);

} // namespace vek
