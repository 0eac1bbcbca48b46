#include "reports/sortedweek.h"

#include "engine/memberodds.h"
#include "model/textcells.h"
#include "reports/reportfile.h"
#include "reports/reportmask.h"

namespace vek {
namespace {

constexpr int32_t WeekEventBits = eventbit::GoodWeek | eventbit::BadWeek | eventbit::PerfectWeek;
const QString HeaderCell = QStringLiteral("<th bgcolor=c0dcc0>");

/// A caption in the middle of its heading, a blank more on the left when the room is odd; a week in no
/// period gets blanks, so that the headings after it stay over their columns.
QString centred(const QString& caption, int width) {
    const int left = (width - static_cast<int>(caption.size()) + 1) / 2;
    return blanks(left) + caption + blanks(width - left - static_cast<int>(caption.size()));
}

/// The masks of a period's columns: wins and losses, games behind, confidence points (the text's and
/// the HTML's width, and what follows the points in the text).
struct PeriodMasks {
    QStringView count;
    QStringView countText;
    QStringView behind;
    QStringView behindText;
    QStringView cp;
    QStringView cpText;
    QStringView cpHtmlText;
    QStringView cpTail;
    QStringView markLead; // the blanks before a contest mark
};
constexpr PeriodMasks SeasonMasks{u"##0", u"@@@", u"##0", u"@@@", u"###0", u"@@@@", u"@@@@", u"  |", u" "};
constexpr PeriodMasks HalfMasks{u"##0", u"@@@", u"##0", u"@@@", u"##0", u"@@@", u"@@@", u"   |", u" "};
constexpr PeriodMasks QuarterMasks{u"#0", u"@@", u" #0", u"@@@", u"####0", u"@@@@@", u"@@@@@@", u"|", u""};

/// "T" when the member can at best tie the contest, else "E" when eliminated, else nothing.
QString markHtml(ContestStatus status) {
    return QStringLiteral("<td>") + contestMark(status).trimmed() + QStringLiteral("</td>");
}

QString markText(ContestStatus status, QStringView lead) {
    return lead.toString() + contestMark(status) + QLatin1Char('|');
}

ReportCell periodCell(const SortedWeek& w, const WeekStanding& s, const PeriodTally& t, int lead,
                      Contest contest, bool bold, const PeriodMasks& m) {
    const QString wins = formatCell(t.wins, m.count, m.countText);
    const QString losses = formatCell(t.losses, m.count, m.countText);
    ReportCell cell{wins + QLatin1Char(' ') + losses + QLatin1Char(' '), bold,
                    htmlRightCell(wins) + htmlRightCell(losses)};
    if (w.pool.confidenceMode != 0) {
        cell.text += formatCell(t.cp, m.cp, m.cpText) + m.cpTail.toString();
        cell.html += htmlRightCell(formatCell(t.cp, m.cp, m.cpHtmlText));
    } else {
        const QString behind = formatCell(lead - t.wins, m.behind, m.behindText);
        const ContestStatus status = contestStatus(s.elimFlags, contest);
        cell.text += behind + QLatin1Char(' ') + markText(status, m.markLead);
        cell.html += htmlRightCell(behind) + markHtml(status);
    }
    return cell;
}

ReportCell eventCell(int value, const WeekStanding& s, Contest contest, int32_t bit, QStringView markLead) {
    const QString count = formatCell(value, u"#0", u"@@");
    const ContestStatus status = contestStatus(s.elimFlags, contest);
    return {count + QLatin1Char(' ') + markText(status, markLead), (s.eventFlags & bit) != 0,
            htmlRightCell(count) + markHtml(status)};
}

ReportCell weekCell(const SortedWeek& w, const WeekStanding& s) {
    const QString wins = formatCell(s.weekWins, u"#0 ", u"@@@");
    ReportCell cell{wins + QLatin1Char(' '), (s.eventFlags & WeekEventBits) != 0, htmlRightCell(wins)};
    if (w.pool.confidenceMode != 0) {
        cell.text += formatCell(s.weekCp, u"##0|", u"@@@@");
        cell.html += htmlRightCell(formatCell(s.weekCp, u"##0", u"@@@@"));
    } else {
        // A game not picked counts as lost.
        const int losses = w.pool.games(w.week) - s.weekWins;
        cell.text += formatCell(losses, u"## |", u"@@@@");
        cell.html += htmlRightCell(formatCell(losses, u"##", u"@@@@"));
    }
    return cell;
}

QString periodHeading(const SortedWeek& w, bool quarter) {
    if (w.pool.confidenceMode != 0) {
        return quarter ? QStringLiteral(" W  L  Cpts|") : QStringLiteral(" W   L  Cpts  |");
    }
    return quarter ? QStringLiteral(" W  L  gb @|") : QStringLiteral(" W   L   gb  @|");
}

QString headerCells(std::initializer_list<const char*> texts) {
    QString out;
    for (const char* text : texts) {
        out += HeaderCell + QLatin1String(text) + QStringLiteral("</th>");
    }
    return out;
}

} // namespace

SortedWeek sortedWeek(const PoolData& pool, int16_t kind, int week, WeekPeriods previous) {
    SortedWeek w{pool};
    w.kind = kind;
    w.week = week;
    w.periods = periodsOfWeek(pool, week, previous);
    w.leaders = leadersOfWeek(pool, week, w.periods);
    w.behind = gamesBehindTotals(pool, week, w.periods, w.leaders);
    w.quarterCaption = periodCaption(pool, week, PeriodKind::Quarter);
    if (w.quarterCaption.startsWith(QStringLiteral("End "))) {
        w.quarterCaption.replace(QStringLiteral(" Quarter"), QStringLiteral(" Qtr"));
    }
    w.halfCaption = periodCaption(pool, week, PeriodKind::Half);
    w.seasonCaption = seasonCaption(pool, week);
    w.quarterBit = periodEventBit(pool, week, PeriodKind::Quarter);
    w.halfBit = periodEventBit(pool, week, PeriodKind::Half);
    w.season = pool.seasonPoints > 0 || pool.seasonGbPoints > 0;
    w.half = pool.halfPoints > 0 || pool.halfGbPoints > 0;
    w.quarter = pool.quarterPoints > 0 || pool.quarterGbPoints > 0;
    w.wild = pool.wildChoicePoints > 0;
    w.over50 = pool.over50Points > 0;
    w.monday = pool.mondayNightPoints > 0;
    return w;
}

QStringList standingsHeadings(const SortedWeek& w, SortedLayout layout) {
    const bool printed = layout == SortedLayout::Printed;
    const bool cm = w.pool.confidenceMode != 0;
    QString first = printed ? QStringLiteral("|   Member Info    |") : QStringLiteral("| Member Info |");
    QString second = w.pool.weeklyPicks == 0 ? QStringLiteral("|Odd|") : QStringLiteral("|Rnk|");
    second += printed ? QStringLiteral("Name          |") : QStringLiteral("Name     |");
    if (w.season) {
        first += centred(w.seasonCaption, 14) + QLatin1Char('|');
        second += periodHeading(w, false);
    }
    if (w.half) {
        first += centred(w.halfCaption, 14) + QLatin1Char('|');
        second += periodHeading(w, false);
    }
    if (w.quarter) {
        first += centred(w.quarterCaption, 11) + QLatin1Char('|');
        second += periodHeading(w, true);
    }
    first += QStringLiteral("Week ") + formatCell(w.week + 1, u"#0", u"@@") + QLatin1Char('|');
    second += cm ? QStringLiteral(" W  Cpt|") : QStringLiteral(" W   L |");
    if (w.wild) {
        first += QStringLiteral(" Wild |");
        second += QStringLiteral(" W   @|");
    }
    if (w.over50) {
        first += QStringLiteral(">50% |");
        second += QStringLiteral(" W  @|");
    }
    if (w.monday) {
        first += QStringLiteral("MonNi|");
        second += QStringLiteral(" W  @|");
    }
    first += QStringLiteral("Balance|");
    second += QStringLiteral("       |");
    return {first, second, QString(printed ? 97 : 92, QLatin1Char('-'))};
}

CellRow standingsRow(const SortedWeek& w, int row, SortedLayout layout) {
    const PoolData& p = w.pool;
    const WeekStanding& s = p.weekStandings[w.week][row];
    const int m = s.memberIndex;
    const bool anyEvent = s.eventFlags != 0;
    const int nameWidth = layout == SortedLayout::Printed ? 14 : 9;
    const QString name = isMember(m) ? p.memberName[m] : QString();

    CellRow cells;
    if (p.weeklyPicks == 0) {
        const QString odds = OddsText(p, m);
        cells.push_back(
            {QLatin1Char('|') + formatText(odds, u"@@@") + QLatin1Char('|'), anyEvent, htmlRightCell(odds)});
    } else {
        const QString rank = formatCell(row + 1, u"##0", u"@@@");
        cells.push_back({QLatin1Char('|') + rank + QLatin1Char('|'), anyEvent, htmlRightCell(rank)});
    }
    cells.push_back({fitCharacters(name, nameWidth) + QLatin1Char('|'), anyEvent,
                     htmlCell(htmlText(fitCharacters(name, 9)))});
    if (w.season) {
        cells.push_back(periodCell(w, s, seasonTally(s), w.leaders.seasonWins, Contest::Season,
                                   (s.eventFlags & eventbit::Season) != 0, SeasonMasks));
    }
    if (w.half) {
        cells.push_back(periodCell(w, s, halfTally(s, w.periods.half), w.leaders.halfWins, Contest::Half,
                                   (s.eventFlags & w.halfBit) != 0, HalfMasks));
    }
    if (w.quarter) {
        cells.push_back(periodCell(w, s, quarterTally(s, w.periods.quarter), w.leaders.quarterWins,
                                   Contest::Quarter, (s.eventFlags & w.quarterBit) != 0, QuarterMasks));
    }
    cells.push_back(weekCell(w, s));
    if (w.wild) {
        cells.push_back(eventCell(s.uniqueWins, s, Contest::WildChoices, eventbit::WildChoices, u"  "));
    }
    if (w.over50) {
        cells.push_back(eventCell(s.longestOverStreak, s, Contest::Over50, eventbit::Over50, u" "));
    }
    if (w.monday) {
        cells.push_back(eventCell(s.mondayWins, s, Contest::MondayNight, eventbit::MondayNight, u" "));
    }
    cells.push_back({formatCell(s.pointsTotal, u"######0|", u"@@@@@@@@"), balanceSign(s.pointsTotal) > 0,
                     htmlRightCell(formatCell(s.pointsTotal, u"######0", u"@@@@@@@@"))});
    return cells;
}

QStringList standingsHtmlHeadings(const SortedWeek& w) {
    const bool cm = w.pool.confidenceMode != 0;
    QString first = QStringLiteral("<table border=1 cellspacing=1 cellpadding=1 font=courier><tr>"
                                   "<th colspan=2 bgcolor=c0dcc0>Member Info</th>");
    QString second = QStringLiteral("<tr>") + HeaderCell +
                     (w.pool.weeklyPicks == 0 ? QStringLiteral("Odds</th>") : QStringLiteral("Rank</th>")) +
                     headerCells({"Name"});
    const QString periodCells = cm ? headerCells({"W", "L", "Cpts"}) : headerCells({"W", "L", "gb", "@"});
    // A period's heading spans its cells: three with confidence points, four with games behind.
    const QString periodHeading = cm ? QStringLiteral("<th colspan=3 bgcolor=c0dcc0>")
                                     : QStringLiteral("<th colspan=4 bgcolor=c0dcc0>");
    for (const auto& [shown, caption] :
         {std::pair{w.season, w.seasonCaption}, std::pair{w.half, w.halfCaption},
          std::pair{w.quarter, w.quarterCaption}}) {
        if (shown) {
            first += periodHeading + caption + QStringLiteral("</th>");
            second += periodCells;
        }
    }
    first += QStringLiteral("<th colspan=2 bgcolor=c0dcc0>Week ") + formatCell(w.week + 1, u"#0", u"@@") +
             QStringLiteral("</th>");
    second += cm ? headerCells({"W", "Cpt"}) : headerCells({"W", "L"});
    for (const auto& [shown, caption] :
         {std::pair{w.wild, "Wild"}, std::pair{w.over50, "Over 50%"}, std::pair{w.monday, "Monday Nignt"}}) {
        if (shown) {
            first += QStringLiteral("<th colspan=2 bgcolor=c0dcc0>") + QLatin1String(caption) +
                     QStringLiteral("</th>");
            second += headerCells({"W", "@"});
        }
    }
    first += HeaderCell + QStringLiteral("Balance</th></tr>");
    return {first, second + QStringLiteral("</tr>")};
}

} // namespace vek
