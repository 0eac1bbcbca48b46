#pragma once

#include "model/pooldata.h"

#include <vector>

namespace vek {

// The scouting report: how well one member has picked the games of each team so far.

/// A team's (or a conference's) games counted so far and how many of them the member picked right.
struct PickSuccess {
    int right = 0;
    int games = 0;
    [[nodiscard]] int wrong() const { return games - right; }
    bool operator==(const PickSuccess&) const = default;
};

/// Per team (entry t for team t, 0..numTeams-1) over weeks 0..currentWeek: every game with a result
/// counts for both its teams, a right pick counts right for both, a tie is never right and a game the
/// member did not pick is wrong. A game without a result, or with a result naming neither team, counts
/// for nobody. The conference totals sum their teams, so a game within a conference counts twice. A
/// member outside the member list has nothing counted.
struct ScoutingTallies {
    std::vector<PickSuccess> teams;
    PickSuccess nfc;
    PickSuccess afc;
};
[[nodiscard]] ScoutingTallies scoutingTallies(const PoolData& pool, int member);

/// Where a team stands in the report: its conference and its row there (NFC row t; AFC row t less the
/// first AFC team).
struct ScoutingPlace {
    bool afc = false;
    int row = 0;
    bool operator==(const ScoutingPlace&) const = default;
};
[[nodiscard]] ScoutingPlace scoutingPlace(const PoolData& pool, int team);

/// The number of rows of a conference: the real teams it holds.
[[nodiscard]] int conferenceRows(const PoolData& pool, bool afc);

} // namespace vek
