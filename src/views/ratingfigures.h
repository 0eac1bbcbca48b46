#pragma once

#include "model/pooldata.h"

#include <array>
#include <vector>

namespace vek {

// The team ratings: every win and tie weighted by the strength of the beaten or tied opponent.

struct TeamRating {
    int team = 0;
    float rating = 0.0F;
    bool operator==(const TeamRating&) const = default;
};

/// The ratings of teams 0..numTeams-1 best first (equal ratings in team-code order), with the totals of
/// the two conferences and the averages of the conferences, the divisions and the league (0 for a group
/// without teams).
struct RatingTable {
    std::vector<TeamRating> ranking;
    float nfcTotal = 0.0F;
    float afcTotal = 0.0F;
    float nfcAverage = 0.0F;
    float afcAverage = 0.0F;
    std::array<float, Divisions> divisionAverage{};
    float leagueAverage = 0.0F;
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
