#include "views/ratingfigures.h"

#include "engine/teamrecord.h"
#include "views/figuretexts.h"
#include "views/teamfigures.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vek {

namespace {

/// A team's strength from the first row of the league standings that holds it; none without one.
std::optional<double> strength(const PoolData& pool, int team) {
    const int rows = standingsRows(pool);
    for (int r = 0; r < rows; ++r) {
        const TeamStanding& row = pool.leagueStandings[r];
        if (row.team == team) {
            return 1.0 + row.wins + row.ties / 2.0;
        }
    }
    return std::nullopt;
}

/// Adds to a rating in double precision and keeps the sum in single precision.
void add(float& rating, double amount) {
    rating = static_cast<float>(static_cast<double>(rating) + amount);
}

} // namespace

RatingTable teamRatings(const PoolData& pool) {
    const int teams = standingsRows(pool);
    Table<float, TeamSlots> rating{};
    Table<std::optional<double>, TeamSlots> strengths{};
    for (int t = 0; t < teams; ++t) {
        strengths[t] = strength(pool, t);
    }
    const auto halfOf = [](const std::optional<double>& s) { return s ? 0.5 * *s : 0.0; };

    for (const CountedGame& game : countedGames(pool)) {
        const int away = game.away;
        const int home = game.home;
        if (game.winner == pool.tieCode()) {
            add(rating[away], 0.5);
            add(rating[away], halfOf(strengths[home]));
            add(rating[home], halfOf(strengths[away]));
        } else if (game.winner == game.away) {
            add(rating[away], 1.0);
            add(rating[away], strengths[home].value_or(0.0));
        } else {
            add(rating[home], strengths[away].value_or(0.0));
        }
    }

    RatingTable table;
    for (int t = 0; t < teams; ++t) {
        table.ranking.push_back({t, rating[t]});
    }
    std::stable_sort(table.ranking.begin(), table.ranking.end(),
                     [](const TeamRating& a, const TeamRating& b) { return a.rating > b.rating; });

    for (const TeamRating& r : table.ranking) {
        for (int d = 0; d < Divisions; ++d) {
            if (inDivision(pool, d, r.team)) {
                table.divisions[d].total += r.rating;
                (d < 4 ? table.nfc : table.afc).total += r.rating;
                break;
            }
        }
    }
    for (int d = 0; d < Divisions; ++d) {
        const int count = pool.divisionRec[d].teamCount;
        table.divisions[d].teams = count;
        (d < 4 ? table.nfc : table.afc).teams += count;
    }
    table.league = {table.nfc.total + table.afc.total, teams};
    return table;
}

QString averageText(const RatingGroup& group) {
    if (group.teams <= 0) {
        return decimalText(0.0, 2);
    }
    const auto quarters = std::llround(4.0 * static_cast<double>(group.total));
    return ratioText(quarters, 4 * int64_t{group.teams}, 2);
}

} // namespace vek
