#include "session/teamtallies.h"

#include "engine/leaguetally.h"
#include "engine/teamtallies.h"
#include "session/poolsession.h"

namespace vek {

void RecountTeamTallies(PoolSession& session) {
    PoolData& pool = session.pool();
    CountMemberPredictions(pool);
    session.sortMode = SortMemberStandings;
    SortAllStandings(pool, session.sortMode);
    session.sortMode = SortConsensusStandings;
    SortAllStandings(pool, session.sortMode);
    if (pool.currentWeek != -1) {
        CountLeagueResults(pool);
        session.sortMode = SortLeagueStandings;
        SortAllStandings(pool, session.sortMode);
    }
    session.teamsRecalculated = true;
}

void bringTeamTalliesUpToDate(PoolSession& session) {
    if (!session.teamsRecalculated) {
        RecountTeamTallies(session);
    }
}

} // namespace vek
