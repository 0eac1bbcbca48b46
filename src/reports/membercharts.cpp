#include "reports/membercharts.h"

#include "engine/divisionchart.h"
#include "reports/divisionchart.h"
#include "reports/reportchoice.h"
#include "reports/reportfile.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"
#include "session/poolsession.h"
#include "session/teamtallies.h"

#include <QStringList>

#include <array>
#include <vector>

namespace vek {
namespace {

constexpr int MembersPerPage = 8;
const QString ColumnLine = QStringLiteral("NFC East     NFC North    NFC South    NFC West     AFC East     "
                                          "AFC North    AFC South    AFC West");
const std::array<QString, Divisions> DivisionNames{
    QStringLiteral("NFC East"),  QStringLiteral("NFC North"), QStringLiteral("NFC South"),
    QStringLiteral("NFC West"),  QStringLiteral("AFC East"),  QStringLiteral("AFC North"),
    QStringLiteral("AFC South"), QStringLiteral("AFC West"),
};
const QString ConsensusTitle = QStringLiteral("Consensus Predictions");
const QString LeagueTitle = QStringLiteral("VEK Standings");

/// Fills the chart tables with one chart: the rows of the ranked table, best first in each division.
/// Before any result has been counted the league has no ranking, so its chart stays empty.
void fillChart(PoolData& pool, int16_t mode, int member) {
    for (int d = 0; d < Divisions; ++d) {
        pool.divisionFill[d] = 0;
    }
    if (mode == ChartLeagueStandings && pool.currentWeek == -1) {
        return;
    }
    for (int row = 0; row < pool.numTeams; ++row) {
        AddChartTeam(pool, mode, static_cast<int16_t>(mode == ChartMemberStandings ? member : 0),
                     static_cast<int16_t>(row));
    }
}

QStringList chartLines(PoolData& pool, int16_t mode, int member, bool html) {
    fillChart(pool, mode, member);
    return html ? divisionChartHtmlLines(pool, mode) : divisionChartLines(pool, mode);
}

QString title(const PoolData& pool, const QString& text) {
    return formatNumber(pool.seasonYear, u"0") + text;
}

/// One line of the section as the printer and the text file share it.
struct SectionLine {
    enum Kind { Title, Empty, Columns, Heading, Chart, PageBreak } kind;
    QString text;
};

/// The section's lines: the title and the division columns, then each member's name and chart (a page
/// break after every eighth member, which only the printer makes), the consensus and the league's.
std::vector<SectionLine> sectionLines(PoolData& pool, int16_t kind) {
    std::vector<SectionLine> lines{
        {SectionLine::Title, title(pool, QStringLiteral(" VEK Season        Member Charts"))},
        {SectionLine::Empty, {}},
        {SectionLine::Columns, ColumnLine}};
    const auto chart = [&](int indent, const QString& heading, int16_t mode, int member) {
        lines.push_back({SectionLine::Heading, blanks(indent) + heading});
        for (const QString& line : chartLines(pool, mode, member, false)) {
            lines.push_back({SectionLine::Chart, line});
        }
    };
    for (int m = 0; m < pool.memberCount(); ++m) {
        chart(36, pool.memberName[m], ChartMemberStandings, m);
        if ((m + 1) % MembersPerPage == 0) {
            lines.push_back({SectionLine::PageBreak, {}});
        }
    }
    chart(28, ConsensusTitle, ChartConsensusStandings, 0);
    if (kind != KindPredictions) {
        chart(33, LeagueTitle, ChartLeagueStandings, 0);
    }
    return lines;
}

} // namespace

void PrintMemberCharts(PoolSession& session, ReportPrinter& printer, int16_t kind) {
    bringTeamTalliesUpToDate(session);
    printer.newPage();
    for (const SectionLine& line : sectionLines(session.pool(), kind)) {
        switch (line.kind) {
        case SectionLine::Title:
            printer.setBold(true);
            printer.setFontSize(16);
            printer.printLine(line.text);
            break;
        case SectionLine::Empty:
            printer.endLine();
            break;
        case SectionLine::Columns:
            printer.setFontSize(10);
            printer.printLine(line.text);
            break;
        case SectionLine::Heading:
            printer.setBold(true);
            printer.printLine(line.text);
            printer.setBold(false);
            break;
        case SectionLine::Chart:
            printer.printLine(line.text);
            break;
        case SectionLine::PageBreak:
            printer.newPage();
            break;
        }
    }
}

void WriteMemberChartsText(PoolSession& session, ReportFile& file, int16_t kind) {
    bringTeamTalliesUpToDate(session);
    file.openForAppend();
    file.writeLine();
    file.writeLine();
    for (const SectionLine& line : sectionLines(session.pool(), kind)) {
        if (line.kind != SectionLine::PageBreak) {
            file.writeLine(line.text);
        }
    }
}

void WriteMemberChartsHtml(PoolSession& session, ReportFile& file, int16_t kind) {
    bringTeamTalliesUpToDate(session);
    PoolData& pool = session.pool();
    file.openForAppend();
    file.writeLine(
        QStringLiteral("<table border=1 cellspacing=1 cellpadding=1 font=courier><tr><th colspan=32 "
                       "bgcolor=c0dcc0>") +
        title(pool, QStringLiteral(" VEK Season Member Charts</th></tr>")));
    QString divisions = QStringLiteral("<tr>");
    QString columns = QStringLiteral("<tr>");
    for (const QString& name : DivisionNames) {
        divisions += QStringLiteral("<th bgcolor=c0dcc0 colspan=4>") + name + QStringLiteral("</th>");
        columns +=
            QStringLiteral("<th bgcolor=c0dcc0>Team</th><th bgcolor=c0dcc0>W</th><th bgcolor=c0dcc0>L</th>"
                           "<th bgcolor=c0dcc0>T</th>");
    }
    file.writeLine(divisions + QStringLiteral("</tr>"));
    file.writeLine(columns + QStringLiteral("</tr>"));
    const auto chart = [&](const QString& heading, int16_t mode, int member) {
        file.writeLine(QStringLiteral("<th bgcolor=c0c0c0 colspan=32>") + heading + QStringLiteral("</th>"));
        for (const QString& line : chartLines(pool, mode, member, true)) {
            file.writeLine(line);
        }
    };
    for (int m = 0; m < pool.memberCount(); ++m) {
        chart(htmlText(pool.memberName[m]), ChartMemberStandings, m);
    }
    chart(ConsensusTitle, ChartConsensusStandings, 0);
    if (kind == KindPredictions) {
        file.writeLine(QStringLiteral("</table>"));
    } else {
        chart(LeagueTitle, ChartLeagueStandings, 0);
    }
}

} // namespace vek
