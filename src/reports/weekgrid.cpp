#include "reports/weekgrid.h"

#include "engine/gameresult.h"
#include "reports/reportcell.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"
#include "reports/weekpage.h"
#include "reports/weektitle.h"

namespace vek {
namespace {

constexpr int GridLines = 19;

void printHeading(ReportPrinter& printer, const WeekPage& page) {
    printer.print(QStringLiteral("    Game     "));
    for (int m = page.group.first; m <= page.group.last; ++m) {
        if (page.results() && page.record(m).eventFlags != 0) {
            printer.setUnderline(true);
        }
        printer.print(page.nameCell(m));
        printer.setUnderline(false);
        if (m < page.group.last) {
            printer.print(blanks(page.gap));
        } else {
            printer.printLine(QStringLiteral(" "));
        }
    }
}

/// The winner bold; the loser, and both teams of a game without result, italic; both bold after a tie.
void setTeamStyle(ReportPrinter& printer, const WeekPage& page, int16_t winner, int16_t team) {
    const bool bold = winner == page.pool.tieCode() || (page.results() && winner == team);
    printer.setBold(bold);
    printer.setItalic(!bold);
}

QString pickSuffix(const WeekPage& page, bool right, int16_t confidence) {
    const bool withConfidence = page.pool.confidenceMode != 0;
    if (page.results()) {
        if (!right) {
            return QStringLiteral("    ");
        }
        return withConfidence ? QStringLiteral("w") + formatNumber(confidence, u"-00")
                              : QStringLiteral("(w) ");
    }
    return withConfidence ? formatNumber(confidence, u" 00 ") : QStringLiteral("    ");
}

void printGameRow(ReportPrinter& printer, const WeekPage& page, int slot) {
    const PoolData& p = page.pool;
    const int w = page.week;
    const int16_t winner = winnerToMark(p, w, slot);
    const int16_t away = p.scheduleGrid[w][slot][0];
    const int16_t home = p.scheduleGrid[w][slot][1];

    setTeamStyle(printer, page, winner, away);
    printer.print(reportAbbr(p, away));
    printer.setBold(false);
    printer.print(QStringLiteral(" @ "));
    setTeamStyle(printer, page, winner, home);
    printer.print(reportAbbr(p, home) + QStringLiteral("  "));
    printer.setBold(false);
    printer.setItalic(false);

    for (int m = page.group.first; m <= page.group.last; ++m) {
        const int16_t pick = p.memberPicks[w][slot][m];
        const int16_t team = pickCode(pick);
        if ((pick & UniquePickFlag) != 0 && p.wildChoicePoints >= 1) {
            printer.setBold(true);
        }
        // A missing pick is never right, even in a game still without a result.
        const bool right = team == winner && team != p.noneCode();
        printer.print(reportAbbr(p, team) + pickSuffix(page, right, p.confidencePoints[w][slot][m]));
        printer.setBold(false);
        page.endCell(printer, m);
    }
}

void printMondayNightLine(ReportPrinter& printer, const WeekPage& page, int slot) {
    const PoolData& p = page.pool;
    const auto score = [&](int side) {
        return formatCell(p.gameScore[page.week][slot][side], u"#0", u" @@ ");
    };
    printer.print(score(0) + QStringLiteral(" - ") + score(1) + QStringLiteral("  "));
    for (int m = page.group.first; m <= page.group.last; ++m) {
        printer.print(formatNumber(p.mondayNightTotal[page.week][m], u"  00    "));
        page.endCell(printer, m);
    }
}

} // namespace

void PrintWeekGrid(ReportPrinter& printer, const WeekPage& page) {
    const PoolData& p = page.pool;
    printer.setBold(true);
    printer.setFontSize(16);
    printer.printLine(printedWeekTitle(p, page.week, page.periods));
    printer.setBold(false);
    printer.setFontSize(7.2);
    printer.setBold(true);
    printHeading(printer, page);
    printer.endLine();
    printer.setBold(false);

    const int games = p.games(page.week);
    for (int slot = 0; slot < games; ++slot) {
        printGameRow(printer, page, slot);
        if (slot == games - 1 && p.mnTieBreaker != 0) {
            printMondayNightLine(printer, page, slot);
        }
    }
    for (int line = games; line < GridLines; ++line) {
        printer.endLine();
    }
}

} // namespace vek
