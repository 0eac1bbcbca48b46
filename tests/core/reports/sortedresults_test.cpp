// The sorted results listing on the hand pool: on paper page by page, and its text and HTML files.
#include "handpool.h"
#include "reportlines.h"
#include "reports/recordingprinter.h"
#include "reports/reportchoice.h"
#include "reports/reportfile.h"
#include "reports/sortedresults.h"
#include "session/poolsession.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace vek {
namespace {

using Lines = std::vector<std::string>;

QByteArray repeated(const char* cell, int count) {
    return QByteArray(cell).repeated(count);
}

class SortedResults : public ::testing::Test {
protected:
    SortedResults() {
        session.pool() = *test::handPool();
        p.memberName[2] = QStringLiteral("Tom & <Jerry>");
        // Worked out by hand for week 1 (see the prediction report's test): Bob has the good week, 4
        // from each of the others; he leads the season (2 and 1 games behind at 2 points a game: 6).
        p.mondayNightPoints = 5;
        p.seasonGbPoints = 2;
        p.over50Points = 3;
        p.goodWeekPoints[0] = 4;
        p.goodWeekMinWins[0] = 2;
        // The NFC's division winners are in: Ann's ACES is right; Bob's Big Game ACES is not decided.
        for (int slot = 0; slot < 4; ++slot) {
            p.postSeasonResults[slot] = static_cast<int16_t>(slot);
        }
        p.postSeasonPicks[0][0] = 0;
        p.postSeasonPicks[12][1] = 0;
        choice.report = ReportOption::Results;
        choice.kind = KindResultsRange;
        choice.postSeason = choice.ledger = true;
    }

    QByteArray writeFile(bool html) {
        choice.html = html;
        ReportFile file(temp.folder(), QStringLiteral("results.txt"));
        ListSortedResults(session, choice, file);
        EXPECT_TRUE(file.commit().ok);
        return temp.read(QStringLiteral("results.txt"));
    }

    test::TempFolder temp;
    PoolSession session{temp.folder()};
    PoolData& p = session.pool();
    ReportChoice choice;
};

TEST_F(SortedResults, TextFileByteForByte) {
    const QList<QByteArray> expected{
        "| Member Info |    Season    |Week  1| Wild |>50% |MonNi|Balance|",
        "|Odd|Name     | W   L   gb  @| W   L | W   @| W  @| W  @|       |",
        QByteArray(92, '-'),
        "|1/9|Bob      |  2   0   0   | 2     | 1    | 1   | 1   |      8|",
        "|1/9|Tom & <Je|  1   1   1   | 1   1 | 0   T| 0  T| 1   |     -4|",
        "|1/9|Ann Avery|  0   2   2  E| 0   2 | 0   E| 0  T| 0  E|     -4|",
        "",
        "Games Behind Points:",
        "Season      : 6",
        "Semi-Season : 0",
        "Quarter     : 0",
        "",
        "",
        "2024 VEK Season         Post Season",
        "",
        "|         |     Divisional Winners                |  Wild Card Teams  |    |    |",
        "|         |        NFC        |     AFC           |   NFC   |   AFC   |Pred|Big |",
        "|  Member |East|Nort|Sout|West|East|Nort|Sout|West|Wild|Wild|Wild|Wild|Pts |Game|",
        "|---------|----|----|----|----|----|----|----|----|----|----|----|----|",
        // The last week is not scored yet: no points.
        "|Bob      |" + repeated("    |", 12) + "   0|ACES|",
        "|Tom & <Je|" + repeated("    |", 12) + "   0|    |",
        "|Ann Avery|ACES|" + repeated("    |", 11) + "   0|    |",
        "",
        "2024 VEK Season       Points Ledger",
        "",
        "|         |      |Seasn|Semi-|Semi|     |Qtr |Good |Bad  |Perf |Wild |>50% |Monda|Post | Big |Point "
        " |",
        "|  Member |Season| GB  |Seasn| GB |Quart| GB |Week |Week |Week |Choic| Row |Night|Seasn|Game "
        "|Balance|",
        "|---------|------|-----|-----|----|-----|----|-----|-----|-----|-----|-----|-----|-----|-----|------"
        "-|",
        "|Bob      |     0|    0|    0|   0|    0|   0|    8|" + repeated("    0|", 7) + "      8|",
        "|Tom & <Je|     0|    0|    0|   0|    0|   0|   -4|" + repeated("    0|", 7) + "     -4|",
        "|Ann Avery|     0|    0|    0|   0|    0|   0|   -4|" + repeated("    0|", 7) + "     -4|",
        "",
    };
    EXPECT_EQ(writeFile(false), test::fileOf(expected));
}

TEST_F(SortedResults, HtmlFileByteForByte) {
    choice.postSeason = choice.ledger = false;
    const QByteArray th = "<th bgcolor=c0dcc0>";
    const QByteArray tdr = "<td align=right>";
    const QList<QByteArray> expected{
        "<table border=1 cellspacing=1 cellpadding=1 font=courier><tr><th colspan=2 bgcolor=c0dcc0>Member "
        "Info</th><th colspan=4 bgcolor=c0dcc0>Season</th><th colspan=2 bgcolor=c0dcc0>Week  1</th><th "
        "colspan=2 "
        "bgcolor=c0dcc0>Wild</th><th colspan=2 bgcolor=c0dcc0>Over 50%</th><th colspan=2 "
        "bgcolor=c0dcc0>Monday "
        "Nignt</th>" +
            th + "Balance</th></tr>",
        "<tr>" + th + "Odds</th>" + th + "Name</th>" + th + "W</th>" + th + "L</th>" + th + "gb</th>" + th +
            "@</th>" + th + "W</th>" + th + "L</th>" + (th + "W</th>" + th + "@</th>").repeated(3) + "</tr>",
        "<tr>" + tdr + "1/9</td><td>Bob      </td>" + tdr + "  2</td>" + tdr + "  0</td>" + tdr +
            "  0</td><td></td>" + tdr + " 2 </td>" + tdr + "    </td>" + tdr + " 1</td><td></td>" + tdr +
            " 1</td><td></td>" + tdr + " 1</td><td></td>" + tdr + "       8</td>",
        "<tr>" + tdr + "1/9</td><td>Tom &amp; &lt;Je</td>" + tdr + "  1</td>" + tdr + "  1</td>" + tdr +
            "  1</td><td></td>" + tdr + " 1 </td>" + tdr + "   1</td>" + tdr + " 0</td><td>T</td>" + tdr +
            " 0</td><td>T</td>" + tdr + " 1</td><td></td>" + tdr + "      -4</td>",
        "<tr>" + tdr + "1/9</td><td>Ann Avery</td>" + tdr + "  0</td>" + tdr + "  2</td>" + tdr +
            "  2</td><td>E</td>" + tdr + " 0 </td>" + tdr + "   2</td>" + tdr + " 0</td><td>E</td>" + tdr +
            " 0</td><td>T</td>" + tdr + " 0</td><td>E</td>" + tdr + "      -4</td>",
        "</tr></table>",
        "<table border=1; cellspacing=1; cellpadding=1; font=courier >",
        "<tr><th colspan=2 bgcolor=c0dcc0>Games Behind Points</th></tr>",
        "<tr><td>Season</td><td align=right>6</td></tr>",
        "<tr><td>Semi-Season</td><td align=right>0</td></tr>",
        "<tr><td>Quarter</td><td align=right>0</td></tr>",
        "</table>",
    };
    EXPECT_EQ(writeFile(true), test::fileOf(expected));

    // The tables: right picks and event winners strong; a member's row runs on as the layout says.
    choice.postSeason = choice.ledger = true;
    const QList<QByteArray> lines = test::fileLines(writeFile(true));
    const qsizetype ann = lines.indexOf("<td>Ann Avery</td><td><strong>ACES</strong></td>");
    ASSERT_GT(ann, 0);
    const qsizetype bob = lines.lastIndexOf("<td>Bob      </td>");
    ASSERT_GT(bob, 0);
    EXPECT_EQ(lines[bob + 4], tdr + "   0</td>" + tdr + "    0</td>" + tdr +
                                  "   0</td><td align=right><strong>    "
                                  "8</strong></td>" +
                                  (tdr + "    0</td>").repeated(7) +
                                  "<td align=right><strong>    8</strong></td>");
    EXPECT_EQ(lines.back(), "</table>");
}

// The first heading line spans exactly the cells of every row: a period has three cells with
// confidence points and four without.
TEST_F(SortedResults, HtmlHeadingsSpanTheirCells) {
    choice.postSeason = choice.ledger = false;
    p.halfPoints = p.quarterPoints = 1;
    const QRegularExpression heading(QStringLiteral(R"(<th(?: colspan=(\d+))?)"));
    for (const int16_t mode : {0, 1}) {
        p.confidenceMode = mode;
        const QList<QByteArray> lines = test::fileLines(writeFile(true));
        ASSERT_GE(lines.size(), 3);
        int spanned = 0;
        for (auto it = heading.globalMatch(QString::fromUtf8(lines[0])); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            spanned += match.hasCaptured(1) ? match.captured(1).toInt() : 1;
        }
        EXPECT_EQ(spanned, lines[2].count("<td")) << "confidence mode " << mode;
    }
}

TEST_F(SortedResults, PrintedWeekPageByPage) {
    choice.teamStandings = true;
    RecordingPrinter printer;
    ListSortedResults(session, choice, printer);
    ASSERT_EQ(printer.documents.size(), 1u);
    const PrintDocument& document = printer.documents.front();
    ASSERT_EQ(document.pageCount(), 2); // the week and its tables, then the member charts
    const Lines week{
        "{16}<b>2024 VEK Season           Week 01</b>",
        "{10}<b>|   Member Info    |    Season    |Week  1| Wild |>50% |MonNi|Balance|</b>",
        "<b>|Odd|Name          | W   L   gb  @| W   L | W   @| W  @| W  @|       |</b>",
        "<b>" + std::string(97, '-') + "</b>",
        // Bob won the good week: his rank, name and week are bold, and so is his positive balance.
        "<b>|1/9|Bob           |</b>  2   0   0   |<b> 2     |</b> 1    | 1   | 1   |<b>      8|</b>",
        "|1/9|Tom & <Jerry> |  1   1   1   | 1   1 | 0   T| 0  T| 1   |     -4|",
        "|1/9|Ann Avery     |  0   2   2  E| 0   2 | 0   E| 0  T| 0  E|     -4|",
        "",
        "<b>Games Behind Points:</b>",
        "Season      : 6",
        "Semi-Season : 0",
        "Quarter     : 0",
        "",
        "{16}<b>2024 VEK Season         Post Season</b>",
        "",
    };
    const Lines markup = test::linesOf(document.pageMarkup(0));
    ASSERT_EQ(markup.size(), 32u); // then the post-season table (4 + 3 + 1 lines), the ledger (2 + 3 + 3 + 1)
    EXPECT_EQ(Lines(markup.begin(), markup.begin() + 15), week);
    // The tables as in the text file, their headings bold, right picks and positive values bold.
    EXPECT_EQ(markup[21], "|Ann Avery|<b>ACES|</b>" + std::string(repeated("    |", 11)) + "   0|    |");
    EXPECT_EQ(markup[23], "{16}<b>2024 VEK Season       Points Ledger</b>");
    EXPECT_EQ(markup[28], "|Bob      |    0|   0|    0|   0|    0|   0|<b>    8|</b>" +
                              std::string(repeated("    0|", 7)) + "<b>    8|</b>");
    EXPECT_EQ(markup[29], "|Tom & <Je|    0|   0|    0|   0|    0|   0|   -4|" +
                              std::string(repeated("    0|", 7)) + "   -4|");
    EXPECT_EQ(document.pageText(1)[0], QStringLiteral("2024 VEK Season        Member Charts"));
}

TEST(SortedResultsPages, FortyMembersToAPageWithTheirRanks) {
    test::TempFolder temp;
    PoolSession session{temp.folder()};
    QStringList names;
    for (int m = 0; m < MemberSlots; ++m) {
        names << QStringLiteral("Member %1").arg(m + 1);
    }
    test::fillSamplePool(session.pool(), names, 3);
    session.pool().weeklyPicks = 1;
    ReportChoice choice;
    choice.kind = KindResultsRange;
    choice.fromWeek = choice.toWeek = 3;
    choice.ledger = true; // a full page: the week ends with a page break
    RecordingPrinter printer;
    ListSortedResults(session, choice, printer);
    ASSERT_EQ(printer.documents.size(), 1u);
    const PrintDocument& document = printer.documents.front();
    ASSERT_EQ(document.pageCount(), 4);
    EXPECT_EQ(document.pageText(0).size(), 1 + 3 + 40); // the title, the headings, 40 rows
    EXPECT_TRUE(document.pageText(1)[0].startsWith(QStringLiteral("| 41|")));
    EXPECT_TRUE(document.pageText(3)[0].startsWith(QStringLiteral("|121|")));
    EXPECT_EQ(document.pageText(3)[2], QStringLiteral("Games Behind Points:"));
    EXPECT_TRUE(document.pageText(3).back().isEmpty()); // after the ledger, no blank page
}

} // namespace
} // namespace vek
