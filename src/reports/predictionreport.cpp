#include "reports/predictionreport.h"

#include "engine/weekperiods.h"
#include "model/appinfo.h"
#include "reports/differencessection.h"
#include "reports/ledgersection.h"
#include "reports/membercharts.h"
#include "reports/membergroups.h"
#include "reports/postseasonsection.h"
#include "reports/reportchoice.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"
#include "reports/standingsrows.h"
#include "reports/weekgrid.h"
#include "reports/weekpage.h"
#include "session/poolsession.h"
#include "session/teamtallies.h"
#include "views/standingsfigures.h"
#include "views/viewdata.h"

#include <algorithm>

namespace vek {
namespace {

void printCover(ReportPrinter& printer, const PoolData& pool, int16_t kind) {
    for (int line = 0; line < 6; ++line) {
        printer.endLine();
    }
    printer.setBold(true);
    printer.setFontSize(16);
    printer.printLine(blanks(22) + formatNumber(pool.seasonYear, u"0") + QStringLiteral(" VEK Season"));
    printer.endLine();
    printer.printLine(blanks(26) + appinfo::titleAndDescription());
    printer.endLine();
    printer.printLine(blanks(21) + (kind == KindPredictions ? QStringLiteral("Member Predictions")
                                                            : QStringLiteral("Prediction Results")));
    printer.newPage();
}

/// The half of a week: kept from the week before when no half's range holds it. The quarter is the
/// first that holds it, or the first quarter.
WeekPeriods reportPeriods(const PoolData& pool, int week, WeekPeriods previous) {
    return {QuarterOfWeek(pool, static_cast<int16_t>(week)), periodsOfWeek(pool, week, previous).half};
}

} // namespace

void PrintPredictionReport(PoolSession& session, ReportPrinter& printer, const ReportChoice& choice) {
    PoolData& pool = session.pool();
    const int16_t kind = choice.kind;
    const bool wholeSeason = choice.fromWeek == 0 && choice.toWeek == pool.numWeeks - 1;
    const bool predictionsOfSeason = kind == KindPredictions && wholeSeason;

    if (kind == KindResultsSeason || predictionsOfSeason) {
        printCover(printer, pool, kind);
    }
    if (isResultsKind(kind)) {
        // The scoring the standings window shows: on winners against the spread of every week with
        // results, also of a week entered but not saved yet.
        scoreSeasonForView(session);
    }
    const MemberGroups groups = reportMemberGroups(pool.memberCount());

    WeekPeriods periods;
    const int lastWeek = std::min<int>(choice.toWeek, WeekSlots - 1);
    for (int w = std::max<int>(choice.fromWeek, 0); w <= lastWeek; ++w) {
        periods = reportPeriods(pool, w, periods);
        const WeekLeaders leaders = leadersOfWeek(pool, w, periods);
        for (std::size_t g = 0; g < groups.groups.size(); ++g) {
            const MemberGroup& group = groups.groups[g];
            const WeekPage page{pool, kind, w, group, groups.gap, groups.nameWidth, periods, leaders};
            PrintWeekGrid(printer, page);
            // The box of each group totals the games behind of its own and the earlier groups' members.
            PrintStandingsRows(printer, page, gamesBehindTotals(pool, w, periods, leaders, 0, group.last));
            if (pool.weeklyPicks == 0 && choice.differences) {
                PrintDifferences(printer, pool, static_cast<int>(g), kind, w);
                printer.newPage();
            }
        }
        if (w < lastWeek) {
            printer.newPage();
        }
    }

    if (choice.postSeason || predictionsOfSeason) {
        for (std::size_t g = 0; g < groups.groups.size(); ++g) {
            PrintPostSeason(printer, pool,
                            {kind, static_cast<int>(g), groups.groups[g], groups.nameWidth, groups.gap});
        }
        for (std::size_t g = 0; g < groups.groups.size(); ++g) {
            PrintBigGame(printer, pool,
                         {kind, static_cast<int>(g), groups.groups[g], groups.nameWidth, groups.gap});
        }
    }
    if (choice.ledger && pool.postSeasonResults[0] != pool.noneCode()) {
        PrintLedgerSection(printer, pool, groups);
    }
    bringTeamTalliesUpToDate(session);
    if (choice.teamStandings || predictionsOfSeason) {
        PrintMemberCharts(session, printer, kind);
    }
    printer.endDocument();
}

} // namespace vek
