#include "reports/weektitle.h"

#include "reports/reportmask.h"

namespace vek {

QString weekTitlePeriods(const PoolData& pool, int week, WeekPeriods periods) {
    QString title;
    if (pool.quarterPoints > 0 || pool.quarterGbPoints > 0) {
        bool quarterEnds = false;
        for (int q = 0; q < 4; ++q) {
            quarterEnds = quarterEnds || pool.quarterLastWeek[q] == week;
        }
        title += quarterEnds ? QStringLiteral("    End Qtr ") : QStringLiteral("        Qtr ");
        title += formatNumber(periods.quarter + 1, u"0");
    }
    if (pool.halfPoints > 0 || pool.halfGbPoints > 0) {
        const bool halfEnds = pool.halfLastWeek[0] == week || pool.halfLastWeek[1] == week;
        title += halfEnds ? QStringLiteral("    End Half ") : QStringLiteral("        Half ");
        title += formatNumber(periods.half + 1, u"0");
    }
    return title;
}

QString printedWeekTitle(const PoolData& pool, int week, WeekPeriods periods) {
    return formatNumber(pool.seasonYear, u"0") +
           (isTrue(pool.usePointSpreads) ? QStringLiteral(" VEK Season vs spread Week ")
                                         : QStringLiteral(" VEK Season           Week ")) +
           formatNumber(week + 1, u"00") + weekTitlePeriods(pool, week, periods);
}

} // namespace vek
