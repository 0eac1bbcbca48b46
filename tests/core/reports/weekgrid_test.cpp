// The game grid of a week page, worked out by hand on the small pool.
#include "handpool.h"
#include "reportlines.h"
#include "reports/recordingprinter.h"
#include "reports/reportchoice.h"
#include "reports/weekgrid.h"
#include "reports/weekpage.h"
#include "reports/weektitle.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

class WeekGrid : public ::testing::Test {
protected:
    WeekGrid() {
        for (int w = 0; w < 2; ++w) {
            for (int m = 0; m < 3; ++m) {
                p.weekStandings[w][m].memberIndex = static_cast<int16_t>(m);
            }
        }
        p.weekStandings[0][1].eventFlags = eventbit::GoodWeek; // Bob won an event in week 1
    }

    std::vector<std::string> grid(int16_t kind, int week) {
        const WeekPage page{p, kind, week, {0, 2}, 5, 8, {}, {}};
        RecordingPrinter printer;
        PrintWeekGrid(printer, page);
        printer.endDocument();
        EXPECT_EQ(printer.documents.size(), 1u);
        return test::linesOf(printer.documents.front().pageMarkup(0));
    }

    std::unique_ptr<PoolData> pool = test::handPool();
    PoolData& p = *pool;
};

TEST_F(WeekGrid, ResultsMarkWinnersRightPicksAndEventWinners) {
    const auto lines = grid(KindResultsRange, 0);
    ASSERT_EQ(lines.size(), 23u); // title, heading, empty line, 2 games, Monday night, 17 lines to 19
    EXPECT_EQ(lines[0], "{16}<b>2024 VEK Season           Week 01</b>");
    EXPECT_EQ(lines[1], "{7.2}<b>    Game     Ann Aver     </b><u><b>Bob     </b></u><b>     Cy Yates </b>");
    EXPECT_EQ(lines[2], std::string());
    // ACES won; Bob's unique pick of ACES is bold; the loser is italic.
    EXPECT_EQ(lines[3], "<b>ACES</b> @ <i>BULL  </i>BULL         <b>ACES(w) </b>     BULL    ");
    // The away team's italic carries over " @ "; Ann's unique pick is bold though wrong.
    EXPECT_EQ(lines[4], "<i>CATS @ </i><b>DOGS  CATS    </b>     DOGS(w)      DOGS(w) ");
    EXPECT_EQ(lines[5], " 20  -  24     40           45           50    ");
    for (std::size_t line = 6; line < 23; ++line) {
        EXPECT_EQ(lines[line], std::string()) << line;
    }
}

TEST_F(WeekGrid, PredictionsShowConfidencePointsAndNoMarks) {
    p.confidenceMode = 2;
    const auto lines = grid(KindPredictions, 1);
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[0], "{16}<b>2024 VEK Season           Week 02</b>");
    EXPECT_EQ(lines[1], "{7.2}<b>    Game     Ann Aver     Bob          Cy Yates </b>");
    EXPECT_EQ(lines[3], "<i>ELKS @ FOXS  </i>ELKS 02      <b>FOXS 01 </b>     ELKS 02 ");
    EXPECT_EQ(lines[4], "<i>GULL @ HAWK  </i>GULL 01      GULL 02      <b>HAWK 01 </b>");
    EXPECT_EQ(lines[5], "  0  -   0     30           35           40    ");
}

TEST_F(WeekGrid, SpreadsDecideAndPushesMakeBothTeamsBold) {
    p.usePointSpreads = True16;
    p.spreadWinner[0][0] = p.tieCode(); // a push
    p.spreadWinner[0][1] = 2;           // CATS covered though DOGS won
    p.quarterPoints = 5;
    p.halfGbPoints = 1;
    p.confidenceMode = 1;
    const auto lines = grid(KindResultsRange, 0);
    EXPECT_EQ(lines[0], "{16}<b>2024 VEK Season vs spread Week 01    End Qtr 1    End Half 1</b>");
    EXPECT_EQ(lines[3], "<b>ACES</b> @ <b>BULL  </b>BULL         <b>ACES    </b>     BULL    ");
    EXPECT_EQ(lines[4], "<b>CATS</b> @ <i>DOGS  </i><b>CATSw-01</b>     DOGS         DOGS    ");

    p.mnTieBreaker = 0; // no Monday-night line: the rows go straight on to the blank lines
    const auto without = grid(KindResultsRange, 0);
    ASSERT_EQ(without.size(), 22u);
    EXPECT_EQ(without[5], std::string());
}

TEST_F(WeekGrid, AMissingPickIsNeverRight) {
    p.memberPicks[1][0][0] = p.noneCode(); // Ann did not pick week 2's first game, still without result
    p.weekStandings[1][1].eventFlags = 0;
    const auto lines = grid(KindResultsRange, 1);
    EXPECT_EQ(lines[3], "<i>ELKS @ FOXS  </i>             <b>FOXS    </b>     ELKS    ");
}

// The title names the quarter and the half and says which week ends them, in either half.
TEST(WeekTitle, EndOfEveryQuarterAndHalf) {
    auto pool = test::handPool();
    PoolData& p = *pool;
    p.numWeeks = 8;
    p.quarterPoints = 1;
    p.halfGbPoints = 1;
    test::PoolBuilder(p).periods({4, 4}, {2, 2, 2, 2});
    const std::vector<std::pair<int, std::string>> titles{
        {0, "Week 01        Qtr 1        Half 1"}, {1, "Week 02    End Qtr 1        Half 1"},
        {3, "Week 04    End Qtr 2    End Half 1"}, {4, "Week 05        Qtr 3        Half 2"},
        {5, "Week 06    End Qtr 3        Half 2"}, {7, "Week 08    End Qtr 4    End Half 2"}};
    for (const auto& [week, title] : titles) {
        EXPECT_EQ(printedWeekTitle(p, week, periodsOfWeek(p, week)).toStdString(),
                  "2024 VEK Season           " + title);
    }
}

} // namespace
} // namespace vek
