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
    const TeamPlaces places(pool);

    // How many members picked each code in each game: the consensus counts every code of a game once,
    // weighted by its pickers, instead of counting every pick a second time.
    Table3<int32_t, WeekSlots, GameSlots, TeamSlots> pickers{};
    for (int m = 0; m < members; ++m) {
        TallyTable counts{};
        for (int w = 0; w < layout.weeks(); ++w) {
            for (int g = 0; g < layout.games(w); ++g) {
                const int winner = pickCode(pool.memberPicks[w][g][m]);
                if (winner == none) {
                    continue;
                }
                // A pick that is not the away team counts as a home win over the away team, whoever
                // the home team is: a pick naming neither team still goes to the picked team.
                const int away = pool.scheduleGrid[w][g][0];
                const bool winnerAtHome = winner != away;
                const int loser = winnerAtHome ? away : pool.scheduleGrid[w][g][1];
                if (!isTeamSlot(winner) || !isTeamSlot(loser)) {
                    continue; // only a damaged file holds such a code; the tables cannot
                }
                places.countWin(counts, winner, loser, winnerAtHome, 1);
                ++pickers[w][g][winner];
            }
        }
        storeTally(counts, rows, [&pool, m](int t) -> TeamStanding& { return pool.memberStandings[t][m]; });
    }

    TallyTable consensus{};
    for (int w = 0; w < layout.weeks(); ++w) {
        for (int g = 0; g < layout.games(w); ++g) {
            const int away = pool.scheduleGrid[w][g][0];
            for (int winner = 0; winner < TeamSlots; ++winner) {
                const int32_t picks = pickers[w][g][winner];
                if (picks == 0) {
                    continue;
                }
                const bool winnerAtHome = winner != away;
                const int loser = winnerAtHome ? away : pool.scheduleGrid[w][g][1];
                places.countWin(consensus, winner, loser, winnerAtHome, picks);
            }
        }
    }
    storeTally(consensus, rows, [&pool](int t) -> TeamStanding& { return pool.consensusStandings[t]; });
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
