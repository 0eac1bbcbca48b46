// The standings rows of a week page from records set by hand.
#include "handpool.h"
#include "reportlines.h"
#include "reports/recordingprinter.h"
#include "reports/reportchoice.h"
#include "reports/standingsrows.h"
#include "reports/weekpage.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

class WeekPageStandings : public ::testing::Test {
protected:
    WeekPageStandings() {
        p.wildChoicePoints = 0;
        for (int m = 0; m < 3; ++m) {
            rec(m).memberIndex = static_cast<int16_t>(m);
        }
        // Ann has no decided pick yet and is out of the season contest; Bob leads the wins, Cy the points.
        rec(0).elimFlags = elim::SeasonOut;
        rec(1).seasonWins = 2;
        rec(1).seasonCp = 15;
        rec(1).weekCp = 15;
        rec(2).seasonWins = 1;
        rec(2).seasonLosses = 1;
        rec(2).seasonCp = 20;
        rec(2).weekCp = 20;
        rec(2).eventFlags = eventbit::GoodWeek;
        rec(0).pointsTotal = -3.6;
        rec(1).pointsTotal = 12.5;
        rec(2).pointsTotal = 0.4;
    }

    WeekStanding& rec(int m) { return p.weekStandings[0][m]; }

    std::vector<std::string> rows() {
        const WeekPeriods periods;
        const WeekPage page{p, KindResultsRange, 0, {0, 2}, 5, 8, periods, leadersOfWeek(p, 0, periods)};
        RecordingPrinter printer;
        printer.setFontSize(7.2);
        PrintStandingsRows(printer, page, gamesBehindTotals(p, 0, periods, page.leaders));
        printer.endDocument();
        return test::linesOf(printer.documents.front().pageMarkup(0));
    }

    std::unique_ptr<PoolData> pool = test::handPool();
    PoolData& p = *pool;
};

TEST_F(WeekPageStandings, WinningPercentBlankWithoutDecidedPicksAndBalancesBoldAboveZero) {
    const auto lines = rows();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "{7.2}<b>     Season  </b>  0 [E]      <b>  2</b>            1     ");
    EXPECT_EQ(lines[2], "  winning %               <b>100.0%  </b>      50.0%  ");
    // -3.6 shows -4, plain; 12.5 rounds away from zero and is bold; 0.4 shows 0, plain.
    EXPECT_EQ(lines[5], "<b>    Balance  </b>     -4      <b>     13 </b>           0 ");
    EXPECT_EQ(lines[7], "|" + std::string(20, ' ') + "|" + std::string(20, ' ') + "|" + std::string(20, ' ') +
                            "|" + std::string(20, ' ') + "|");
}

TEST_F(WeekPageStandings, ConfidencePointsReplaceTheMarksAndThePercent) {
    p.confidenceMode = 1;
    const auto lines = rows();
    EXPECT_EQ(lines[0], "{7.2}<b>     Season  </b>  0          <b>  2</b>            1     ");
    EXPECT_EQ(lines[2], "Conf Points     0           15         <b>  20    </b>");
    // The week's points row comes whether or not the week events are in use; the good week is bold.
    EXPECT_EQ(lines[4], "Conf Points    0           15          <b> 20     </b>");
}

} // namespace
} // namespace vek
