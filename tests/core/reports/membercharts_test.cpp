// The member charts on paper and in report files, and the division chart rows they are made of.
#include "handpool.h"
#include "reportlines.h"
#include "reports/divisionchart.h"
#include "reports/membercharts.h"
#include "reports/recordingprinter.h"
#include "reports/reportchoice.h"
#include "reports/reportfile.h"
#include "session/poolsession.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

const QString Blank91(91, QLatin1Char(' '));
const QString ColumnLine = QStringLiteral(
    "NFC East     NFC North    NFC South    NFC West     AFC East     AFC North    AFC South    AFC West");

// The hand pool's charts: each division holds one team.
//   Ann picked BULL, CATS, ELKS, GULL; Bob ACES, DOGS, FOXS, GULL; Cy BULL, DOGS, ELKS, HAWK.
const QString AnnRow = QStringLiteral("ACES  0  1   BULL  1  0   CATS  1  0   DOGS  0  1   "
                                      "ELKS  1  0   FOXS  0  1   GULL  1  0   HAWK  0  1   ");
const QString BobRow = QStringLiteral("ACES  1  0   BULL  0  1   CATS  0  1   DOGS  1  0   "
                                      "ELKS  0  1   FOXS  1  0   GULL  1  0   HAWK  0  1   ");
const QString CyRow = QStringLiteral("ACES  0  1   BULL  1  0   CATS  0  1   DOGS  1  0   "
                                     "ELKS  1  0   FOXS  0  1   GULL  0  1   HAWK  1  0   ");
const QString ConsensusRow = QStringLiteral("ACES   1   2 BULL   2   1 CATS   1   2 DOGS   2   1 "
                                            "ELKS   2   1 FOXS   1   2 GULL   2   1 HAWK   1   2 ");
// Week 1's results: ACES and DOGS won; the other teams have not played.
const QString LeagueRow = QStringLiteral("ACES  1  0 0 BULL  0  1 0 CATS  0  1 0 DOGS  1  0 0 "
                                         "ELKS  0  0 0 FOXS  0  0 0 GULL  0  0 0 HAWK  0  0 0 ");

QList<QByteArray> chartText(const QString& title, const QString& row, int rows) {
    QList<QByteArray> lines{title.toUtf8(), row.toUtf8()};
    for (int r = 1; r < rows; ++r) {
        lines << Blank91.toUtf8();
    }
    return lines;
}

class MemberCharts : public ::testing::Test {
protected:
    MemberCharts() { session.pool() = *test::handPool(); }

    test::TempFolder temp;
    PoolSession session{temp.folder()};
};

TEST_F(MemberCharts, TextSectionAppendedByteForByte) {
    temp.write(QStringLiteral("results.txt"), "the report\r\n");
    ReportFile file(temp.folder(), QStringLiteral("results.txt"));
    WriteMemberChartsText(session, file, KindResultsRange);
    ASSERT_TRUE(file.commit().ok);
    EXPECT_TRUE(session.teamsRecalculated); // the tallies were brought up to date first

    QList<QByteArray> expected{"the report",       "", "", "2024 VEK Season        Member Charts", "",
                               ColumnLine.toUtf8()};
    expected += chartText(QString(36, QLatin1Char(' ')) + QStringLiteral("Ann Avery"), AnnRow, 8);
    expected += chartText(QString(36, QLatin1Char(' ')) + QStringLiteral("Bob"), BobRow, 8);
    expected += chartText(QString(36, QLatin1Char(' ')) + QStringLiteral("Cy Yates"), CyRow, 8);
    expected +=
        chartText(QString(28, QLatin1Char(' ')) + QStringLiteral("Consensus Predictions"), ConsensusRow, 6);
    expected += chartText(QString(33, QLatin1Char(' ')) + QStringLiteral("VEK Standings"), LeagueRow, 6);
    EXPECT_EQ(temp.read(QStringLiteral("results.txt")), test::fileOf(expected));

    // The predictions report leaves the league's chart out.
    ReportFile predictions(temp.folder(), QStringLiteral("predict.txt"));
    WriteMemberChartsText(session, predictions, KindPredictions);
    ASSERT_TRUE(predictions.commit().ok);
    const QList<QByteArray> lines = test::fileLines(temp.read(QStringLiteral("predict.txt")));
    ASSERT_EQ(lines.size(), 5 + 3 * 9 + 7);
    EXPECT_EQ(lines.back(), Blank91.toUtf8());
}

TEST_F(MemberCharts, HtmlSectionByteForByteWithNamesEscaped) {
    session.pool().memberName[1] = QStringLiteral("Bob & <Co>");
    ReportFile file(temp.folder(), QStringLiteral("results.txt"));
    WriteMemberChartsHtml(session, file, KindResultsSeason);
    ASSERT_TRUE(file.commit().ok);

    const QString blankDivision = QStringLiteral("<td></td><td></td><td></td><td></td>");
    const auto blankRows = [&](int rows) {
        QList<QByteArray> lines;
        for (int r = 0; r < rows; ++r) {
            lines << (QStringLiteral("<tr>") + blankDivision.repeated(8) + QStringLiteral("</tr>")).toUtf8();
        }
        return lines;
    };
    QList<QByteArray> expected{
        "<table border=1 cellspacing=1 cellpadding=1 font=courier><tr><th colspan=32 bgcolor=c0dcc0>2024 VEK "
        "Season "
        "Member Charts</th></tr>",
        "<tr><th bgcolor=c0dcc0 colspan=4>NFC East</th><th bgcolor=c0dcc0 colspan=4>NFC North</th><th "
        "bgcolor=c0dcc0 "
        "colspan=4>NFC South</th><th bgcolor=c0dcc0 colspan=4>NFC West</th><th bgcolor=c0dcc0 colspan=4>AFC "
        "East</th><th bgcolor=c0dcc0 colspan=4>AFC North</th><th bgcolor=c0dcc0 colspan=4>AFC South</th><th "
        "bgcolor=c0dcc0 colspan=4>AFC West</th></tr>",
        QByteArray("<tr>") +
            QByteArray("<th bgcolor=c0dcc0>Team</th><th bgcolor=c0dcc0>W</th><th bgcolor=c0dcc0>L</th><th "
                       "bgcolor=c0dcc0>T</th>")
                .repeated(8) +
            "</tr>",
        "<th bgcolor=c0c0c0 colspan=32>Ann Avery</th>",
        "<tr><td>ACES</td><td align=right> 0</td><td align=right> 1</td><td></td><td>BULL</td><td "
        "align=right> "
        "1</td><td align=right> 0</td><td></td><td>CATS</td><td align=right> 1</td><td align=right> "
        "0</td><td></td><td>DOGS</td><td align=right> 0</td><td align=right> 1</td><td></td><td>ELKS</td><td "
        "align=right> 1</td><td align=right> 0</td><td></td><td>FOXS</td><td align=right> 0</td><td "
        "align=right> "
        "1</td><td></td><td>GULL</td><td align=right> 1</td><td align=right> 0</td><td></td><td>HAWK</td><td "
        "align=right> 0</td><td align=right> 1</td><td></td></tr>",
    };
    expected += blankRows(7);
    const QList<QByteArray> lines = test::fileLines(temp.read(QStringLiteral("results.txt")));
    ASSERT_GE(lines.size(), 3 + 3 * 9 + 7 + 8);
    EXPECT_EQ(lines.mid(0, expected.size()), expected);
    EXPECT_EQ(lines[12], QByteArray("<th bgcolor=c0c0c0 colspan=32>Bob &amp; &lt;Co&gt;</th>"));
    EXPECT_EQ(lines[30], QByteArray("<th bgcolor=c0c0c0 colspan=32>Consensus Predictions</th>"));
    EXPECT_EQ(lines[31],
              QByteArray("<tr><td>ACES</td><td align=right>  1</td><td align=right>  2</td><td></td>"
                         "<td>BULL</td><td align=right>  2</td><td align=right>  1</td><td></td>"
                         "<td>CATS</td><td align=right>  1</td><td align=right>  2</td><td></td>"
                         "<td>DOGS</td><td align=right>  2</td><td align=right>  1</td><td></td>"
                         "<td>ELKS</td><td align=right>  2</td><td align=right>  1</td><td></td>"
                         "<td>FOXS</td><td align=right>  1</td><td align=right>  2</td><td></td>"
                         "<td>GULL</td><td align=right>  2</td><td align=right>  1</td><td></td>"
                         "<td>HAWK</td><td align=right>  1</td><td align=right>  2</td><td></td></tr>"));
    EXPECT_EQ(lines[37], QByteArray("<th bgcolor=c0c0c0 colspan=32>VEK Standings</th>"));
    EXPECT_EQ(lines[38].left(98).toStdString(),
              "<tr><td>ACES</td><td align=right> 1</td><td align=right> 0</td>"
              "<td align=right>0</td><td>BULL</td>");
    EXPECT_EQ(lines.size(), 45);
    EXPECT_EQ(lines.back(), QByteArray("</table>"));
    EXPECT_TRUE(temp.read(QStringLiteral("results.txt")).endsWith("</table>\r\n"));

    // The predictions report closes the table after the consensus chart.
    ReportFile predictions(temp.folder(), QStringLiteral("predict.txt"));
    WriteMemberChartsHtml(session, predictions, KindPredictions);
    ASSERT_TRUE(predictions.commit().ok);
    const QList<QByteArray> form = test::fileLines(temp.read(QStringLiteral("predict.txt")));
    ASSERT_EQ(form.size(), 38);
    EXPECT_EQ(form.back(), QByteArray("</table>"));
}

TEST_F(MemberCharts, PrintedWithAPageAfterEveryEighthMember) {
    session.pool() = *test::samplePool({"Ann", "Bob", "Cid", "Dee", "Eve", "Fay", "Gus", "Hal", "Ivy"}, 3);
    RecordingPrinter printer;
    printer.printLine(QStringLiteral("the report"));
    PrintMemberCharts(session, printer, KindResultsRange);
    printer.endDocument();
    ASSERT_EQ(printer.documents.size(), 1u);
    const PrintDocument& document = printer.documents.front();
    ASSERT_EQ(document.pageCount(), 3); // the report before, the charts on a page of their own, Ivy on
    EXPECT_EQ(document.pageText(0), QStringList{QStringLiteral("the report")});
    const auto first = test::linesOf(document.pageMarkup(1));
    ASSERT_EQ(first.size(), 3u + 8 * 9);
    EXPECT_EQ(first[0], "{16}<b>2024 VEK Season        Member Charts</b>");
    EXPECT_EQ(first[1], "");
    EXPECT_EQ(first[2], "{10}<b>" + ColumnLine.toStdString() + "</b>");
    EXPECT_EQ(first[3], "<b>" + std::string(36, ' ') + "Ann</b>");
    const auto second = test::linesOf(document.pageMarkup(2));
    ASSERT_EQ(second.size(), 9u + 7 + 7);
    EXPECT_EQ(second[0], "<b>" + std::string(36, ' ') + "Ivy</b>");
    EXPECT_EQ(second[9], "<b>" + std::string(28, ' ') + "Consensus Predictions</b>");
    EXPECT_EQ(second[16], "<b>" + std::string(33, ' ') + "VEK Standings</b>");
    // Sample divisions hold four teams: each member chart has four filled rows and four blank ones.
    EXPECT_NE(first[7], Blank91.toStdString());
    EXPECT_EQ(first[8], Blank91.toStdString());
    EXPECT_EQ(first[11], Blank91.toStdString());
}

TEST(DivisionChartLines, RowsOfEachModeAndTheirLimits) {
    auto pool = test::handPool();
    PoolData& p = *pool;
    // A division of seven teams shows the six its chart rows hold; a division without teams is blank.
    p.divisionRec[0].teamCount = 7;
    p.divisionRec[1].teamCount = 0;
    for (int r = 0; r < 6; ++r) {
        p.chartTeam[0][r] = static_cast<int16_t>(r);
        p.chartWins[0][r] = static_cast<int16_t>(1000 + r);
        p.chartLosses[0][r] = 2;
    }
    p.divisionFill[0] = 6;
    const QStringList consensus = divisionChartLines(p, 1);
    ASSERT_EQ(consensus.size(), 6);
    // A count of four digits widens its cell; the rest of the line is blank cells.
    EXPECT_EQ(consensus[0].toStdString(), "ACES 1000   2 " + std::string(13 * 6, ' '));
    EXPECT_EQ(consensus[5].toStdString(), "FOXS 1005   2 " + std::string(13 * 6, ' '));
    EXPECT_EQ(divisionChartLines(p, 0).size(), 8);
    EXPECT_TRUE(divisionChartLines(p, 3).isEmpty());
    EXPECT_TRUE(divisionChartHtmlLines(p, -1).isEmpty());
    const QStringList league = divisionChartHtmlLines(p, 2);
    ASSERT_EQ(league.size(), 7);
    EXPECT_EQ(league.back(), QStringLiteral("</table>"));

    // A chart shows only the rows it filled itself, never rows left from an earlier chart.
    p.divisionFill[0] = 2;
    const QStringList refilled = divisionChartLines(p, 1);
    ASSERT_EQ(refilled.size(), 6);
    EXPECT_EQ(refilled[2], Blank91);
}

} // namespace
} // namespace vek
