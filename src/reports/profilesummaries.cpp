#include "reports/profilesummaries.h"

#include "model/periodtables.h"
#include "model/pooldata.h"
#include "reports/reportfile.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"

#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace vek {
namespace {

const QString NoneFile = QStringLiteral("none.txt");
const QString Pts = QStringLiteral("        Pts      ");
const QString GbPts = QStringLiteral("        GbPts    ");
const QString HtmlTable =
    QStringLiteral("<Table border = 1; cellspacing = 1; cellpadding = 1; Font = courier >");
const QString GreyCell = QStringLiteral("<th bgcolor=c0c0c0>");

/// A value right-aligned in `width` characters, blanks for 0: the digits under "#", then under "@".
QString field(int64_t value, int width) {
    return formatCell(static_cast<double>(value), QString(width, QLatin1Char('#')),
                      QString(width, QLatin1Char('@')));
}

/// The words of an option's value; none for a value the pool options never hold.
QString optionWords(int value, const Table<const char*, 3>& words) {
    return value >= 0 && value < 3 ? QString::fromLatin1(words[value]) : QString();
}

/// The five pool options as labels and words.
std::array<std::pair<QString, QString>, 5> poolOptions(const PoolData& p) {
    const QString points =
        optionWords(p.pointsSystem, {"Ledger Style (Sum of positive points = sum of negative points)",
                                     "Credit Style-Split (Each winner splits event points)",
                                     "Credit Style-Equal (Each winner recieves full event points)"});
    const QString tieBreaker =
        optionWords(p.mnTieBreaker, {"None", "Closest to total of Monday Night score without going over",
                                     "Closest to total of Monday Night score"});
    const auto yesNo = [](bool yes) { return yes ? QStringLiteral("Yes") : QStringLiteral("No"); };
    return {{{QStringLiteral("Predict Option       : "),
              p.weeklyPicks == 1 ? QStringLiteral("Week-To-Week") : QStringLiteral("All Season")},
             {QStringLiteral("Event Points Scoring : "), points},
             {QStringLiteral("Use point spreads?   : "), yesNo(isTrue(p.usePointSpreads))},
             {QStringLiteral("Use confidence points: "), yesNo(p.confidenceMode != 0)},
             {QStringLiteral("Tie breaker system   : "), tieBreaker}}};
}

/// One row of the weekly table: the week size and its thresholds and points, masked. A week size beyond
/// the tables has no entry: its values are blank.
struct WeekSizeRow {
    QString games, goodMin, goodPoints, badMax, badPoints, perfectPoints;
};

std::vector<WeekSizeRow> weekSizeRows(const PoolData& p) {
    const int largest = p.gamesPerWeek - p.numTeams % 2; // an odd league leaves a team out of every week
    const int fewest = fewestWeekGames(p.weekLayout());
    const bool cp = p.confidenceMode != 0;
    std::vector<WeekSizeRow> rows;
    for (int s = largest; s >= fewest; --s) {
        const std::optional<int> e = weekSizeIndex(s, fewest);
        const auto value = [&](const auto& table) { return e ? int64_t{table[*e]} : int64_t{0}; };
        rows.push_back({field(s, 2),
                        cp ? field(value(p.goodWeekMinCp), 3) : field(value(p.goodWeekMinWins), 2),
                        field(value(p.goodWeekPoints), 5),
                        cp ? field(value(p.badWeekMaxCp), 3) : field(value(p.badWeekMaxWins), 2),
                        field(value(p.badWeekPoints), 5), field(value(p.perfectWeekPoints), 5)});
    }
    return rows;
}

/// A period's weeks, 1-based: "first-last" in five characters.
QString weekRange(int first, int last) {
    return field(first + 1, 2) + QLatin1Char('-') + field(last + 1, 2);
}

QString gbField(const PoolData& p, int32_t points) {
    return p.confidenceMode != 0 ? QStringLiteral(" n/a ") : field(points, 5);
}

/// The single-point events at the end, with their titles.
std::array<std::pair<QString, int32_t>, 4> singleEvents(const PoolData& p) {
    return {{{QStringLiteral("Big Game  "), p.bigGamePoints},
             {QStringLiteral("Wild Choice"), p.wildChoicePoints},
             {QStringLiteral("Over 50% In A Row"), p.over50Points},
             {QStringLiteral("Best Monday Night Record"), p.mondayNightPoints}}};
}

/// A line of the printed summaries: a bold piece, then a plain one, at a font size.
struct SummaryLine {
    QString bold;
    QString plain;
    double size = 10;
};

enum class Version { Printed, Text };

std::vector<SummaryLine> summaryLines(const PoolData& p, Version version) {
    const bool printed = version == Version::Printed;
    std::vector<SummaryLine> lines;
    const auto bold = [&](const QString& text, double size = 10) { lines.push_back({text, {}, size}); };
    const auto plain = [&](const QString& text) { lines.push_back({{}, text, 10}); };

    bold(blanks(printed ? 10 : 20) + formatNumber(p.seasonYear, u"0") +
             QStringLiteral(" Pool & Event Profile Summaries"),
         16);
    bold({}, 12);
    bold(QStringLiteral("Pool Profile Summary:"), 12);
    bold({}, 12);
    for (const auto& [label, words] : poolOptions(p)) {
        lines.push_back({label, words, 10});
    }
    bold({}, 12);
    bold(QStringLiteral("Event Profile Summary:"), 12);
    bold({}, 12);

    bold(QStringLiteral("Weekly"));
    bold(QStringLiteral("                Good Week        Bad Week      Perfect Week"));
    plain(QStringLiteral("        Games   Min     Pts      Max     Pts       Pts"));
    const int thresholdGap = p.confidenceMode != 0 ? 6 : 7;
    for (const WeekSizeRow& r : weekSizeRows(p)) {
        plain(blanks(8) + r.games + blanks(thresholdGap) + r.goodMin + blanks(3) + r.goodPoints +
              blanks(thresholdGap) + r.badMax + blanks(3) + r.badPoints + blanks(5) + r.perfectPoints);
    }
    plain({});

    bold(QStringLiteral("Quarterly"));
    plain(QStringLiteral("        Qtr        1       2       3       4"));
    QString weeks = QStringLiteral("        Weeks    ");
    for (int q = 0; q < 4; ++q) {
        weeks += (q > 0 ? blanks(3) : QString()) + weekRange(p.quarterFirstWeek[q], p.quarterLastWeek[q]);
    }
    plain(weeks);
    plain(Pts + field(p.quarterPoints, 5));
    plain(GbPts + gbField(p, p.quarterGbPoints));

    bold(QStringLiteral("Semi-Season"));
    plain(QStringLiteral("        Half       1       2"));
    plain(QStringLiteral("        Weeks    ") + weekRange(p.halfFirstWeek[0], p.halfLastWeek[0]) + blanks(3) +
          weekRange(p.halfFirstWeek[1], p.halfLastWeek[1]));
    plain(Pts + field(p.halfPoints, 5));
    plain(GbPts + gbField(p, p.halfGbPoints));

    bold(QStringLiteral("Season"));
    plain(Pts + field(p.seasonPoints, 5));
    plain(GbPts + gbField(p, p.seasonGbPoints));

    bold(QStringLiteral("Post Season"));
    if (printed) {
        plain(QStringLiteral("                          Division  Wild Card   (PredPoints per conference)"));
        plain(QStringLiteral("        Correct Picks     PredPts   PredPts"));
    } else {
        plain(QStringLiteral("                          Division  Wild Card   (PSPoints per conference)"));
        plain(QStringLiteral("        Correct Picks     PSPoints  PSPoints"));
    }
    for (int n = 1; n <= 4; ++n) {
        plain(blanks(16) + QString::number(n) + blanks(9) + field(p.divWinnerPoints[n - 1], 4) +
              (n <= 2 ? blanks(6) + field(p.wildCardPoints[n - 1], 4) : QString()));
    }
    plain(QStringLiteral("        Div winner as Wild Card ") + field(p.divAsWildCardPoints, 4));
    plain(QStringLiteral("        Wild Card as Div Winner ") + field(p.wildCardAsDivPoints, 4));
    plain(Pts + field(p.postSeasonPoints, 5));

    for (const auto& [title, points] : singleEvents(p)) {
        bold(title);
        plain(Pts + field(points, 5));
    }
    return lines;
}

void openFile(ReportFile& file) {
    if (file.fileName() == NoneFile) {
        file.create(); // the summaries start "none.txt"; a second action gives the same file again
    } else {
        file.openForAppend();
    }
}

/// A row of a label and a value; the season table's rows have no row end.
QString htmlRow(const QString& label, const QString& value, bool rowEnds = true) {
    return QStringLiteral("<tr><td>") + label + QStringLiteral("</td><td>") + value +
           QStringLiteral("</td>") + (rowEnds ? QStringLiteral("</tr>") : QString());
}

QString htmlGbRow(const PoolData& p, int32_t points, bool rowEnds = true) {
    return p.confidenceMode != 0 ? QStringLiteral("<tr><td>GbPts</td><td>n/a</td>") +
                                       (rowEnds ? QStringLiteral("</tr>") : QString())
                                 : htmlRow(QStringLiteral("GbPts"), field(points, 5), rowEnds);
}

QString headingRow(const QString& title, int columns) {
    return QStringLiteral("<tr><th colspan=%1 bgcolor=c0dcc0>%2</th></tr>").arg(columns).arg(title);
}

} // namespace

void PrintProfileSummaries(const PoolData& pool, ReportPrinter& printer) {
    for (const SummaryLine& line : summaryLines(pool, Version::Printed)) {
        printer.setFontSize(line.size);
        if (!line.bold.isEmpty()) {
            printer.setBold(true);
            printer.print(line.bold);
        }
        printer.setBold(false);
        printer.print(line.plain);
        printer.endLine();
    }
    printer.endDocument();
}

void WriteProfileSummariesText(const PoolData& pool, ReportFile& file) {
    openFile(file);
    for (const SummaryLine& line : summaryLines(pool, Version::Text)) {
        file.writeLine(line.bold + line.plain);
    }
}

void WriteProfileSummariesHtml(const PoolData& p, ReportFile& file) {
    openFile(file);
    QStringList lines{QStringLiteral("<h1>") + formatNumber(p.seasonYear, u"0") +
                          QStringLiteral(" Pool & Event Profile Summaries</h1><br><br>"),
                      QStringLiteral("<h2>Pool Profile Summary:</h2><br><br>"), QStringLiteral("<ul>")};
    for (const auto& [label, words] : poolOptions(p)) {
        lines << QStringLiteral("<li>") + label + words + QStringLiteral("</li>");
    }
    lines << QStringLiteral("</ul>") << QStringLiteral("<br><br>")
          << QStringLiteral("<h2>Event Profile Summary:</h2>") << QStringLiteral("<br>");

    lines << HtmlTable << QStringLiteral("<tr>") << headingRow(QStringLiteral("Weekly"), 6)
          << QStringLiteral("<tr><th></th>") << QStringLiteral("<th colspan=2 bgcolor=c0c0c0>Good Week</th>")
          << QStringLiteral("<th colspan=2 bgcolor=c0c0c0>Bad Week</th>")
          << QStringLiteral("<th bgcolor=c0c0c0>Perfect Week</th></tr>");
    QString columns = QStringLiteral("<tr>");
    for (const char* heading : {"Games", "Min", "Pts", "Max", "Pts", "Pts"}) {
        columns += GreyCell + QLatin1String(heading) + QStringLiteral("</th>");
    }
    lines << columns + QStringLiteral("</tr>");
    for (const WeekSizeRow& r : weekSizeRows(p)) {
        lines << QStringLiteral("<tr>");
        for (const QString& value :
             {r.games, r.goodMin, r.goodPoints, r.badMax, r.badPoints, r.perfectPoints}) {
            lines << QStringLiteral("<td>") + value + QStringLiteral("</td>");
        }
        lines << QStringLiteral("</tr>");
    }
    lines << QStringLiteral("</table>") << QStringLiteral("<br>");

    lines << HtmlTable << QStringLiteral("<tr>") << headingRow(QStringLiteral("Quarterly"), 5)
          << QStringLiteral("<tr>") + GreyCell + QStringLiteral("Qtr</th>") + GreyCell +
                 QStringLiteral("1</th>") + GreyCell + QStringLiteral("2</th>") + GreyCell +
                 QStringLiteral("3</th>") + GreyCell + QStringLiteral("4</th></tr>")
          << QStringLiteral("<tr><td>Weeks</td><td>") +
                 weekRange(p.quarterFirstWeek[0], p.quarterLastWeek[0]) + QStringLiteral("</td>");
    for (int q = 1; q < 4; ++q) {
        lines << QStringLiteral("<td>") + weekRange(p.quarterFirstWeek[q], p.quarterLastWeek[q]) +
                     QStringLiteral("</td>");
    }
    lines << QStringLiteral("</tr>") << htmlRow(QStringLiteral("Pts"), field(p.quarterPoints, 5))
          << htmlGbRow(p, p.quarterGbPoints) << QStringLiteral("</table>") << QStringLiteral("<br>");

    lines << HtmlTable << QStringLiteral("<tr>") << headingRow(QStringLiteral("Semi-Season"), 3)
          << QStringLiteral("<tr>") + GreyCell + QStringLiteral("Half</th>") + GreyCell +
                 QStringLiteral("1</th>") + GreyCell + QStringLiteral("2</th></tr>")
          << QStringLiteral("<tr><td>Weeks</td><td>") + weekRange(p.halfFirstWeek[0], p.halfLastWeek[0]) +
                 QStringLiteral("</td>")
          << QStringLiteral("<td>") + weekRange(p.halfFirstWeek[1], p.halfLastWeek[1]) +
                 QStringLiteral("</td>")
          << QStringLiteral("</tr>")
          << QStringLiteral("<tr><td>Pts<td>") + field(p.halfPoints, 5) + QStringLiteral("</td></tr>")
          << htmlGbRow(p, p.halfGbPoints) << QStringLiteral("</table>") << QStringLiteral("<br>");

    lines << HtmlTable << QStringLiteral("<tr>") << headingRow(QStringLiteral("Season"), 2)
          << htmlRow(QStringLiteral("Pts"), field(p.seasonPoints, 5), false)
          << htmlGbRow(p, p.seasonGbPoints, false) << QStringLiteral("</table>") << QStringLiteral("<br>");

    lines << HtmlTable << headingRow(QStringLiteral("Post Season"), 4)
          << QStringLiteral("<tr><td></td>") + GreyCell + QStringLiteral("Division</th>") + GreyCell +
                 QStringLiteral("Wild Card</th>") + GreyCell +
                 QStringLiteral("(PSPoints per conference)</th></tr>")
          << QStringLiteral("<tr>") + GreyCell + QStringLiteral("Correct Picks</th>") + GreyCell +
                 QStringLiteral("PSPoints</th>") + GreyCell + QStringLiteral("PSPoints</th></tr>");
    for (int n = 1; n <= 4; ++n) {
        lines << htmlRow(
            QString::number(n),
            field(p.divWinnerPoints[n - 1], 4) +
                (n <= 2 ? QStringLiteral("</td><td>") + field(p.wildCardPoints[n - 1], 4) : QString()));
    }
    lines << htmlRow(QStringLiteral("Div winner as Wild Card"), field(p.divAsWildCardPoints, 4))
          << htmlRow(QStringLiteral("Wild Card as Div Winner"), field(p.wildCardAsDivPoints, 4))
          << htmlRow(QStringLiteral("Pts"), field(p.postSeasonPoints, 5)) << QStringLiteral("</table>")
          << QStringLiteral("<br>");

    lines << HtmlTable;
    for (const auto& [title, points] : singleEvents(p)) {
        lines << headingRow(title.trimmed(), 2) << htmlRow(QStringLiteral("Pts"), field(points, 5));
    }
    lines << QStringLiteral("</table>");
    for (const QString& line : lines) {
        file.writeLine(line);
    }
}

} // namespace vek
