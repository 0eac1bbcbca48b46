// The prediction and result listing files: byte for byte on the hand pool, the marks of a pool scored
// against the spread, and the largest pool's member groups.
#include "handpool.h"
#include "reports/predictionlisting.h"
#include "reports/reportchoice.h"
#include "reports/reportfile.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

class PredictionListing : public ::testing::Test {
protected:
    PredictionListing() { p.memberName[2] = QStringLiteral("Tom & <Jerry>"); }

    QList<QByteArray> write(bool html, int16_t kind, int fromWeek, int toWeek) {
        ReportFile file(temp.folder(), QStringLiteral("predict.txt"));
        if (html) {
            WritePredictionReportHtml(p, file, kind, fromWeek, toWeek);
        } else {
            WritePredictionReportText(p, file, kind, fromWeek, toWeek);
        }
        EXPECT_TRUE(file.commit().ok);
        return test::fileLines(temp.read(QStringLiteral("predict.txt")));
    }

    test::TempFolder temp;
    std::unique_ptr<PoolData> pool = test::handPool();
    PoolData& p = *pool;
};

TEST_F(PredictionListing, PredictionsOfTheSeasonAsText) {
    const QByteArray forms = "________ ________       ________ ________       ________ ________";
    const QList<QByteArray> expected{
        "                      2024 VEK Season", "",
        "                          Kestrelmoor - VEK Football Pool", "",
        "                     Member Predictions", "\f",
        // Only the events the pool uses have tally lines: the season and the wild choices.
        "2024 VEK Season    Week 01", "   Game     Ann  Bob  Tom ", "ACES @ BULL BULL ACES BULL",
        "CATS @ DOGS CATS DOGS DOGS", "Tie Breaker: 40   45   50 ", "Season      ____ ____ ____",
        "WC          ____ ____ ____", "", "                        Point Balances", "", forms, "\f",
        "2024 VEK Season    Week 02", "   Game     Ann  Bob  Tom ", "ELKS @ FOXS ELKS FOXS ELKS",
        "GULL @ HAWK GULL GULL HAWK", "Tie Breaker: 30   35   40 ", "Season      ____ ____ ____",
        "WC          ____ ____ ____", "", "                        Point Balances", "", forms};
    EXPECT_EQ(write(false, KindPredictions, 0, 1), expected);
}

TEST_F(PredictionListing, ResultsOfAWeekAsHtmlWithNamesEscaped) {
    p.quarterPoints = 1; // the title names the quarter; Bob wins it, a point from each of the others
    const QList<QByteArray> expected{
        "<h4>2024 VEK Season    Week 01    End Qtr 1</h4>",
        "<table border=1 cellspacing=1 cellpadding=1 font=courier>",
        "<tr><th bgcolor=c0dcc0>Game</th><th bgcolor=c0dcc0>Ann Avery </th><th bgcolor=c0dcc0>Bob </th>"
        "<th bgcolor=c0dcc0>Tom &amp; &lt;Jerry&gt;</th></tr>",
        // ACES won away, DOGS at home.
        "<tr><td>ACES ) BULL </td>",
        "<td>     </td><td>ACES </td><td>    </td></tr>",
        "<tr><td>CATS ( DOGS </td>",
        "<td>     </td><td>DOGS </td><td>DOGS</td></tr>",
        "<tr><td>Tie Breaker:</td><td> 40  </td><td> 45  </td><td> 50 </td></tr>",
        "<tr><td>Season</td><td>   0 </td><td>   2 </td><td>   1</td></tr>",
        "<tr><td>Quarter</td><td>   0 </td><td>   2 </td><td>   1</td></tr>",
        "<tr><td>WC</td><td>   0 </td><td>   1 </td><td>   0</td></tr>",
        "<tr><td>Point Balances</td>",
        "<td>Ann Avery      -1        <td>Bob            2        <td>Tom &amp; &lt;Jerry&gt;      -1 </td>",
        "</tr>",
        "</table>",
    };
    EXPECT_EQ(write(true, KindResultsRange, 0, 0), expected);

    // As text the long name is written whole: no blanks fill it to eight characters.
    EXPECT_EQ(write(false, KindResultsRange, 0, 0).back(),
              QByteArray("Ann Avery      -1        Bob            2        Tom & <Jerry>      -1 "));
}

TEST_F(PredictionListing, AgainstTheSpreadOnlyGamesWithResultsMarkPicks) {
    p.usePointSpreads = True16;
    p.spreadWinner[0][0] = 1; // ACES won, BULL covered the spread
    p.spreadWinner[0][1] = 3;
    p.spreadWinner[1][0] = p.tieCode(); // week 2 unplayed: worked out from scores of 0 to 0
    p.spreadWinner[1][1] = 6;
    const QList<QByteArray> lines = write(false, KindResultsRange, 0, 1);
    EXPECT_EQ(lines[2], "ACES > BULL BULL      BULL");
    EXPECT_EQ(lines[3], "CATS < DOGS      DOGS DOGS");
    const qsizetype week2 = lines.indexOf("2024 VEK Season    Week 02");
    ASSERT_GT(week2, 0);
    EXPECT_EQ(lines[week2 + 2], "ELKS < FOXS " + QByteArray(14, ' '));
    EXPECT_EQ(lines[week2 + 3], "GULL < HAWK " + QByteArray(14, ' '));
}

TEST(PredictionListingGroups, TheLargestPoolInElevenGroupsOfTwelve) {
    test::TempFolder temp;
    QStringList names;
    for (int m = 0; m < MemberSlots; ++m) {
        names << QStringLiteral("Member %1").arg(m + 1);
    }
    const auto pool = test::samplePool(names, 3);
    ReportFile file(temp.folder(), QStringLiteral("results.txt"));
    WritePredictionReportText(*pool, file, KindResultsRange, 3, 3);
    ASSERT_TRUE(file.commit().ok);
    const QList<QByteArray> lines = test::fileLines(temp.read(QStringLiteral("results.txt")));
    EXPECT_EQ(lines.count("                        Point Balances"), 11);
    EXPECT_EQ(lines.count("\f"), 10); // between the groups
    QList<QByteArray> columns;
    for (const QByteArray& line : lines) {
        if (line.startsWith("   Game     ")) {
            columns << line;
        }
    }
    ASSERT_EQ(columns.size(), 11);
    EXPECT_EQ(columns.back(), "   Game     Memb"); // the last group: member 121 alone
    EXPECT_EQ(lines[lines.lastIndexOf("                        Point Balances") + 2].left(11), "Member 121 ");

    ReportFile html(temp.folder(), QStringLiteral("results.txt"));
    WritePredictionReportHtml(*pool, html, KindResultsRange, 3, 3);
    ASSERT_TRUE(html.commit().ok);
    EXPECT_EQ(temp.read(QStringLiteral("results.txt")).count("<th bgcolor=c0dcc0>Member "), 121);
}

} // namespace
} // namespace vek
