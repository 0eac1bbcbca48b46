#include "engine/divisionchart.h"

#include "engine/teamrecord.h"

namespace vek {

namespace {

const TeamStanding* chartSource(const PoolData& pool, int mode, int member, int row) {
    if (!isTeamSlot(row)) {
        return nullptr;
    }
    const auto r = row;
    switch (mode) {
    case ChartMemberStandings:
        return isMember(member) ? &pool.memberStandings[r][member] : nullptr;
    case ChartConsensusStandings:
        return &pool.consensusStandings[r];
    case ChartLeagueStandings:
        return &pool.leagueStandings[r];
    default:
        return nullptr;
    }
}

} // namespace

void AddChartTeam(PoolData& pool, int16_t mode, int16_t member, int16_t row) {
    const TeamStanding* source = chartSource(pool, mode, member, row);
    if (source == nullptr || !isTeamSlot(source->team)) {
        return;
    }
    const int team = source->team;
    for (int d = 0; d < Divisions; ++d) {
        if (!inDivision(pool, d, team)) {
            continue;
        }
        const auto di = d;
        const int fill = pool.divisionFill[di];
        if (fill < 0 || fill >= ChartRows) {
            continue; // six rows per division; a seventh team has no place in the chart
        }
        const auto r = fill;
        pool.chartTeam[di][r] = source->team;
        pool.chartWins[di][r] = source->wins;
        pool.chartLosses[di][r] = source->losses;
        pool.chartTies[di][r] = source->ties;
        pool.divisionFill[di] = static_cast<int16_t>(fill + 1);
    }
}

} // namespace vek
