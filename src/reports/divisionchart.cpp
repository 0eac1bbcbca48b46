#include "reports/divisionchart.h"

#include "engine/divisionchart.h"
#include "reports/reportcell.h"
#include "reports/reportfile.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"

#include <algorithm>

namespace vek {
namespace {

constexpr int CellWidth = 13;
const QString BlankHtmlDivision = QStringLiteral("<td></td><td></td><td></td><td></td>");

int chartRows(int16_t mode) {
    switch (mode) {
    case ChartMemberStandings:
        return 8;
    case ChartConsensusStandings:
    case ChartLeagueStandings:
        return ChartRows;
    default:
        return 0;
    }
}

/// Whether the chart holds a team in the division's row: the division's own teams, as far as this
/// chart filled them (never a row left from an earlier chart), at most the six rows of the tables.
bool filled(const PoolData& pool, int division, int row) {
    const int rows =
        std::min({int{pool.divisionRec[division].teamCount}, int{pool.divisionFill[division]}, ChartRows});
    return row < rows;
}

struct ChartCell {
    QString team;
    QString wins;
    QString losses;
    QString ties; // mode 2 only
};

ChartCell chartCell(const PoolData& pool, int16_t mode, int d, int r) {
    ChartCell cell{reportAbbr(pool, pool.chartTeam[d][r]), {}, {}, {}};
    if (mode == ChartConsensusStandings) {
        cell.wins = formatCell(pool.chartWins[d][r], u"##0", u"@@@");
        cell.losses = formatCell(pool.chartLosses[d][r], u"##0", u"@@@");
    } else {
        cell.wins = formatCell(pool.chartWins[d][r], u"#0", u"@@");
        cell.losses = formatCell(pool.chartLosses[d][r], u"#0", u"@@");
    }
    if (mode == ChartLeagueStandings) {
        cell.ties = formatCell(pool.chartTies[d][r], u"0", u"@");
    }
    return cell;
}

} // namespace

QStringList divisionChartLines(const PoolData& pool, int16_t mode) {
    QStringList lines;
    for (int r = 0; r < chartRows(mode); ++r) {
        QString line;
        for (int d = 0; d < Divisions; ++d) {
            if (!filled(pool, d, r)) {
                // A blank last division adds nothing, so no line ends in blanks of its own.
                line += d + 1 < Divisions ? blanks(CellWidth) : QString();
                continue;
            }
            const ChartCell cell = chartCell(pool, mode, d, r);
            line += cell.team + QLatin1Char(' ') + cell.wins + QLatin1Char(' ') + cell.losses;
            switch (mode) {
            case ChartMemberStandings:
                line += QStringLiteral("   ");
                break;
            case ChartConsensusStandings:
                line += QLatin1Char(' ');
                break;
            default:
                line += QLatin1Char(' ') + cell.ties + QLatin1Char(' ');
            }
        }
        lines << line;
    }
    return lines;
}

QStringList divisionChartHtmlLines(const PoolData& pool, int16_t mode) {
    QStringList lines;
    for (int r = 0; r < chartRows(mode); ++r) {
        QString line = QStringLiteral("<tr>");
        for (int d = 0; d < Divisions; ++d) {
            if (!filled(pool, d, r)) {
                line += BlankHtmlDivision;
                continue;
            }
            const ChartCell cell = chartCell(pool, mode, d, r);
            line += QStringLiteral("<td>") + htmlText(cell.team) + QStringLiteral("</td>");
            line += QStringLiteral("<td align=right>") + cell.wins + QStringLiteral("</td>");
            line += QStringLiteral("<td align=right>") + cell.losses + QStringLiteral("</td>");
            line += mode == ChartLeagueStandings
                        ? QStringLiteral("<td align=right>") + cell.ties + QStringLiteral("</td>")
                        : QStringLiteral("<td></td>");
        }
        lines << line + QStringLiteral("</tr>");
    }
    if (mode == ChartLeagueStandings) {
        lines << QStringLiteral("</table>");
    }
    return lines;
}

void PrintDivisionChart(ReportPrinter& printer, const PoolData& pool, int16_t mode) {
    for (const QString& line : divisionChartLines(pool, mode)) {
        printer.printLine(line);
    }
}

void WriteDivisionChartText(ReportFile& file, const PoolData& pool, int16_t mode) {
    for (const QString& line : divisionChartLines(pool, mode)) {
        file.writeLine(line);
    }
}

void WriteDivisionChartHtml(ReportFile& file, const PoolData& pool, int16_t mode) {
    for (const QString& line : divisionChartHtmlLines(pool, mode)) {
        file.writeLine(line);
    }
}

} // namespace vek
