#include "reports/postseasonsection.h"

#include "engine/postseasonpicks.h"
#include "model/textcells.h"
#include "reports/reportcell.h"
#include "reports/reportchoice.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"
#include "reports/weekpage.h"

#include <array>

namespace vek {
namespace {

const Table<QString, BigGameSlot> SlotLabels{
    QStringLiteral("NFC East     "), QStringLiteral("NFC North    "), QStringLiteral("NFC South    "),
    QStringLiteral("NFC.West     "), QStringLiteral("AFC East     "), QStringLiteral("AFC North    "),
    QStringLiteral("AFC South    "), QStringLiteral("AFC West     "), QStringLiteral("NFC WildCard "),
    QStringLiteral("NFC WildCard "), QStringLiteral("AFC WildCard "), QStringLiteral("AFC WildCard "),
};

/// A member's record of the season's last week (an empty one for a season without weeks).
const WeekStanding& lastWeekRecord(const PoolData& pool, int member) {
    return memberRecord(pool, pool.numWeeks - 1, member);
}

void endColumn(ReportPrinter& printer, const PostSeasonColumns& c, int member) {
    if (member < c.group.last) {
        printer.print(blanks(c.gap));
    } else {
        printer.endLine();
    }
}

void printNameLine(ReportPrinter& printer, const PoolData& pool, const PostSeasonColumns& c,
                   int32_t eventBit) {
    for (int m = c.group.first; m <= c.group.last; ++m) {
        if (isResultsKind(c.kind) && (lastWeekRecord(pool, m).eventFlags & eventBit) != 0) {
            printer.setUnderline(true);
        }
        printer.print(fitCharacters(leftCharacters(pool.memberName[m], c.nameWidth), 8));
        printer.setUnderline(false);
        endColumn(printer, c, m);
    }
}

void printPickLine(ReportPrinter& printer, const PoolData& pool, const PostSeasonColumns& c, int slot,
                   const QString& label) {
    printer.setBold(true);
    printer.print(label);
    printer.setBold(false);
    for (int m = c.group.first; m <= c.group.last; ++m) {
        const int16_t pick = pool.postSeasonPicks[slot][m];
        const bool right = isResultsKind(c.kind) && isRightPostSeasonPick(pool, slot, pick);
        printer.print(reportAbbr(pool, pick) + (right ? QStringLiteral("(w) ") : QStringLiteral("    ")));
        endColumn(printer, c, m);
    }
}

/// The section's title over the first group's block, in 16 points; the block follows in 7.2 points.
void printTitle(ReportPrinter& printer, const PoolData& pool, const PostSeasonColumns& c,
                const QString& title) {
    printer.setBold(true);
    printer.setFontSize(16);
    if (c.groupIndex == 0) {
        printer.printLine(formatNumber(pool.seasonYear, u"0") + title);
    }
    printer.setBold(false);
    printer.setFontSize(7.2);
}

} // namespace

void PrintPostSeason(ReportPrinter& printer, const PoolData& pool, const PostSeasonColumns& c) {
    if (c.groupIndex == 0) {
        printer.newPage();
    }
    printTitle(printer, pool, c, QStringLiteral(" VEK Season         Post Season"));
    printer.setBold(true);
    printer.print(QStringLiteral(" Conf-Div    "));
    printNameLine(printer, pool, c, eventbit::PostSeason);
    printer.endLine();
    printer.setBold(false);
    for (int slot = 0; slot < BigGameSlot; ++slot) {
        printPickLine(printer, pool, c, slot, SlotLabels[slot]);
    }
    printer.endLine();
    printer.endLine();

    printer.setBold(true);
    printer.print(QStringLiteral("PredPoints   "));
    printer.setBold(false);
    for (int m = c.group.first; m <= c.group.last; ++m) {
        if (!isResultsKind(c.kind)) {
            printer.print(QStringLiteral("________"));
        } else {
            const WeekStanding& last = lastWeekRecord(pool, m);
            printer.setBold((last.eventFlags & eventbit::PostSeason) != 0);
            printer.print(formatCell(last.postSeasonScore, u"    ##0", u"@@@@@@@"));
            printer.setBold(false);
        }
        if (m < c.group.last) {
            printer.print(blanks(c.gap));
        }
    }
    printer.endLine();
    printer.endLine();
}

void PrintBigGame(ReportPrinter& printer, const PoolData& pool, const PostSeasonColumns& c) {
    printTitle(printer, pool, c, QStringLiteral(" VEK Season         Big Game  "));
    printer.print(blanks(13));
    printer.setBold(true);
    printNameLine(printer, pool, c, eventbit::Championship);
    printer.setBold(false);
    printer.endLine();
    printPickLine(printer, pool, c, BigGameSlot, QStringLiteral("Big Game     "));
    printer.endLine();
    printer.endLine();
}

} // namespace vek
