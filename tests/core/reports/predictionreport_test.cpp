// The prediction and result report as a whole, page by page, on the small pool worked out by hand.
#include "engine/weeksort.h"
#include "handpool.h"
#include "reportlines.h"
#include "reports/predictionreport.h"
#include "reports/recordingprinter.h"
#include "reports/reportchoice.h"
#include "reports/sortedtables.h"
#include "session/poolsession.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"
#include "views/standingsfigures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vek {
namespace {

using Lines = std::vector<std::string>;

const std::string Blanks34(34, ' ');
const std::string Blanks49(49, ' ');

Lines emptyLines(int count) {
    return Lines(static_cast<std::size_t>(count), std::string());
}

Lines operator+(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class PredictionReport : public ::testing::Test {
protected:
    PredictionReport() {
        session.pool() = *test::handPool();
        // The NFC's four division winners are in; Ann picked the NFC East winner, Bob the Big Game's
        // ACES, whose game is not played yet.
        for (int slot = 0; slot < 4; ++slot) {
            p.postSeasonResults[slot] = static_cast<int16_t>(slot);
        }
        p.postSeasonPicks[0][0] = 0;
        p.postSeasonPicks[12][1] = 0;
        // Events worked out by hand for week 1 (ACES and DOGS won; Ann 0, Bob 2, Cy 1 right): Bob has
        // the good week (2 right of 2), paid 4 by each of the two others; he leads the season (2 games
        // behind for Ann, 1 for Cy, at 2 points a game: 6), the wild choices (his unique ACES) and the
        // over-50% streak (1, the week's longest); Bob and Cy share the Monday-night lead.
        p.mondayNightPoints = 5;
        p.seasonGbPoints = 2;
        p.over50Points = 3;
        p.goodWeekPoints[0] = 4;
        p.goodWeekMinWins[0] = 2;
    }

    std::vector<PrintDocument> print(const ReportChoice& choice) {
        RecordingPrinter printer;
        PrintPredictionReport(session, printer, choice);
        return std::move(printer.documents);
    }

    static ReportChoice allSections(int16_t kind, int from, int to) {
        ReportChoice choice;
        choice.kind = kind;
        choice.fromWeek = static_cast<int16_t>(from);
        choice.toWeek = static_cast<int16_t>(to);
        choice.postSeason = choice.ledger = choice.teamStandings = choice.differences = true;
        return choice;
    }

    test::TempFolder temp;
    PoolSession session{temp.folder()};
    PoolData& p = session.pool();
};

TEST_F(PredictionReport, ResultsOfOneWeekPageByPage) {
    const auto documents = print(allSections(KindResultsRange, 0, 0));
    ASSERT_EQ(documents.size(), 1u);
    const PrintDocument& report = documents.front();
    ASSERT_EQ(report.pageCount(), 4); // week 1 with its differences, post season, ledger, member charts

    const Lines week1 =
        Lines{
            "{16}<b>2024 VEK Season           Week 01</b>",
            "{7.2}<b>    Game     Ann Aver     </b><u><b>Bob     </b></u><b>     Cy Yates </b>",
            "",
            "<b>ACES</b> @ <i>BULL  </i>BULL         <b>ACES(w) </b>     BULL    ",
            "<i>CATS @ </i><b>DOGS  CATS    </b>     DOGS(w)      DOGS(w) ",
            " 20  -  24     40           45           50    ",
        } +
        emptyLines(17) +
        Lines{
            "<b>     Season  </b>  0 [E]      <b>  2</b>            1     ",
            "         gb    2          <b>  0     </b>       1     ",
            "  winning %    0.0%       <b>100.0%  </b>      50.0%  ",
            "",
            "<b>       Week  </b>  0          <b>  2     </b>       1     ",
            "",
            "<b>Wild Choice  </b>  0 [E]      <b>  1</b>            0 [T] ",
            "<b>   Over 50%  </b>  0 [T]      <b>  1<</b>           0 [T] ",
            "<b>Monday Night </b>  0 [E]      <b>  1</b>          <b>  1</b>     ",
            "",
            "<b>    Balance  </b>     -4      <b>      8 </b>          -4 ",
            "",
            "+--------------------+--------------------+--------------------+--------------------+",
            "|Over 50% Max:      1|Season GB tot:     6|                    |                    |",
            "+--------------------+--------------------+--------------------+--------------------+",
            "<b>Season Differences" + Blanks49 + "Next Week Differences</b>",
            "+--------+---+---+" + Blanks49 + "+--------+---+---+",
            "|Between |Ann|Bob|" + Blanks49 + "|Between |Ann|Bob|",
            "+--------+---+---+" + Blanks49 + "+--------+---+---+",
            "|Bob     |  1|   |" + Blanks49 + "|Bob     |  1|   |",
            "|Cy Yates|  1|  2|" + Blanks49 + "|Cy Yates|  1|  2|",
            "+--------+---+---+" + Blanks49 + "+--------+---+---+",
        };
    EXPECT_EQ(test::linesOf(report.pageMarkup(0)), week1);

    const Lines postSeason =
        Lines{
            "{16}<b>2024 VEK Season         Post Season</b>",
            "{7.2}<b> Conf-Div    Ann Aver     Bob          Cy Yates</b>",
            "",
            "<b>NFC East     </b>ACES(w)                           ",
        } +
        Lines{
            "<b>NFC North    </b>" + Blanks34, "<b>NFC South    </b>" + Blanks34,
            "<b>NFC.West     </b>" + Blanks34, "<b>AFC East     </b>" + Blanks34,
            "<b>AFC North    </b>" + Blanks34, "<b>AFC South    </b>" + Blanks34,
            "<b>AFC West     </b>" + Blanks34, "<b>NFC WildCard </b>" + Blanks34,
            "<b>NFC WildCard </b>" + Blanks34, "<b>AFC WildCard </b>" + Blanks34,
            "<b>AFC WildCard </b>" + Blanks34,
        } +
        Lines{
            "",
            "",
            // Week 2, the season's last, is not scored yet: no points, no marks.
            "<b>PredPoints   </b>      0           0           0",
            "",
            "{16}<b>2024 VEK Season         Big Game  </b>",
            "{7.2}             <b>Ann Aver     Bob          Cy Yates</b>",
            "",
            // The Big Game has no result yet: Bob's pick is not marked.
            "<b>Big Game     </b>             ACES                 ",
            "",
            "",
        };
    EXPECT_EQ(test::linesOf(report.pageMarkup(1)), postSeason);

    Lines ledger{"2024 VEK Season        Points Ledger", "    Event    Ann Aver     Bob          Cy Yates ",
                 ""};
    for (const char* label : {"Season       ", "Season GB    ", "Semi-Season  ", "Semi-Ssn GB  ",
                              "Quarter      ", "Quarter GB   "}) {
        ledger.push_back(std::string(label) + "       0            0            0");
    }
    ledger.push_back("Good Weeks         -4            8           -4");
    for (const char* label : {"Bad Weeks    ", "Perfect Wks  ", "Wild Choice  ", ">50% In Row  ",
                              "Monday Night ", "Post Season  ", "Championship "}) {
        ledger.push_back(std::string(label) + "       0            0            0");
    }
    ledger.push_back("Total Points       -4            8           -4");
    ledger.push_back("");
    EXPECT_EQ(test::linesOf(report.pageText(2)), ledger);
    EXPECT_EQ(test::linesOf(report.pageMarkup(2))[9],
              "<b>Good Weeks   </b>      -4     <b>       8</b>           -4");

    const Lines charts = test::linesOf(report.pageText(3));
    ASSERT_EQ(charts.size(), 3u + 3 * 9 + 7 + 7);
    EXPECT_EQ(charts[0], "2024 VEK Season        Member Charts");
    EXPECT_EQ(charts[4], "ACES  0  1   BULL  1  0   CATS  1  0   DOGS  0  1   "
                         "ELKS  1  0   FOXS  0  1   GULL  1  0   HAWK  0  1   ");
    EXPECT_EQ(charts[38], "ACES  1  0 0 BULL  0  1 0 CATS  0  1 0 DOGS  1  0 0 "
                          "ELKS  0  0 0 FOXS  0  0 0 GULL  0  0 0 HAWK  0  0 0 ");
}

TEST_F(PredictionReport, PredictionsOfTheWholeSeasonPageByPage) {
    ReportChoice choice;
    choice.kind = KindPredictions;
    choice.fromWeek = 0;
    choice.toWeek = 1;
    const auto documents = print(choice); // no box ticked: the whole season brings its sections
    ASSERT_EQ(documents.size(), 1u);
    const PrintDocument& report = documents.front();
    ASSERT_EQ(report.pageCount(), 5); // cover, two weeks, post season with Big Game, member charts

    const Lines cover =
        emptyLines(6) + Lines{
                            "{16}<b>                      2024 VEK Season</b>",
                            "",
                            "<b>                          Kestrelmoor - VEK Football Pool</b>",
                            "",
                            "<b>                     Member Predictions</b>",
                        };
    EXPECT_EQ(test::linesOf(report.pageMarkup(0)), cover);

    const std::string border =
        "+--------------------+--------------------+--------------------+--------------------+";
    const Lines form{
        "<b>     Season  </b>________     ________     ________",
        "         gb  ________     ________     ________",
        "  winning %  ________     ________     ________",
        "",
        "<b>       Week  </b>________     ________     ________",
        "",
        "<b>Wild Choice  </b>________     ________     ________",
        "<b>   Over 50%  </b>________     ________     ________",
        "<b>Monday Night </b>________     ________     ________",
        "",
        "<b>    Balance  </b>________     ________     ________",
        "",
        border,
        "|Over 50% Max:       |Season GB tot:      |" + std::string(20, ' ') + "|" + std::string(20, ' ') +
            "|",
        border,
    };
    const Lines week2 =
        Lines{
            "{16}<b>2024 VEK Season           Week 02</b>",
            "{7.2}<b>    Game     Ann Aver     Bob          Cy Yates </b>",
            "",
            "<i>ELKS @ FOXS  </i>ELKS         <b>FOXS    </b>     ELKS    ",
            "<i>GULL @ HAWK  </i>GULL         GULL         <b>HAWK    </b>",
            "  0  -   0     30           35           40    ",
        } +
        emptyLines(17) + form;
    EXPECT_EQ(test::linesOf(report.pageMarkup(2)), week2);
    // Week 1's results are in, but a predictions report marks none of them.
    EXPECT_EQ(test::linesOf(report.pageMarkup(1))[3],
              "<i>ACES @ BULL  </i>BULL         <b>ACES    </b>     BULL    ");
    EXPECT_EQ(test::linesOf(report.pageText(3))[3], "NFC East     ACES                              ");
    EXPECT_EQ(test::linesOf(report.pageText(3))[17], "PredPoints   ________     ________     ________");
    const Lines charts = test::linesOf(report.pageText(4));
    EXPECT_EQ(charts.size(), 3u + 3 * 9 + 7); // no league chart
}

TEST_F(PredictionReport, CoverAndSectionsFollowTheKindAndTheRange) {
    const auto firstLine = [](const std::vector<PrintDocument>& docs) {
        return docs.front().pageText(0).front();
    };
    ReportChoice choice;
    choice.fromWeek = 0;
    choice.toWeek = 0;

    // A results report of the whole season has its cover; one of part of it does not, even covering the
    // whole season.
    p.currentWeek = 1;
    choice.toWeek = 1;
    choice.kind = KindResultsSeason;
    EXPECT_EQ(print(choice).front().pageCount(), 3);
    choice.kind = KindResultsRange;
    const auto range = print(choice);
    EXPECT_EQ(range.front().pageCount(), 2); // two weeks, the second on a new page
    EXPECT_EQ(firstLine(range), QStringLiteral("2024 VEK Season           Week 01"));

    // A predictions report of part of the season: no cover, no sections unless ticked.
    choice.kind = KindPredictions;
    choice.toWeek = 0;
    EXPECT_EQ(print(choice).front().pageCount(), 1);

    // Picks made week by week: no differences, whatever the box says.
    p.weeklyPicks = 1;
    choice.differences = true;
    EXPECT_EQ(print(choice).front().pageText(0).size(), 23 + 15);

    // No ledger before the NFC East winner is entered.
    choice.kind = KindResultsRange;
    choice.ledger = true;
    p.postSeasonResults[0] = p.noneCode();
    EXPECT_EQ(print(choice).front().pageCount(), 1);
}

TEST_F(PredictionReport, LedgerTotalsBelongToTheirMembersAfterASortedRun) {
    ReportChoice results = allSections(KindResultsRange, 0, 0);
    print(results);
    // A sorted listing or the standings window leaves week 1's rows in rank order: Bob, Cy, Ann.
    SortWeekStandings(p, 0);
    ASSERT_EQ(p.weekStandings[0][0].memberIndex, 1);
    ReportChoice predictions;
    predictions.kind = KindPredictions;
    predictions.ledger = true;
    const auto documents = print(predictions);
    const Lines ledger = test::linesOf(documents.front().pageText(1));
    EXPECT_EQ(ledger[17], "Total Points       -4            8           -4");

    // Without any week scored the totals are 0, never a read of week -1.
    p.currentWeek = -1;
    const Lines none = test::linesOf(print(predictions).front().pageText(1));
    EXPECT_EQ(none[17], "Total Points        0            0            0");
}

TEST_F(PredictionReport, LedgerRowsShowTheirOwnEventColumns) {
    // Ann's balance in each event column is the column's number + 1.
    for (int column = 0; column < LedgerEvents; ++column) {
        p.ledgerBalance[0][column] = static_cast<float>(column + 1);
    }
    ReportChoice choice;
    choice.kind = KindPredictions;
    choice.ledger = true;
    const auto documents = print(choice);
    ASSERT_EQ(documents.size(), 1u);
    const QStringList ledger = documents.front().pageText(1);
    // Monday Night stands between ">50% In Row" and "Post Season", although its column is the last.
    const std::vector<std::pair<const char*, int>> rows{
        {"Season       ", 0},  {"Season GB    ", 1}, {"Semi-Season  ", 2},  {"Semi-Ssn GB  ", 3},
        {"Quarter      ", 4},  {"Quarter GB   ", 5}, {"Good Weeks   ", 6},  {"Bad Weeks    ", 7},
        {"Perfect Wks  ", 8},  {"Wild Choice  ", 9}, {">50% In Row  ", 10}, {"Monday Night ", 13},
        {"Post Season  ", 11}, {"Championship ", 12}};
    ASSERT_GE(ledger.size(), 3 + static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        EXPECT_EQ(ledger[3 + static_cast<int>(r)].left(21).toStdString(),
                  rows[r].first + QStringLiteral("%1").arg(rows[r].second + 1, 8).toStdString());
    }

    // The sorted results' ledger table has the same order.
    for (int r = 0; r < 3; ++r) {
        p.weekStandings[0][r].memberIndex = static_cast<int16_t>(r);
    }
    const QStringList sorted = sortedLedgerText(p, 0);
    ASSERT_GE(sorted.size(), 6);
    EXPECT_EQ(sorted[5].toStdString(),
              "|Ann Avery|     1|    2|    3|   4|    5|   6|    7|    8|    9|   10|"
              "   11|   14|   12|   13|      0|");
}

TEST_F(PredictionReport, PostSeasonBlocksOfEveryGroupComeBeforeTheBigGameBlocks) {
    for (int m = 3; m < 16; ++m) {
        test::PoolBuilder(p).member(QStringLiteral("M%1").arg(m, 2, 10, QLatin1Char('0')), {});
    }
    ReportChoice choice;
    choice.kind = KindPredictions;
    choice.postSeason = true;
    const auto documents = print(choice);
    ASSERT_EQ(documents.size(), 1u);
    // The section titles, and each name line by its first member: two groups of eight, each titled once.
    std::vector<std::string> order;
    for (const QString& line : documents.front().allText()) {
        if (line.startsWith(QLatin1String("2024 VEK Season"))) {
            order.push_back(line.mid(16).trimmed().toStdString());
        } else if (line.startsWith(QLatin1String(" Conf-Div    ")) ||
                   (line.startsWith(QString(13, QLatin1Char(' '))) && line.at(13) != QLatin1Char(' '))) {
            order.push_back(line.left(21).trimmed().toStdString());
        }
    }
    EXPECT_EQ(order, (Lines{"Week 01", "Week 01", "Post Season", "Conf-Div    Ann Aver", "Conf-Div    M08",
                            "Big Game", "Ann Aver", "M08"}));
}

TEST_F(PredictionReport, LeadersComeFromEveryMember) {
    // Twelve members, and only the last one picked week 1's winners.
    for (int m = 3; m < 12; ++m) {
        test::PoolBuilder(p).member(QStringLiteral("M%1").arg(m, 2, 10, QLatin1Char('0')), {});
    }
    for (int m = 0; m < 12; ++m) {
        test::PoolBuilder(p).picks(m, 0, {test::NoPick, test::NoPick});
    }
    test::PoolBuilder(p).picks(11, 0, {0, 3});
    const auto documents = print(allSections(KindResultsRange, 0, 0));
    ASSERT_EQ(documents.size(), 1u);
    const QStringList page = documents.front().pageText(0);
    const auto behind = std::find_if(page.begin(), page.end(),
                                     [](const QString& line) { return line.startsWith("         gb  "); });
    ASSERT_NE(behind, page.end());
    // Cells of 8 places with gaps of 2: every member but the last is 2 games behind.
    EXPECT_EQ(behind->mid(13, 3), QStringLiteral("  2"));
    EXPECT_EQ(behind->mid(13 + 10 * 10, 3), QStringLiteral("  2"));
    EXPECT_EQ(behind->mid(13 + 11 * 10, 3), QStringLiteral("  0"));
}

// Week 3 lies outside every quarter and half: its quarter block reads the first quarter's tallies,
// and its leaders are the highest of those tallies in that week, not a leader carried over from the
// second quarter.
TEST(PredictionReportPeriods, AWeekOutsideEveryPeriodShowsItsOwnLeaders) {
    test::TempFolder temp;
    PoolSession session(temp.folder());
    PoolData& p = session.pool();
    test::PoolBuilder build(p);
    build.league({1, 1, 1, 1, 1, 1, 1, 1}).season(3, 2).fewestWeekGames(2).members(2).currentWeek(2);
    const int games[3][2][2] = {{{0, 1}, {2, 3}}, {{4, 5}, {6, 7}}, {{0, 2}, {1, 3}}};
    for (int w = 0; w < 3; ++w) {
        for (int g = 0; g < 2; ++g) {
            build.game(w, g, games[w][g][0], games[w][g][1]).result(w, g, games[w][g][0]); // away wins
        }
    }
    build.picks(0, 0, {1, 3}).picks(0, 1, {4, 6}).picks(0, 2, {2, 3}); // 0, 2 and 0 right
    build.picks(1, 0, {1, 3}).picks(1, 1, {5, 7}).picks(1, 2, {0, 3}); // 0, 0 and 1 right
    p.seasonYear = 2024;
    p.quarterFirstWeek = {0, 1, 9, 9};
    p.quarterLastWeek = {0, 1, 9, 9};
    p.halfFirstWeek = {0, 9};
    p.halfLastWeek = {1, 9};
    p.quarterPoints = 1;
    ReportChoice choice;
    choice.kind = KindResultsRange;
    choice.toWeek = 2;
    RecordingPrinter printer;
    PrintPredictionReport(session, printer, choice);
    ASSERT_EQ(printer.documents.size(), 1u);
    const PrintDocument& report = printer.documents.front();
    ASSERT_EQ(report.pageCount(), 3);
    const Lines week3 = test::linesOf(report.pageMarkup(2));
    ASSERT_GE(week3.size(), 26u);
    EXPECT_EQ(week3[0], "{16}<b>2024 VEK Season           Week 03        Qtr 1</b>");
    // Member 0 led the second quarter with 2; in the first quarter's tallies member 1 leads with 1.
    EXPECT_NE(week3[22].find("  0 [E]      <b>  1</b>"), std::string::npos) << week3[22];
    EXPECT_EQ(week3[23], "         gb    1          <b>  0     </b>");
}

TEST(PredictionReportGroups, TheLargestPoolPrintsEveryMember) {
    test::TempFolder temp;
    PoolSession session(temp.folder());
    test::PoolBuilder(session.pool()).league({4, 4, 4, 4, 4, 4, 4, 4}).season(1, 16).members(121);
    ReportChoice choice;
    choice.kind = KindPredictions;
    RecordingPrinter printer;
    PrintPredictionReport(session, printer, choice);
    ASSERT_EQ(printer.documents.size(), 1u);
    int headings = 0;
    int names = 0;
    for (const QString& line : printer.documents.front().allText()) {
        if (line.startsWith(QLatin1String("    Game     "))) {
            ++headings;
            names += static_cast<int>(line.count(QLatin1String("Member ")));
        }
    }
    EXPECT_EQ(headings, 9);
    EXPECT_EQ(names, 121);
}

} // namespace
} // namespace vek
