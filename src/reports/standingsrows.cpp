#include "reports/standingsrows.h"

#include "reports/reportmask.h"
#include "reports/reportprinter.h"
#include "reports/weekpage.h"
#include "views/standingsfigures.h"

#include <functional>
#include <numeric>

namespace vek {
namespace {

const QString FormCell = QStringLiteral("________");
const QString BoxBorder =
    QStringLiteral("+--------------------+--------------------+--------------------+--------------------+");

struct Cell {
    QString text;
    bool bold = false;
    QString tail; // printed plain after the text
};

/// One row: the label (bold or plain), then each member's cell, the form's blank cell in the
/// predictions report.
void printRow(ReportPrinter& printer, const WeekPage& page, const QString& label, bool boldLabel,
              const std::function<Cell(const WeekStanding&)>& cell) {
    printer.setBold(boldLabel);
    printer.print(label);
    printer.setBold(false);
    for (int m = page.group.first; m <= page.group.last; ++m) {
        if (!page.results()) {
            printer.print(FormCell);
        } else {
            const Cell c = cell(page.record(m));
            printer.setBold(c.bold);
            printer.print(c.text);
            printer.setBold(false);
            printer.print(c.tail);
        }
        page.endCell(printer, m);
    }
}

/// " [E] ", " [T] " or five blanks; elimination is tested first.
QString statusMark(const WeekStanding& s, Contest contest) {
    const ContestStatus status = contestStatus(s.elimFlags, contest);
    if (status.eliminated) {
        return QStringLiteral(" [E] ");
    }
    return status.canAtBestTie ? QStringLiteral(" [T] ") : QStringLiteral("     ");
}

QString count(int value, QStringView mask) {
    return formatText(QString::number(value), mask);
}

/// A winning percentage; blanks for a member without decided picks in the period.
QString winningPercent(const PeriodTally& t) {
    const int decided = t.wins + t.losses;
    const QString percent =
        decided == 0 ? QString() : formatNumber(static_cast<double>(t.wins) / decided, u"##0.0%");
    return formatText(percent, u"@@@@@@  ");
}

struct PeriodBlock {
    QString label;
    Contest contest;
    int lead;
    int leadCp;
    std::function<PeriodTally(const WeekStanding&)> tally;
};

void printPeriodBlock(ReportPrinter& printer, const WeekPage& page, const PeriodBlock& block) {
    const bool withConfidence = page.pool.confidenceMode != 0;
    printRow(printer, page, block.label, true, [&](const WeekStanding& s) {
        const PeriodTally t = block.tally(s);
        // With confidence points the marks are left out: the contests are decided by points.
        return Cell{count(t.wins, u"@@@"), t.wins == block.lead,
                    withConfidence ? QStringLiteral("     ") : statusMark(s, block.contest)};
    });
    printRow(printer, page, QStringLiteral("         gb  "), false, [&](const WeekStanding& s) {
        const PeriodTally t = block.tally(s);
        return Cell{count(block.lead - t.wins, u"@@@     "), t.wins == block.lead, {}};
    });
    if (withConfidence) {
        printRow(printer, page, QStringLiteral("Conf Points  "), false, [&](const WeekStanding& s) {
            const PeriodTally t = block.tally(s);
            return Cell{formatText(formatNumber(t.cp, u"###0  "), u"@@@@@@  "), t.cp == block.leadCp, {}};
        });
    } else {
        printRow(printer, page, QStringLiteral("  winning %  "), false, [&](const WeekStanding& s) {
            const PeriodTally t = block.tally(s);
            return Cell{winningPercent(t), t.wins == block.lead, {}};
        });
    }
    printer.endLine();
}

template <class Points> int64_t sum(const Points& points) {
    return std::accumulate(points.begin(), points.begin() + StoredWeekSizeEntries, int64_t{0});
}

QString totalCell(const QString& caption, int64_t total) {
    return caption + formatCell(static_cast<double>(total), u"#####0", u"@@@@@@");
}

void printMaximaBox(ReportPrinter& printer, const WeekPage& page, const GamesBehindTotals& totals) {
    const PoolData& p = page.pool;
    const bool bordered =
        p.over50Points >= 1 || p.seasonGbPoints >= 1 || p.halfGbPoints >= 1 || p.quarterGbPoints >= 1;
    const QString blankCell = QLatin1Char('|') + blanks(20);
    QString row;
    if (page.results()) {
        row += p.over50Points > 0
                   ? QStringLiteral("|Over 50% Max: ") + count(p.maxOverStreak[page.week], u"@@@@@@")
                   : blankCell;
        row +=
            p.seasonGbPoints >= 1 ? totalCell(QStringLiteral("|Season GB tot:"), totals.season) : blankCell;
        row += p.halfGbPoints >= 1 ? totalCell(QStringLiteral("|Half GB tot:  "), totals.half) : blankCell;
        row += (p.quarterGbPoints >= 1 ? totalCell(QStringLiteral("|Qtr GB tot:   "), totals.quarter)
                                       : blankCell) +
               QLatin1Char('|');
    } else {
        row += p.over50Points > 0 ? QStringLiteral("|Over 50% Max:       ") : blankCell;
        row += p.seasonGbPoints >= 1 ? QStringLiteral("|Season GB tot:      ") : blankCell;
        row += p.halfGbPoints >= 1 ? QStringLiteral("|Half GB tot:        ") : blankCell;
        row +=
            (p.quarterGbPoints >= 1 ? QStringLiteral("|Qtr GB tot:         ") : blankCell) + QLatin1Char('|');
    }
    if (bordered) {
        printer.printLine(BoxBorder);
    }
    printer.printLine(row);
    if (bordered) {
        printer.printLine(BoxBorder);
    }
}

} // namespace

void PrintStandingsRows(ReportPrinter& printer, const WeekPage& page, const GamesBehindTotals& totals) {
    const PoolData& p = page.pool;
    const WeekLeaders& lead = page.leaders;
    const int half = page.periods.half;
    const int quarter = page.periods.quarter;
    if (p.seasonPoints >= 1 || p.seasonGbPoints >= 1) {
        printPeriodBlock(printer, page,
                         {QStringLiteral("     Season  "), Contest::Season, lead.seasonWins, lead.seasonCp,
                          [](const WeekStanding& s) { return seasonTally(s); }});
    }
    if (p.halfPoints >= 1 || p.halfGbPoints >= 1) {
        printPeriodBlock(printer, page,
                         {QStringLiteral("       Half  "), Contest::Half, lead.halfWins, lead.halfCp,
                          [half](const WeekStanding& s) { return halfTally(s, half); }});
    }
    if (p.quarterPoints >= 1 || p.quarterGbPoints >= 1) {
        printPeriodBlock(printer, page,
                         {QStringLiteral("    Quarter  "), Contest::Quarter, lead.quarterWins, lead.quarterCp,
                          [quarter](const WeekStanding& s) { return quarterTally(s, quarter); }});
    }

    constexpr int32_t WeekEvents = eventbit::GoodWeek | eventbit::BadWeek | eventbit::PerfectWeek;
    constexpr int32_t GoodOrBadWeek = eventbit::GoodWeek | eventbit::BadWeek;
    if (sum(p.goodWeekPoints) > 0 || sum(p.badWeekPoints) > 0 || sum(p.perfectWeekPoints) > 0) {
        printRow(printer, page, QStringLiteral("       Week  "), true, [](const WeekStanding& s) {
            return Cell{count(s.weekWins, u"@@@     "), (s.eventFlags & WeekEvents) != 0, {}};
        });
    }
    if (p.confidenceMode != 0) {
        printRow(printer, page, QStringLiteral("Conf Points  "), false, [](const WeekStanding& s) {
            return Cell{count(s.weekCp, u"@@@     "), (s.eventFlags & GoodOrBadWeek) != 0, {}};
        });
    }
    printer.endLine();

    if (p.wildChoicePoints > 0) {
        printRow(printer, page, QStringLiteral("Wild Choice  "), true, [&](const WeekStanding& s) {
            return Cell{count(s.uniqueWins, u"@@@"), s.uniqueWins == lead.uniqueWins,
                        statusMark(s, Contest::WildChoices)};
        });
    }
    if (p.over50Points > 0) {
        const int longest = p.maxOverStreak[page.week];
        printRow(printer, page, QStringLiteral("   Over 50%  "), true, [longest](const WeekStanding& s) {
            const bool holdsLongest = s.longestOverStreak == longest;
            // The marks one character shorter: the cell also holds the "<" of the longest streak.
            const QString mark = statusMark(s, Contest::Over50).mid(1);
            return Cell{count(s.overStreak, u"@@@") +
                            (holdsLongest ? QStringLiteral("<") : QStringLiteral(" ")),
                        holdsLongest, mark};
        });
    }
    if (p.mondayNightPoints > 0) {
        printRow(printer, page, QStringLiteral("Monday Night "), true, [&](const WeekStanding& s) {
            return Cell{count(s.mondayWins, u"@@@"), s.mondayWins == lead.mondayWins,
                        statusMark(s, Contest::MondayNight)};
        });
        printer.endLine();
    }

    printRow(printer, page, QStringLiteral("    Balance  "), true, [](const WeekStanding& s) {
        return Cell{formatCell(s.pointsTotal, u"#####0", u"@@@@@@@ "), balanceSign(s.pointsTotal) > 0, {}};
    });
    printer.endLine();
    printMaximaBox(printer, page, totals);
}

} // namespace vek
