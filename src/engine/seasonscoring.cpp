#include "engine/seasonscoring.h"

#include "engine/weekperiods.h"
#include "engine/weekpoints.h"
#include "engine/weekscoring.h"

#include <algorithm>

namespace vek {

void ScoreSeason(PoolData& pool) {
    const int members = pool.memberCount();
    // A damaged currentWeek never takes the scoring outside the week tables.
    const int lastWeek = std::clamp<int>(pool.currentWeek, -1, WeekSlots - 1);
    const int lastCleared = std::min(lastWeek + 1, WeekSlots - 1);

    for (int w = 0; w <= lastCleared; ++w) {
        const auto week = w;
        pool.maxOverStreak[week] = 0;
        for (int m = 0; m < members; ++m) {
            WeekStanding& s = pool.weekStandings[week][m];
            s = WeekStanding{};
            s.memberIndex = static_cast<int16_t>(m);
        }
    }
    for (int m = 0; m < members; ++m) {
        auto& ledger = pool.ledgerBalance[m];
        std::fill(ledger.begin(), ledger.end() - 1, 0.0f); // column 35 is not the ledger's
    }

    // The pairs' differences are summed once for every week of the season.
    const DifferencesLeft diffs(pool);
    for (int w = 0; w <= lastWeek; ++w) {
        const auto week = w;
        const auto weekNumber = static_cast<int16_t>(w);
        auto& rows = pool.weekStandings[week];
        pool.totalGamesBehind = 0;
        if (w > 0) {
            // Every running tally carries over; the week's own fields start empty.
            for (int m = 0; m < members; ++m) {
                WeekStanding& s = rows[m];
                s = pool.weekStandings[week - 1][m];
                s.memberIndex = static_cast<int16_t>(m);
                s.weekWins = 0;
                s.weekLosses = 0;
                s.eventFlags = 0;
                s.weekCp = 0;
            }
        }
        const int16_t half = HalfOfWeek(pool, weekNumber);
        const int16_t quarter = QuarterOfWeek(pool, weekNumber);
        const auto h = half;
        const auto q = quarter;

        if (w == pool.halfFirstWeek[0] || w == pool.halfFirstWeek[1]) {
            for (int m = 0; m < members; ++m) {
                WeekStanding& s = rows[m];
                s.halfWins[h] = 0;
                s.halfLosses[h] = 0;
                s.halfCp[h] = 0;
                s.elimFlags = static_cast<int16_t>(s.elimFlags & ~(elim::HalfTie | elim::HalfOut));
            }
        }
        const bool quarterStarts =
            std::any_of(pool.quarterFirstWeek.begin(), pool.quarterFirstWeek.begin() + 4,
                        [w](int16_t first) { return first == w; });
        if (quarterStarts) {
            // The entry reset is the week's own quarter, whichever quarter's first week matched.
            for (int m = 0; m < members; ++m) {
                WeekStanding& s = rows[m];
                s.quarterWins[q] = 0;
                s.quarterLosses[q] = 0;
                s.quarterCp[q] = 0;
                s.elimFlags = static_cast<int16_t>(s.elimFlags & ~(elim::QuarterTie | elim::QuarterOut));
            }
        }
        ScoreWeek(pool, weekNumber, half, quarter, diffs);
        AwardWeekPoints(pool, weekNumber);
    }
}

} // namespace vek
