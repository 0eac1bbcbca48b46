#include "views/viewdata.h"

#include "engine/seasonscoring.h"
#include "engine/spreadwinners.h"
#include "engine/weeksort.h"
#include "session/poolsession.h"
#include "session/teamtallies.h"

#include <algorithm>

namespace vek {

void bringViewDataUpToDate(PoolSession& session) {
    if (isTrue(session.pool().usePointSpreads)) {
        CalcSpreadWinners(session.pool());
    }
    bringTeamTalliesUpToDate(session);
}

void scoreSeasonForView(PoolSession& session) {
    bringViewDataUpToDate(session);
    ScoreSeason(session.pool());
}

void scoreSortedStandings(PoolSession& session) {
    scoreSeasonForView(session);
    PoolData& pool = session.pool();
    const int lastWeek = std::min<int>(pool.currentWeek, WeekSlots - 1);
    for (int w = 0; w <= lastWeek; ++w) {
        SortWeekStandings(pool, static_cast<int16_t>(w));
    }
}

} // namespace vek
