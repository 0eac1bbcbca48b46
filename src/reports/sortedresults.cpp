#include "reports/sortedresults.h"

#include "reports/differencessection.h"
#include "reports/membercharts.h"
#include "reports/reportchoice.h"
#include "reports/reportfile.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"
#include "reports/sortedtables.h"
#include "reports/sortedweek.h"
#include "reports/weektitle.h"
#include "session/poolsession.h"
#include "views/viewdata.h"

#include <algorithm>
#include <functional>

namespace vek {
namespace {

constexpr int RowsPerPage = 40;
constexpr int FullPage = 50;        // printed lines after which a table starts a new page
constexpr int SideBySideDiffs = 15; // up to this many members both difference tables fit side by side
constexpr int MaxDiffs = 30;
constexpr int LastPageRows = 15; // more rows than this on the week's last page: the tables start a page

/// The weeks of the choice's range that lie within the tables, each with the periods it shows (a week
/// in no period shows the ones of the week before).
void forEachWeek(const PoolData& pool, const ReportChoice& choice,
                 const std::function<void(const SortedWeek&)>& f) {
    WeekPeriods periods;
    const int last = std::min<int>(choice.toWeek, WeekSlots - 1);
    for (int w = std::max<int>(choice.fromWeek, 0); w <= last; ++w) {
        const SortedWeek week = sortedWeek(pool, choice.kind, w, periods);
        periods = week.periods;
        f(week);
    }
}

QStringList gamesBehindLines(const SortedWeek& w) {
    return {QStringLiteral("Season      : ") + formatNumber(static_cast<double>(w.behind.season), u"####0"),
            QStringLiteral("Semi-Season : ") + formatNumber(static_cast<double>(w.behind.half), u"####0"),
            QStringLiteral("Quarter     : ") + formatNumber(static_cast<double>(w.behind.quarter), u"####0")};
}

/// A printed run: one document, and the lines printed on its current page by the count that breaks
/// the pages (the page length itself is never asked for).
struct PrintedRun {
    PoolSession& session;
    const ReportChoice& choice;
    ReportPrinter& printer;
    int printLineCount = 0;

    void breakPageWhenFull() {
        if (printLineCount >= FullPage) {
            printer.newPage();
            printLineCount = 0;
        }
    }
};

void PrintSortedWeek(PrintedRun& run, const SortedWeek& w) {
    ReportPrinter& printer = run.printer;
    const PoolData& pool = w.pool;
    const int members = pool.memberCount();

    printer.setFontSize(16);
    printer.setBold(true);
    printer.printLine(printedWeekTitle(pool, w.week, w.periods));
    if (pool.halfPoints > 0 || pool.halfGbPoints > 0) {
        printer.endLine(); // a blank line under a title that names the half
    }
    printer.setFontSize(10);
    for (const QString& heading : standingsHeadings(w, SortedLayout::Printed)) {
        printer.printLine(heading);
    }
    run.printLineCount += 6;
    for (int r = 0; r < members; ++r) {
        printRow(printer, standingsRow(w, r, SortedLayout::Printed));
        if ((r + 1) % RowsPerPage == 0) {
            printer.newPage();
        }
    }
    run.printLineCount += members;

    printer.endLine();
    printer.setBold(true);
    printer.printLine(QStringLiteral("Games Behind Points:"));
    printer.setBold(false);
    for (const QString& line : gamesBehindLines(w)) {
        printer.printLine(line);
    }
    printer.endLine();
    run.printLineCount += 5;
    if ((members + 1) % RowsPerPage > LastPageRows) {
        printer.newPage();
        run.printLineCount = 0;
    }

    if (pool.weeklyPicks == 0 && run.choice.differences && members <= MaxDiffs) {
        PrintDifferences(printer, pool, 0, w.kind, w.week);
        if (members > SideBySideDiffs) {
            PrintDifferences(printer, pool, 1, w.kind, w.week);
        }
        printer.endLine();
        run.printLineCount += members > SideBySideDiffs ? 2 * members + 7 : members + 4;
    }
    if (run.choice.postSeason) {
        PrintSortedPostSeason(printer, pool, w.week, w.kind);
        printer.endLine();
        run.printLineCount += 8 + members;
        run.breakPageWhenFull();
    }
    if (run.choice.ledger) {
        PrintSortedLedger(printer, pool, w.week);
        printer.endLine();
        run.printLineCount += 6 + members;
        run.breakPageWhenFull();
    }
    if (run.choice.teamStandings) {
        PrintMemberCharts(run.session, printer, w.kind); // brings the team tallies up to date first
    }
}

void writeLines(ReportFile& file, const QStringList& lines) {
    for (const QString& line : lines) {
        file.writeLine(line);
    }
}

void file_profile(ReportFile& file, const ReportChoice& choice, const SortedWeek& w) {
    writeLines(file, standingsHeadings(w, SortedLayout::File));
    for (int r = 0; r < w.pool.memberCount(); ++r) {
        file.writeLine(rowText(standingsRow(w, r, SortedLayout::File)));
    }
    file.writeLine();
    file.writeLine(QStringLiteral("Games Behind Points:"));
    writeLines(file, gamesBehindLines(w));
    file.writeLine();
    file.writeLine();
    if (choice.postSeason) {
        writeLines(file, sortedPostSeasonText(w.pool, w.week, w.kind));
    }
    if (choice.ledger) {
        writeLines(file, sortedLedgerText(w.pool, w.week));
    }
}

void html_profile(ReportFile& file, const ReportChoice& choice, const SortedWeek& w) {
    writeLines(file, standingsHtmlHeadings(w));
    for (int r = 0; r < w.pool.memberCount(); ++r) {
        QString line = QStringLiteral("<tr>");
        for (const ReportCell& cell : standingsRow(w, r, SortedLayout::File)) {
            line += cell.html;
        }
        file.writeLine(line);
    }
    file.writeLine(QStringLiteral("</tr></table>"));
    file.writeLine(QStringLiteral("<table border=1; cellspacing=1; cellpadding=1; font=courier >"));
    file.writeLine(QStringLiteral("<tr><th colspan=2 bgcolor=c0dcc0>Games Behind Points</th></tr>"));
    const QStringList labels{QStringLiteral("Season"), QStringLiteral("Semi-Season"),
                             QStringLiteral("Quarter")};
    const int64_t totals[] = {w.behind.season, w.behind.half, w.behind.quarter};
    for (int i = 0; i < 3; ++i) {
        file.writeLine(QStringLiteral("<tr><td>") + labels[i] + QStringLiteral("</td><td align=right>") +
                       formatNumber(static_cast<double>(totals[i]), u"####0") + QStringLiteral("</td></tr>"));
    }
    file.writeLine(QStringLiteral("</table>"));
    if (choice.postSeason) {
        writeLines(file, sortedPostSeasonHtml(w.pool, w.week, w.kind));
    }
    if (choice.ledger) {
        writeLines(file, sortedLedgerHtml(w.pool, w.week));
    }
}

} // namespace

void ListSortedResults(PoolSession& session, const ReportChoice& choice, ReportPrinter& printer) {
    scoreSortedStandings(session);
    PrintedRun run{session, choice, printer};
    forEachWeek(session.pool(), choice, [&](const SortedWeek& w) { PrintSortedWeek(run, w); });
    printer.endDocument();
}

void ListSortedResults(PoolSession& session, const ReportChoice& choice, ReportFile& file) {
    scoreSortedStandings(session);
    file.create();
    forEachWeek(session.pool(), choice, [&](const SortedWeek& w) {
        if (choice.html) {
            html_profile(file, choice, w);
        } else {
            file_profile(file, choice, w);
        }
    });
}

} // namespace vek
