// The pool and event profile summaries of two contrasting pools, on paper and in report files.
#include "handpool.h"
#include "reportlines.h"
#include "reports/profilesummaries.h"
#include "reports/recordingprinter.h"
#include "reports/reportfile.h"
#include "support/filetext.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

class ProfileSummaries : public ::testing::Test {
protected:
    ProfileSummaries() {
        p.goodWeekMinWins[0] = 2;
        p.goodWeekPoints[0] = 4;
        p.badWeekPoints[0] = 3;
        p.perfectWeekPoints[0] = 7;
        p.divWinnerPoints = {10, 20, 40, 80, 0};
        p.wildCardPoints = {15, 35, 0};
        p.divAsWildCardPoints = 5;
        p.wildCardAsDivPoints = 6;
        p.postSeasonPoints = 50;
        p.bigGamePoints = 25;
    }

    PrintDocument print() {
        RecordingPrinter printer;
        PrintProfileSummaries(p, printer);
        EXPECT_EQ(printer.documents.size(), 1u);
        return printer.documents.front();
    }

    QList<QByteArray> write(bool html, const QString& name = QStringLiteral("none.txt")) {
        ReportFile file(temp.folder(), name);
        if (html) {
            WriteProfileSummariesHtml(p, file);
        } else {
            WriteProfileSummariesText(p, file);
        }
        EXPECT_TRUE(file.commit().ok);
        return test::fileLines(temp.read(name));
    }

    test::TempFolder temp;
    std::unique_ptr<PoolData> pool = test::handPool();
    PoolData& p = *pool;
};

TEST_F(ProfileSummaries, WithoutConfidenceOrSpreadsOnPaperAndAsText) {
    const PrintDocument document = print();
    ASSERT_EQ(document.pageCount(), 1);
    const std::vector<std::string> markup = test::linesOf(document.pageMarkup(0));
    ASSERT_EQ(markup.size(), 48u);
    EXPECT_EQ(markup[0], "{16}<b>          2024 Pool & Event Profile Summaries</b>");
    EXPECT_EQ(markup[4], "{10}<b>Predict Option       : </b>All Season");
    const std::vector<std::string> weekly{
        "{10}<b>Weekly</b>",
        "<b>                Good Week        Bad Week      Perfect Week</b>",
        "        Games   Min     Pts      Max     Pts       Pts",
        // Every week has two games: one row; a bad week of at most 0 right shows a blank maximum.
        "         2        2       4                3         7",
        "",
        "<b>Quarterly</b>",
        "        Qtr        1       2       3       4",
        "        Weeks     1- 1    2- 2    3- 2    3- 2",
        "        Pts           ",
    };
    EXPECT_EQ(std::vector<std::string>(markup.begin() + 12, markup.begin() + 21), weekly);
    const std::vector<std::string> postSeason{
        "                1           10        15",
        "                2           20        35",
        "                3           40",
        "                4           80",
        "        Div winner as Wild Card    5",
        "        Wild Card as Div Winner    6",
        "        Pts         50",
        "<b>Big Game  </b>",
    };
    EXPECT_EQ(std::vector<std::string>(markup.begin() + 33, markup.begin() + 41), postSeason);
    EXPECT_EQ(markup.back(), "        Pts           "); // Monday night: no points, blanks

    // The text file: the same lines, its title further in and the post-season points named PSPoints.
    QStringList text = document.pageText(0);
    text[0] = QStringLiteral("                    2024 Pool & Event Profile Summaries");
    text[31] = QStringLiteral("                          Division  Wild Card   (PSPoints per conference)");
    text[32] = QStringLiteral("        Correct Picks     PSPoints  PSPoints");
    QList<QByteArray> expected;
    for (const QString& line : text) {
        expected << line.toUtf8();
    }
    EXPECT_EQ(write(false), expected);
    EXPECT_EQ(write(false), expected); // "none.txt" starts afresh: the summaries once
}

TEST_F(ProfileSummaries, WithConfidenceAndSpreadsOnPaperAndAsHtml) {
    p.confidenceMode = 2;
    p.usePointSpreads = True16;
    p.weeklyPicks = 1;
    p.pointsSystem = 2;
    p.mnTieBreaker = 2;
    // An odd league (a team out of every week) of weeks of 16, 11 and 6 slots: sizes 15 down to 6, of
    // which 15 lies beyond the event tables.
    p.numTeams = 9;
    p.gamesPerWeek = 16;
    p.numWeeks = 3;
    p.openDates = {0, 5, 10};
    p.goodWeekMinCp[0] = 40;
    p.badWeekMaxCp[0] = 12;
    p.goodWeekPoints[8] = 9;

    const QStringList text = print().pageText(0);
    EXPECT_EQ(text.mid(4, 5),
              (QStringList{"Predict Option       : Week-To-Week",
                           "Event Points Scoring : Credit Style-Equal (Each winner recieves full "
                           "event points)",
                           "Use point spreads?   : Yes", "Use confidence points: Yes",
                           "Tie breaker system   : Closest to total of Monday Night score"}));
    ASSERT_EQ(text.size(), 48 + 9);
    EXPECT_EQ(text[15], QStringLiteral("        15") + QString(44, QLatin1Char(' ')));
    EXPECT_EQ(text[16].left(27), QStringLiteral("        14                9"));
    EXPECT_EQ(text[24], QStringLiteral("         6       40       4       12       3         7"));
    EXPECT_EQ(text.count(QStringLiteral("        GbPts     n/a ")), 3);

    const QList<QByteArray> html = write(true);
    EXPECT_EQ(html[0], "<h1>2024 Pool & Event Profile Summaries</h1><br><br>");
    EXPECT_EQ(html[6], "<li>Use confidence points: Yes</li>");
    EXPECT_EQ(html.count("<tr><td>GbPts</td><td>n/a</td></tr>"), 2);
    EXPECT_EQ(html.count("<tr><td>GbPts</td><td>n/a</td>"), 1); // the season's rows end no row
    const qsizetype row15 = html.indexOf("<td>15</td>");
    ASSERT_GT(row15, 0);
    EXPECT_EQ(html.mid(row15 + 1, 5), QList<QByteArray>({"<td>   </td>", "<td>     </td>", "<td>   </td>",
                                                         "<td>     </td>", "<td>     </td>"}));
    EXPECT_EQ(html.back(), "</table>");
}

} // namespace
} // namespace vek
