// One week of the pool worked out by hand (views/workedpool.h), in every output that shows it: the
// standings and ledger windows' figures, the printed prediction and result report, the sorted results on
// paper, as text and as HTML, and the results listing file must all give each member the same balance.
#include "engine/spreadwinners.h"
#include "reports/recordingprinter.h"
#include "reports/reportchoice.h"
#include "reports/reportdispatch.h"
#include "session/poolsession.h"
#include "support/tempfolder.h"
#include "views/standingsfigures.h"
#include "views/viewdata.h"
#include "views/workedpool.h"

#include <QRegularExpression>

#include <numeric>

#include <gtest/gtest.h>

namespace vek {
namespace {

using Figures = std::vector<std::pair<std::string, std::string>>; // (member, figure) in the order shown

/// The (name, number) pairs of the lines that `pattern` matches, in the order of the lines.
Figures pairs(const QStringList& lines, const QString& pattern) {
    const QRegularExpression re(pattern);
    Figures out;
    for (const QString& line : lines) {
        for (auto it = re.globalMatch(line); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            out.emplace_back(m.captured(1).toStdString(), m.captured(2).toStdString());
        }
    }
    return out;
}

class SameFigures : public ::testing::Test {
protected:
    /// Week 3 (0-based 2) of the worked pool: every result report of it, written or printed.
    void report(bool unsorted, bool toFile, bool html = false) {
        ReportChoice choice;
        choice.report = ReportOption::Results;
        choice.kind = KindResultsRange;
        choice.fromWeek = choice.toWeek = 2;
        choice.unsorted = unsorted;
        choice.ledger = true;
        choice.toFile = toFile;
        choice.html = html;
        choice.fileName = QStringLiteral("results.txt");
        ASSERT_TRUE(RunReportDispatch(session, choice, printer, [](const QString&) {}).ok);
    }
    QStringList printed() { return printer.documents.back().allText(); }
    QStringList written() {
        return QString::fromUtf8(temp.read(QStringLiteral("results.txt"))).split("\r\n");
    }

    test::TempFolder temp;
    PoolSession session{temp.folder()};
    PoolData& p = session.pool();
    RecordingPrinter printer;
};

TEST_F(SameFigures, EveryOutputShowsTheBalancesOfTheWeekUnderEveryScoring) {
    struct Case {
        int16_t confidence;
        int16_t system;
        Figures balances;                  // Ann, Bob, Cy: also their rank order after week 3
        std::array<std::string, 3> behind; // the games-behind points at stake: season, half, quarter
    };
    // Worked out by hand in views/workedpool_test.cpp: 67.5, 0.5 and -68 under the ledger, and so on.
    const Case cases[] = {
        {0, 0, {{"Ann", "68"}, {"Bob", "1"}, {"Cy", "-68"}}, {"9", "6", "3"}},
        {0, 1, {{"Ann", "49"}, {"Bob", "24"}, {"Cy", "0"}}, {"9", "6", "3"}},
        {0, 2, {{"Ann", "54"}, {"Bob", "29"}, {"Cy", "0"}}, {"9", "6", "3"}},
        // With confidence points games behind move no points: none are at stake.
        {2, 0, {{"Ann", "75"}, {"Bob", "-15"}, {"Cy", "-60"}}, {"0", "0", "0"}},
        {2, 1, {{"Ann", "45"}, {"Bob", "15"}, {"Cy", "0"}}, {"0", "0", "0"}},
        {2, 2, {{"Ann", "45"}, {"Bob", "15"}, {"Cy", "0"}}, {"0", "0", "0"}},
    };
    const QString sortedRow = QStringLiteral(R"(^\|.{3}\|(\w+) +\|.*\| *(-?\d+)\|$)");
    const QString ledgerRow = QStringLiteral(R"(^\|(\w+) +\|.*\| *(-?\d+)\|$)");
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "confidence " << c.confidence << " system " << c.system);
        test::buildWorkedPool(p, c.confidence, c.system);

        // The windows: the standings grid's rows, and the ledger's total of each member.
        scoreSortedStandings(session);
        const WeekPeriods periods = periodsOfWeek(p, 2);
        const WeekLeaders leaders = leadersOfWeek(p, 2, periods);
        Figures grid;
        Figures ledger;
        for (int r = 0; r < p.memberCount(); ++r) {
            const StandingsLine line = standingsLine(p, 2, r, periods, PeriodKind::Quarter, leaders);
            grid.emplace_back(p.memberName[line.member].toStdString(),
                              balanceText(line.balance).toStdString());
            const LedgerLine columns = ledgerLine(p, r);
            ledger.emplace_back(p.memberName[r].toStdString(), balanceText(columns.total).toStdString());
            // The ledger's columns add up to the balance.
            EXPECT_NEAR(std::accumulate(columns.balance.begin(), columns.balance.end(), 0.0), columns.total,
                        1e-3);
        }
        EXPECT_EQ(grid, c.balances);
        EXPECT_EQ(ledger, c.balances);
        const GamesBehindTotals behind = gamesBehindTotals(p, 2, periods, leaders);
        EXPECT_EQ((std::array{std::to_string(behind.season), std::to_string(behind.half),
                              std::to_string(behind.quarter)}),
                  c.behind);

        report(true, false); // the prediction and result report: the balances in member order
        const QStringList values = printed()
                                       .filter(QRegularExpression(QStringLiteral("^    Balance  ")))
                                       .value(0)
                                       .mid(13)
                                       .split(' ', Qt::SkipEmptyParts);
        Figures cells;
        for (std::size_t m = 0; m < c.balances.size() && m < std::size_t(values.size()); ++m) {
            cells.emplace_back(c.balances[m].first, values[qsizetype(m)].toStdString());
        }
        EXPECT_EQ(cells, c.balances);
        EXPECT_EQ(pairs(printed(), QStringLiteral(R"(\|(\w+) GB tot: *(\d+))")),
                  (Figures{{"Season", c.behind[0]}, {"Half", c.behind[1]}, {"Qtr", c.behind[2]}}));

        report(false, false); // the sorted results on paper: the standings, then the ledger table
        EXPECT_EQ(pairs(printed(), sortedRow), c.balances);
        EXPECT_EQ(pairs(printed(), ledgerRow), c.balances);
        report(false, true);
        EXPECT_EQ(pairs(written(), sortedRow), c.balances);
        EXPECT_EQ(pairs(written(), QStringLiteral(R"(^([\w-]+) +: (\d+)$)")),
                  (Figures{{"Season", c.behind[0]}, {"Semi-Season", c.behind[1]}, {"Quarter", c.behind[2]}}));
        EXPECT_EQ(pairs(written(), ledgerRow), c.balances);
        report(false, true, true);
        EXPECT_EQ(
            pairs(written(),
                  QStringLiteral(R"(^<tr><td align=right>.{3}</td><td>(\w+) *</td>.*>\s*(-?\d+)</td>$)")),
            c.balances);
        report(true, true); // the results listing: three balances to a line under their heading
        const QStringList listing = written();
        const auto heading = listing.indexOf(QRegularExpression(QStringLiteral(" +Point Balances")));
        EXPECT_EQ(pairs(listing.mid(heading), QStringLiteral(R"((\w+) +(-?\d+) )")), c.balances);
    }
}

TEST_F(SameFigures, ResultsReportsCountOnTheWinnersAgainstTheSpreadOfTheWeekJustEntered) {
    const auto enterWeek3 = [this] {
        test::buildWorkedPool(p);
        p.usePointSpreads = True16;
        // Scores that give each game its straight-up result in even games: the spread changes nothing.
        const int16_t scores[3][2][2] = {{{21, 14}, {10, 17}}, {{20, 20}, {24, 3}}, {{7, 13}, {30, 27}}};
        for (int w = 0; w < 3; ++w) {
            for (int g = 0; g < 2; ++g) {
                p.gameScore[w][g] = {scores[w][g][0], scores[w][g][1]};
            }
        }
        // Weeks 1 and 2 were saved; week 3's results are entered but not saved yet, so its winners
        // against the spread were never worked out.
        p.currentWeek = 1;
        CalcSpreadWinners(p);
        p.currentWeek = 2;
    };
    enterWeek3();
    report(true, false);
    EXPECT_TRUE(printed().contains(QStringLiteral("     Season    4            4            1 [E] ")));
    enterWeek3();
    report(true, true);
    EXPECT_TRUE(written().contains(QStringLiteral("Season         4    4    1")));
}

} // namespace
} // namespace vek
