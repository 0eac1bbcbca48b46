#pragma once

#include "engine/pickdifferences.h"
#include "model/eventsfile.h"
#include "model/periodtables.h"
#include "model/pooldata.h"
#include "support/poolbuilder.h"

#include <QStringList>

namespace vek::test {

/// The sample pool in mid-season as an administrator keeps one: four-letter abbreviations, the default
/// scoring rules with every event in use, picks made before the season, results through `currentWeek`.
inline void fillRealisticPool(PoolData& pool, int members, int currentWeek) {
    fillSamplePool(pool, longMemberNames(members), currentWeek);
    const QStringList abbrs{"HAWK", "BEAR", "LION", "WOLF", "BULL", "STAG", "LYNX", "PUMA",
                            "ORCA", "SHRK", "EAGL", "OWLS", "RAMS", "COLT", "MULE", "BISN",
                            "CRAB", "CROW", "DOVE", "ELKS", "FOXS", "GULL", "HARE", "IBIS",
                            "JAYS", "KITE", "LARK", "MOTH", "NEWT", "OTTR", "PIKE", "QUIL"};
    for (int t = 0; t < pool.numTeams; ++t) {
        pool.teamAbbr[t] = abbrs[t];
    }
    applyEventDefaults(pool);
    pool.halfWeeks = {9, 8, 0, 0, 0};
    pool.quarterWeeks = {4, 5, 4, 4, 0};
    derivePeriodTables(pool);
    pool.weeklyPicks = 0;
    pool.confidenceMode = 0;
    pool.minWeekGames = 15;
    for (int i = 0; i < StoredWeekSizeEntries; ++i) {
        pool.goodWeekMinWins[i] = 9;
        pool.badWeekMaxWins[i] = 6;
    }
    pool.divWinnerPoints = {10, 20, 40, 80, 0};
    pool.wildCardPoints = {15, 35, 0};
    CalcPickDifferences(pool);
}

} // namespace vek::test
