#include "views/teamfigures.h"

#include "engine/teamrecord.h"
#include "views/standingsfigures.h"

#include <algorithm>

namespace vek {

std::vector<TeamStanding> standingsOfSource(const PoolData& pool, int source) {
    const int members = pool.memberCount();
    const int teams = standingsRows(pool);
    std::vector<TeamStanding> rows;
    if (source < 0 || source > members + 1) {
        return rows;
    }
    rows.reserve(sizeFor(teams));
    for (int r = 0; r < teams; ++r) {
        if (source < members) {
            rows.push_back(pool.memberStandings[r][source]);
        } else if (source == members) {
            rows.push_back(pool.consensusStandings[r]);
        } else {
            rows.push_back(pool.leagueStandings[r]);
        }
    }
    return rows;
}

bool isLeagueSource(const PoolData& pool, int source) {
    return source == pool.memberCount() + 1;
}

QString sourceName(const PoolData& pool, int source) {
    const int members = pool.memberCount();
    if (source >= 0 && source < members) {
        return pool.memberName[source];
    }
    return source == members ? QStringLiteral("Consensus") : QStringLiteral("VEK");
}

ChartTitle chartTitle(const PoolData& pool, int source) {
    const int members = pool.memberCount();
    if (source >= 0 && source < members) {
        return {pool.memberName[source],
                QStringLiteral(" (") + memberOddsText(pool, source) + QLatin1Char(')')};
    }
    return {source == members ? QStringLiteral("Consensus") : QStringLiteral("VEK Standings"), {}};
}

QString divisionName(int division) {
    static const std::array<const char*, Divisions> Names{"NFC East", "NFC North", "NFC South", "NFC West",
                                                          "AFC East", "AFC North", "AFC South", "AFC West"};
    return division >= 0 && division < Divisions ? QString::fromLatin1(Names[division]) : QString();
}

std::array<std::vector<TeamStanding>, Divisions> divisionStandings(const PoolData& pool,
                                                                   const std::vector<TeamStanding>& rows) {
    std::array<std::vector<TeamStanding>, Divisions> divisions;
    for (const TeamStanding& row : rows) {
        for (int d = 0; d < Divisions; ++d) {
            auto& teams = divisions[d];
            if (inDivision(pool, d, row.team) && std::ssize(teams) < DivisionTeamsShown) {
                teams.push_back(row);
            }
        }
    }
    return divisions;
}

SourceTotals sourceTotals(const PoolData& pool, const std::vector<TeamStanding>& rows) {
    SourceTotals totals;
    for (const TeamStanding& row : rows) {
        totals.homeWins += row.homeWins;
        totals.roadWins += row.homeLosses;
        totals.ties += row.homeTies;
        (inNfc(pool, row.team) ? totals.nfcWins : totals.afcWins) += row.outConfWins;
        totals.conferenceTies += row.outConfTies;
    }
    return totals;
}

std::vector<CountedGame> countedGames(const PoolData& pool) {
    std::vector<CountedGame> games;
    const auto realTeam = [&pool](int code) { return code >= 0 && code < standingsRows(pool); };
    const int lastWeek = std::min<int>(pool.currentWeek, WeekSlots - 1);
    for (int w = 0; w <= lastWeek; ++w) {
        for (int g = 0; g < pool.games(w); ++g) {
            const int winner = pool.gameWinner[w][g];
            const int away = pool.scheduleGrid[w][g][0];
            const int home = pool.scheduleGrid[w][g][1];
            if (realTeam(away) && realTeam(home) &&
                (winner == away || winner == home || winner == pool.tieCode())) {
                games.push_back({w, g, away, home, winner});
            }
        }
    }
    return games;
}

ChosenCounts chosenCounts(const PoolData& pool) {
    const int members = pool.memberCount();
    ChosenCounts counts{std::vector<int>(sizeFor(members + 1)), std::vector<int>(sizeFor(members + 1))};
    for (const CountedGame& game : countedGames(pool)) {
        const auto& picks = pool.memberPicks[game.week][game.game];
        const auto chosen =
            static_cast<int>(std::count_if(picks.begin(), picks.begin() + members,
                                           [&game](int16_t pick) { return pickCode(pick) == game.winner; }));
        ++at(counts.won, chosen);
        ++at(counts.lost, members - chosen);
    }
    return counts;
}

} // namespace vek
