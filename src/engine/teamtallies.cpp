#include "engine/teamtallies.h"

#include "engine/leaguetally.h"
#include "engine/teamrecord.h"

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
                const int home = pool.scheduleGrid[w][g][1];
                const bool winnerAtHome = winner != away;
                const int loser = winnerAtHome ? away : home;
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

// The standings order of rows 0..rows-1 (rowAt(t) is row t): their indexes by key, descending, equal
// keys in the order they stand. An insertion sort over the keys alone: a table has at most 39 rows,
// every member's table is sorted, and nothing is allocated or moved but the indexes.
template <class RowAt> Table<int, TeamSlots> standingsOrder(RowAt&& rowAt, int rows) {
    Table<float, TeamSlots> keys{};
    Table<int, TeamSlots> order{};
    for (int t = 0; t < rows; ++t) {
        keys[t] = standingsKey(rowAt(t));
        int place = t;
        while (place > 0 && keys[order[place - 1]] < keys[t]) {
            order[place] = order[place - 1];
            --place;
        }
        order[place] = t;
    }
    return order;
}

} // namespace

void SortTeamStandings(PoolData& pool) {
    const int rows = standingsRows(pool);
    const Table<TeamStanding, TeamSlots> unsorted = pool.sortWork;
    const auto order =
        standingsOrder([&unsorted](int t) -> const TeamStanding& { return unsorted[t]; }, rows);
    for (int t = 0; t < rows; ++t) {
        pool.sortWork[t] = unsorted[order[t]];
    }
}

void SortAllStandings(PoolData& pool, int16_t sortMode) {
    const int rows = standingsRows(pool);
    // Each table goes through sortWork in standings order and back, so sortWork keeps the last table
    // sorted.
    auto sortTable = [&pool, rows](auto&& rowAt) {
        const auto order = standingsOrder(rowAt, rows);
        for (int t = 0; t < rows; ++t) {
            pool.sortWork[t] = rowAt(order[t]);
        }
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
