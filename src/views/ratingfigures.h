#pragma once

#include "model/pooldata.h"

#include <QString>

#include <array>
#include <vector>

namespace vek {

// The team ratings: every win and tie weighted by the strength of the beaten or tied opponent.

struct TeamRating {
    int team = 0;
    float rating = 0.0F;
    bool operator==(const TeamRating&) const = default;
};

/// The ratings of a group of teams: their total and the number of teams its average divides by (the
/// division's teamCount, the sum of a conference's, numTeams for the league).
struct RatingGroup {
    float total = 0.0F;
    int teams = 0;
    bool operator==(const RatingGroup&) const = default;
};

/// The group's average with two decimals ("0.00"; "0.00" for a group without teams). Every rating is a
/// whole number of quarter points, so the average is a ratio of whole numbers and is rounded exactly:
/// 123.25 over 10 teams shows "12.33", though the nearest float to 12.325 lies below it.
[[nodiscard]] QString averageText(const RatingGroup& group);

/// The ratings of teams 0..numTeams-1 best first (equal ratings in team-code order), with the groups
/// whose totals and averages the window shows.
struct RatingTable {
    std::vector<TeamRating> ranking;
    RatingGroup nfc;
    RatingGroup afc;
    std::array<RatingGroup, Divisions> divisions{};
    RatingGroup league;
};

/// Over weeks 0..currentWeek, with a team's strength 1 + wins + ties / 2 from the league standings: a
/// road win earns 1 + the loser's strength, a home win the loser's strength, a tie half the other
/// team's strength and the road team another 0.5. A game without a result, or with a result naming
/// neither team, counts for nobody. Reads leagueStandings as the team tallies left them.
[[nodiscard]] RatingTable teamRatings(const PoolData& pool);

/// The rows of the ranking's left column: the first half of the teams, rounded up.
[[nodiscard]] constexpr int ratingLeftRows(int teams) {
    return (teams + 1) / 2;
}

} // namespace vek
