#include "engine/teamtallies.h"

#include "engine/leaguetally.h"
#include "engine/teamrecord.h"

#include <algorithm>

namespace vek {

void CountMemberPredictions(PoolData& pool) {
    const int rows = standingsRows(pool);
    const int members = pool.memberCount();
    const WeekLayout layout = pool.weekLayout();
    const int none = pool.noneCode();

    for (int t = 0; t < rows; ++t) {
        clearStanding(pool.consensusStandings[t], t);
    }
    for (int m = 0; m < members; ++m) {
        const auto mi = m;
        for (int t = 0; t < rows; ++t) {
            clearStanding(pool.memberStandings[t][mi], t);
        }
        for (int w = 0; w < layout.weeks(); ++w) {
            const auto wi = w;
            for (int g = 0; g < layout.games(w); ++g) {
                const auto gi = g;
                const int winner = pickCode(pool.memberPicks[wi][gi][mi]);
                if (winner == none) {
                    continue;
                }
                // A pick that is not the away team counts as a home win over the away team, whoever
                // the home team is: a pick naming neither team still goes to the picked team.
                const int away = pool.scheduleGrid[wi][gi][0];
                const bool winnerAtHome = winner != away;
                const int loser = winnerAtHome ? away : pool.scheduleGrid[wi][gi][1];
                if (!isTeamSlot(winner) || !isTeamSlot(loser)) {
                    continue; // only a damaged file holds such a code; the tables cannot
                }
                const auto wr = winner;
                const auto lr = loser;
                countWin(pool, winner, loser, winnerAtHome, pool.memberStandings[wr][mi],
                         pool.memberStandings[lr][mi]);
                countWin(pool, winner, loser, winnerAtHome, pool.consensusStandings[wr],
                         pool.consensusStandings[lr]);
            }
        }
    }
}

namespace {

float standingsKey(const TeamStanding& row) {
    return static_cast<float>(row.wins) + static_cast<float>(row.ties) / 2.0F;
}

} // namespace

void SortTeamStandings(PoolData& pool) {
    const auto first = pool.sortWork.begin();
    // A stable sort on the key alone: equal keys keep the order the tally left them in.
    std::stable_sort(first, first + standingsRows(pool), [](const TeamStanding& a, const TeamStanding& b) {
        return standingsKey(a) > standingsKey(b);
    });
}

void SortAllStandings(PoolData& pool, int16_t sortMode) {
    const int rows = standingsRows(pool);
    auto sortTable = [&pool, rows](auto&& rowAt) {
        for (int t = 0; t < rows; ++t) {
            pool.sortWork[t] = rowAt(t);
        }
        SortTeamStandings(pool);
        for (int t = 0; t < rows; ++t) {
            rowAt(t) = pool.sortWork[t];
        }
    };

    switch (sortMode) {
    case SortMemberStandings:
        for (int m = 0; m < pool.memberCount(); ++m) {
            sortTable([&pool, m](int t) -> TeamStanding& { return pool.memberStandings[t][m]; });
        }
        break;
    case SortConsensusStandings:
        sortTable([&pool](int t) -> TeamStanding& { return pool.consensusStandings[t]; });
        break;
    case SortLeagueStandings:
        sortTable([&pool](int t) -> TeamStanding& { return pool.leagueStandings[t]; });
        break;
    default:
        break;
    }
}

} // namespace vek
