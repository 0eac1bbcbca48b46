#include "engine/weeksort.h"

namespace vek {

void SortWeekStandings(PoolData& pool, int16_t week) {
    if (!isWeek(week)) {
        return;
    }
    auto& rows = pool.weekStandings[week];
    const int members = pool.memberCount();
    const auto key = [&pool](const WeekStanding& s) {
        return pool.confidenceMode == 0 ? s.seasonWins : s.seasonCp;
    };

    // Exchanging adjacent rows only when the lower one is strictly better keeps equal keys in order. A
    // pass without an exchange leaves the rows as every later pass would.
    for (int pass = 0; pass < members; ++pass) {
        bool exchanged = false;
        for (int i = 0; i + 1 < members; ++i) {
            auto& upper = rows[i];
            auto& lower = rows[i + 1];
            if (key(lower) > key(upper)) {
                pool.swapStanding = upper;
                upper = lower;
                lower = pool.swapStanding;
                exchanged = true;
            }
        }
        if (!exchanged) {
            break;
        }
    }
}

} // namespace vek
