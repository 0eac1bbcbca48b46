#include "reports/sortedtables.h"

#include "engine/postseasonpicks.h"
#include "model/textcells.h"
#include "reports/reportcell.h"
#include "reports/reportchoice.h"
#include "reports/reportfile.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"
#include "reports/weekpage.h"
#include "views/standingsfigures.h"

#include <array>
#include <vector>

namespace vek {
namespace {

const QString HtmlTable = QStringLiteral("<table border=1; cellspacing=1; cellpadding=1; font=courier >");
const QString HeaderCell = QStringLiteral("<th bgcolor=c0dcc0>");

const QStringList PostSeasonHeadings{
    QStringLiteral("|         |     Divisional Winners                |  Wild Card Teams  |    |    |"),
    QStringLiteral("|         |        NFC        |     AFC           |   NFC   |   AFC   |Pred|Big |"),
    QStringLiteral("|  Member |East|Nort|Sout|West|East|Nort|Sout|West|Wild|Wild|Wild|Wild|Pts |Game|"),
    QStringLiteral("|---------|----|----|----|----|----|----|----|----|----|----|----|----|"),
};

const QStringList PrintedLedgerHeadings{
    QStringLiteral(
        "|         |     |Seas|Semi-|Semi|     |Qtr |Good |Bad  |Perf |Wild |>50% |Monda|Post | Big "
        "|Point|"),
    QStringLiteral(
        "|  Member |Seasn| GB |Seasn| GB |Quart| GB |Week |Week |Week |Choic| Row |Night|Seasn|Game "
        "|Balan|"),
    QStringLiteral(
        "|---------|-----|----|-----|----|-----|----|-----|-----|-----|-----|-----|-----|-----|-----"
        "|-----|"),
};
const QStringList TextLedgerHeadings{
    QStringLiteral("|         |      |Seasn|Semi-|Semi|     |Qtr |Good |Bad  |Perf |Wild |>50% |Monda|Post | "
                   "Big |Point  |"),
    QStringLiteral("|  Member |Season| GB  |Seasn| GB |Quart| GB |Week |Week |Week |Choic| Row |Night|Seasn|"
                   "Game |Balance|"),
    QStringLiteral("|---------|------|-----|-----|----|-----|----|-----|-----|-----|-----|-----|-----|-----|"
                   "-----|-------|"),
};
constexpr std::array<const char*, 16> LedgerHtmlHeadings{
    "Member",       "Season",      "Season GB", "Semi-Season",  "Semi-Season GB", "Quarter",
    "Quarter GB",   "Good Week",   "Bad Week",  "Perfect Week", "Wild Choice",    "Over 50%",
    "Monday Night", "Post Season", "Big Game",  "Point Balance"};

struct Masks {
    QStringView number;
    QStringView text;
};
/// The ledger's masks on paper, by event column, then the balance; the HTML takes them without the bar.
constexpr Masks PrintedValue{u"####0", u"@@@@@|"};
constexpr Masks PrintedBehind{u"###0", u"@@@@|"};
/// The text file's wider columns.
constexpr Table<Masks, LedgerEvents + 1> TextMasks{
    Masks{u"#####0", u"@@@@@@|"}, {u"####0", u"@@@@@|"}, {u"####0", u"@@@@@|"},    {u"###0", u"@@@@|"},
    {u"####0", u"@@@@@|"},        {u"###0", u"@@@@|"},   {u"####0", u"@@@@@|"},    {u"####0", u"@@@@@|"},
    {u"####0", u"@@@@@|"},        {u"####0", u"@@@@@|"}, {u"####0", u"@@@@@|"},    {u"####0", u"@@@@@|"},
    {u"####0", u"@@@@@|"},        {u"####0", u"@@@@@|"}, {u"######0", u"@@@@@@@|"}};

QString year(const PoolData& pool) {
    return formatNumber(pool.seasonYear, u"0");
}

/// The member of rank row `row` of the week, and the name as the tables show it.
int memberOfRow(const PoolData& pool, int week, int row) {
    return pool.weekStandings[week][row].memberIndex;
}

QString nameOf(const PoolData& pool, int member) {
    return fitCharacters(isMember(member) ? pool.memberName[member] : QString(), 9);
}

ReportCell pickCell(const PoolData& pool, int slot, int member) {
    const int16_t pick = pool.postSeasonPicks[slot][member];
    const QString abbr = reportAbbr(pool, pick);
    const bool right = isRightPostSeasonPick(pool, slot, pick);
    return {abbr + QLatin1Char('|'), right, htmlCell(htmlText(abbr), right)};
}

CellRow postSeasonRow(const PoolData& pool, int week, int16_t kind, int row) {
    const int m = memberOfRow(pool, week, row);
    if (!isMember(m)) {
        return {};
    }
    const WeekStanding& last = memberRecord(pool, pool.numWeeks - 1, m);
    const bool results = kind != KindPredictions;
    const bool wonPostSeason = results && (last.eventFlags & eventbit::PostSeason) != 0;
    const bool nameMarked =
        results && (last.eventFlags & (eventbit::PostSeason | eventbit::Championship)) != 0;
    const QString name = nameOf(pool, m);
    CellRow cells{
        {QLatin1Char('|') + name + QLatin1Char('|'), nameMarked, htmlCell(htmlText(name), nameMarked)}};
    for (int slot = 0; slot < BigGameSlot; ++slot) {
        cells.push_back(pickCell(pool, slot, m));
    }
    const QString points = formatNumber(last.postSeasonScore, u"###0");
    cells.push_back(
        {formatText(points, u"@@@@|"), wonPostSeason, htmlCell(formatText(points, u"@@@@"), wonPostSeason)});
    cells.push_back(pickCell(pool, BigGameSlot, m));
    return cells;
}

CellRow ledgerRow(const PoolData& pool, int week, int row, bool printed) {
    const int m = memberOfRow(pool, week, row);
    if (!isMember(m)) {
        return {};
    }
    const QString name = nameOf(pool, m);
    CellRow cells{{QLatin1Char('|') + name + QLatin1Char('|'), false, htmlCell(htmlText(name))}};
    const LedgerLine line = ledgerLine(pool, m);
    const auto add = [&](double value, int textColumn, bool behind) {
        const Masks paper = behind ? PrintedBehind : PrintedValue;
        const Masks masks = printed ? paper : TextMasks[textColumn];
        const bool positive = balanceSign(value) > 0;
        cells.push_back({formatCell(value, masks.number, masks.text), positive,
                         htmlRightCell(formatCell(value, paper.number, paper.text.chopped(1)), positive)});
    };
    for (const int column : LedgerPrintOrder) {
        const bool behind = column == EvSeasonGamesBehind || column == EvSemiSeasonGamesBehind ||
                            column == EvQuarterGamesBehind;
        add(line.balance[column], column, behind);
    }
    add(line.total, LedgerEvents, false);
    return cells;
}

template <class Row> std::vector<CellRow> weekRows(const PoolData& pool, int week, Row row) {
    std::vector<CellRow> rows;
    for (int r = 0; r < pool.memberCount() && isWeek(week); ++r) {
        if (CellRow cells = row(r); !cells.empty()) {
            rows.push_back(std::move(cells));
        }
    }
    return rows;
}

void printTable(ReportPrinter& printer, const QString& title, const QStringList& headings,
                const std::vector<CellRow>& rows) {
    printer.setBold(true);
    printer.setFontSize(16);
    printer.printLine(title);
    printer.setFontSize(10);
    printer.endLine();
    for (const QString& heading : headings) {
        printer.printLine(heading);
    }
    printer.setBold(false);
    for (const CellRow& row : rows) {
        printRow(printer, row);
    }
}

QStringList textTable(const QString& title, const QStringList& headings, const std::vector<CellRow>& rows) {
    QStringList lines{title, QString()};
    lines += headings;
    for (const CellRow& row : rows) {
        lines << rowText(row);
    }
    lines << QString();
    return lines;
}

QString postSeasonTitle(const PoolData& pool) {
    return year(pool) + QStringLiteral(" VEK Season         Post Season");
}

QString ledgerTitle(const PoolData& pool) {
    return year(pool) + QStringLiteral(" VEK Season       Points Ledger");
}

} // namespace

void PrintSortedPostSeason(ReportPrinter& printer, const PoolData& pool, int week, int16_t kind) {
    printTable(printer, postSeasonTitle(pool), PostSeasonHeadings,
               weekRows(pool, week, [&](int r) { return postSeasonRow(pool, week, kind, r); }));
}

void PrintSortedLedger(ReportPrinter& printer, const PoolData& pool, int week) {
    printTable(printer, ledgerTitle(pool), PrintedLedgerHeadings,
               weekRows(pool, week, [&](int r) { return ledgerRow(pool, week, r, true); }));
}

QStringList sortedPostSeasonText(const PoolData& pool, int week, int16_t kind) {
    return textTable(postSeasonTitle(pool), PostSeasonHeadings,
                     weekRows(pool, week, [&](int r) { return postSeasonRow(pool, week, kind, r); }));
}

QStringList sortedLedgerText(const PoolData& pool, int week) {
    return textTable(ledgerTitle(pool), TextLedgerHeadings,
                     weekRows(pool, week, [&](int r) { return ledgerRow(pool, week, r, false); }));
}

QStringList sortedPostSeasonHtml(const PoolData& pool, int week, int16_t kind) {
    QStringList lines{
        HtmlTable,
        QStringLiteral("<tr>"),
        QStringLiteral("<th bgcolor=c0dcc0 colspan=15>") + year(pool) +
            QStringLiteral(" VEK Season Post Season</th>"),
        QStringLiteral("</tr>"),
        QStringLiteral("<tr>"),
        QStringLiteral("<th bgcolor=c0dcc0></th><th colspan=8 bgcolor=c0dcc0>Divisional Winners</th>"
                       "<th colspan=4 bgcolor=c0dcc0>Wild Card Teams</th><th bgcolor=c0dcc0></th>"
                       "<th bgcolor=c0dcc0></th>"),
        QStringLiteral("</tr>"),
        QStringLiteral("<tr>"),
        QStringLiteral("<th bgcolor=c0dcc0></th><th colspan=4 bgcolor=c0dcc0>NFC</th>"
                       "<th colspan=4 bgcolor=c0dcc0>AFC</th><th bgcolor=c0dcc0 colspan=2>NFC</th>"
                       "<th bgcolor=c0dcc0 colspan=2>AFC</th><th bgcolor=c0dcc0>Pred</th>"
                       "<th bgcolor=c0dcc0>Big</th>"),
        QStringLiteral("</tr>"),
        QStringLiteral("<tr>"),
        HeaderCell + QStringLiteral("Member</th>")};
    for (int conference = 0; conference < 2; ++conference) {
        for (const char* division : {"East", "North", "South", "West"}) {
            lines << HeaderCell + QLatin1String(division) + QStringLiteral("</th>");
        }
    }
    for (int wild = 0; wild < 4; ++wild) {
        lines << HeaderCell + QStringLiteral("Wild</th>");
    }
    lines << HeaderCell + QStringLiteral("Pts</th>") << HeaderCell + QStringLiteral("Game</th>")
          << QStringLiteral("</tr>");
    for (const CellRow& row :
         weekRows(pool, week, [&](int r) { return postSeasonRow(pool, week, kind, r); })) {
        // The name cell runs on into the first pick's line.
        lines << QStringLiteral("<tr>") << row[0].html + row[1].html;
        for (std::size_t c = 2; c < row.size(); ++c) {
            lines << row[c].html;
        }
        lines << QStringLiteral("</tr>");
    }
    lines << QStringLiteral("</table>");
    return lines;
}

QStringList sortedLedgerHtml(const PoolData& pool, int week) {
    QStringList lines{HtmlTable, QStringLiteral("<tr>"),
                      QStringLiteral("<th bgcolor=c0dcc0 colspan=16>") + year(pool) +
                          QStringLiteral(" VEK Season Points Ledger</th>"),
                      QStringLiteral("</tr>"), QStringLiteral("<tr>")};
    for (const char* heading : LedgerHtmlHeadings) {
        lines << HeaderCell + QLatin1String(heading) + QStringLiteral("</th>");
    }
    lines << QStringLiteral("</tr>");
    for (const CellRow& row : weekRows(pool, week, [&](int r) { return ledgerRow(pool, week, r, false); })) {
        // The name and the first three columns each end a line; the rest run on to the balance.
        lines << QStringLiteral("<tr>");
        QString rest;
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c < 4) {
                lines << row[c].html;
            } else {
                rest += row[c].html;
            }
        }
        lines << rest << QStringLiteral("</tr>");
    }
    lines << QStringLiteral("</table>");
    return lines;
}

} // namespace vek
