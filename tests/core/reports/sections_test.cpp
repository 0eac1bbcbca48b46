// The differences, post-season and Big Game sections, worked out by hand on the small pool.
#include "handpool.h"
#include "reportlines.h"
#include "reports/differencessection.h"
#include "reports/postseasonsection.h"
#include "reports/recordingprinter.h"
#include "reports/reportchoice.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace vek {
namespace {

/// The pages of one section printed on its own, as marked-up lines.
std::vector<std::vector<std::string>> pagesOf(const std::function<void(ReportPrinter&)>& section) {
    RecordingPrinter printer;
    section(printer);
    printer.endDocument();
    std::vector<std::vector<std::string>> pages;
    for (const PrintDocument& document : printer.documents) {
        for (int page = 0; page < document.pageCount(); ++page) {
            pages.push_back(test::linesOf(document.pageMarkup(page)));
        }
    }
    return pages;
}

const std::string Gap49(49, ' ');

TEST(DifferencesSection, ThreeMembersSideBySide) {
    auto pool = test::handPool();
    // A predictions report of week 1: the whole season and week 1 alone.
    auto pages = pagesOf([&](ReportPrinter& p) { PrintDifferences(p, *pool, 0, KindPredictions, 0); });
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<std::string> predictions{
        "{7.2}<b>Season Differences" + Gap49 + "Week Differences</b>",
        "+--------+---+---+" + Gap49 + "+--------+---+---+",
        "|Between |Ann|Bob|" + Gap49 + "|Between |Ann|Bob|",
        "+--------+---+---+" + Gap49 + "+--------+---+---+",
        "|Bob     |  3|   |" + Gap49 + "|Bob     |  2|   |",
        "|Cy Yates|  2|  3|" + Gap49 + "|Cy Yates|  1|  1|",
        "+--------+---+---+" + Gap49 + "+--------+---+---+",
    };
    EXPECT_EQ(pages[0], predictions);

    // A results report of week 1 looks ahead: the rest of the season and the next week are week 2.
    pages = pagesOf([&](ReportPrinter& p) { PrintDifferences(p, *pool, 0, KindResultsRange, 0); });
    EXPECT_EQ(pages[0][0], "{7.2}<b>Season Differences" + Gap49 + "Next Week Differences</b>");
    EXPECT_EQ(pages[0][4], "|Bob     |  1|   |" + Gap49 + "|Bob     |  1|   |");
    EXPECT_EQ(pages[0][5], "|Cy Yates|  1|  2|" + Gap49 + "|Cy Yates|  1|  2|");

    // The season's last week: nothing is left, and no week follows.
    pages = pagesOf([&](ReportPrinter& p) { PrintDifferences(p, *pool, 0, KindResultsSeason, 1); });
    EXPECT_EQ(pages[0][4], "|Bob     |  0|   |" + Gap49 + "|Bob     |   |   |");
    EXPECT_EQ(pages[0][5], "|Cy Yates|  0|  0|" + Gap49 + "|Cy Yates|   |   |");

    // One member: the title alone, still bold.
    pool->numMembers = 1;
    pages = pagesOf([&](ReportPrinter& p) { PrintDifferences(p, *pool, 0, KindPredictions, 0); });
    EXPECT_EQ(pages[0], (std::vector<std::string>{"{7.2}<b>Season Differences" + std::string(8 + 57, ' ') +
                                                  "Week Differences</b>"}));
}

TEST(DifferencesSection, ColumnHeadingsTakeThreeCharacterPlaces) {
    // Cut or padded to three characters, an emoji counting as one, so the later headings stay in line.
    const std::string smile = "\xF0\x9F\x98\x80";
    const std::pair<std::string, std::string> cases[] = {
        {"Al", "Al "}, {"Margaret", "Mar"}, {smile + "a", smile + "a "}, {"Jo" + smile + "e", "Jo" + smile}};
    auto pool = test::handPool();
    for (const auto& [name, heading] : cases) {
        pool->memberName[0] = QString::fromStdString(name);
        const auto pages =
            pagesOf([&](ReportPrinter& p) { PrintDifferences(p, *pool, 0, KindPredictions, 0); });
        const std::string table = "|Between |" + heading + "|Bob|";
        EXPECT_EQ(pages[0][2], table + Gap49 + table) << name;
    }
}

TEST(DifferencesSection, OneTablePerCallFrom16To30MembersNoneBeyond) {
    auto pool = test::newPool();
    test::PoolBuilder(*pool).league({4, 4, 4, 4, 4, 4, 4, 4}).season(2, 2).members(16);
    pool->memberName[0] = QStringLiteral("Al");
    auto pages = pagesOf([&](ReportPrinter& p) { PrintDifferences(p, *pool, 0, KindPredictions, 0); });
    ASSERT_EQ(pages[0].size(), 1u + 3 + 15 + 1);
    EXPECT_EQ(pages[0][0], "{7.2}<b>Season Differences</b>");
    EXPECT_EQ(pages[0][1].size(), 4u * 16 + 6);
    EXPECT_EQ(pages[0][2].substr(0, 17), "|Between |Al |Mem");
    pages = pagesOf([&](ReportPrinter& p) { PrintDifferences(p, *pool, 1, KindPredictions, 0); });
    EXPECT_EQ(pages[0][0], "{7.2}<b>Week Differences  </b>");
    pages = pagesOf([&](ReportPrinter& p) { PrintDifferences(p, *pool, 1, KindResultsRange, 0); });
    EXPECT_EQ(pages[0][0], "{7.2}<b>Next Week Differences</b>");

    test::PoolBuilder(*pool).members(31);
    EXPECT_TRUE(
        pagesOf([&](ReportPrinter& p) { PrintDifferences(p, *pool, 0, KindPredictions, 0); }).empty());
}

class PostSeasonSections : public ::testing::Test {
protected:
    PostSeasonSections() {
        // NFC East to West won by ACES, BULL, CATS, DOGS; one NFC wild card (ELKS) and the Big Game
        // (ACES) in; the AFC still open.
        for (int slot = 0; slot < 4; ++slot) {
            p.postSeasonResults[slot] = static_cast<int16_t>(slot);
        }
        p.postSeasonResults[8] = 4;
        p.postSeasonResults[12] = 0;
        p.postSeasonPicks[0][0] = 0;  // Ann: NFC East ACES, right
        p.postSeasonPicks[1][0] = 2;  // Ann: NFC North CATS, who won the NFC South
        p.postSeasonPicks[8][0] = 1;  // Ann: wild card BULL, who won the NFC North
        p.postSeasonPicks[12][0] = 0; // Ann: Big Game ACES, right
        p.postSeasonPicks[0][1] = 1;  // Bob: NFC East BULL, who won the NFC North
        p.postSeasonPicks[4][1] = 7;  // Bob: AFC East HAWK, not decided
        p.postSeasonPicks[12][1] = 1; // Bob: Big Game BULL, wrong
        WeekStanding& ann = p.weekStandings[1][0];
        ann.eventFlags = eventbit::PostSeason | eventbit::Championship;
        ann.postSeasonScore = 70;
        p.weekStandings[1][1].memberIndex = 1;
        p.weekStandings[1][1].postSeasonScore = 15;
        p.weekStandings[1][2].memberIndex = 2;
    }

    // The section after a line of the report before it.
    std::vector<std::vector<std::string>> section(bool bigGame, int16_t kind, int groupIndex = 0) {
        const PostSeasonColumns columns{kind, groupIndex, {0, 2}, 8, 5};
        auto pages = pagesOf([&](ReportPrinter& printer) {
            printer.printLine(QStringLiteral("before"));
            bigGame ? PrintBigGame(printer, p, columns) : PrintPostSeason(printer, p, columns);
        });
        pages.front().erase(pages.front().begin());
        return pages;
    }

    std::unique_ptr<PoolData> pool = test::handPool();
    PoolData& p = *pool;
};

const std::string NoPicks(34, ' '); // three empty cells and two gaps

TEST_F(PostSeasonSections, ResultsMarkRightPicksByAnySlotAndTheWinners) {
    const auto pages = section(false, KindResultsRange);
    ASSERT_EQ(pages.size(), 2u);   // the first group starts a new page
    EXPECT_TRUE(pages[0].empty()); // nothing but the line before
    const std::vector<std::string> expected{
        "{16}<b>2024 VEK Season         Post Season</b>",
        "{7.2}<b> Conf-Div    </b><u><b>Ann Aver</b></u><b>     Bob          Cy Yates</b>",
        "",
        "<b>NFC East     </b>ACES(w)      BULL(w)              ",
        "<b>NFC North    </b>CATS(w)                           ",
        "<b>NFC South    </b>" + NoPicks,
        "<b>NFC.West     </b>" + NoPicks,
        "<b>AFC East     </b>             HAWK                 ",
        "<b>AFC North    </b>" + NoPicks,
        "<b>AFC South    </b>" + NoPicks,
        "<b>AFC West     </b>" + NoPicks,
        "<b>NFC WildCard </b>BULL(w)                           ",
        "<b>NFC WildCard </b>" + NoPicks,
        "<b>AFC WildCard </b>" + NoPicks,
        "<b>AFC WildCard </b>" + NoPicks,
        "",
        "",
        "<b>PredPoints        70</b>          15           0",
        "",
    };
    EXPECT_EQ(pages[1], expected);

    const auto bigGame = section(true, KindResultsRange);
    ASSERT_EQ(bigGame.size(), 1u); // no new page
    const std::vector<std::string> big{
        "{16}<b>2024 VEK Season         Big Game  </b>",
        "{7.2}             <u><b>Ann Aver</b></u><b>     Bob          Cy Yates</b>",
        "",
        "<b>Big Game     </b>ACES(w)      BULL                 ",
        "",
        "",
    };
    EXPECT_EQ(bigGame[0], big);
}

TEST_F(PostSeasonSections, PredictionsAreAFormAndLaterGroupsHaveNoTitle) {
    const auto pages = section(false, KindPredictions, 1);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0][0], "{7.2}<b> Conf-Div    Ann Aver     Bob          Cy Yates</b>");
    EXPECT_EQ(pages[0][2], "<b>NFC East     </b>ACES         BULL                 ");
    EXPECT_EQ(pages[0][16], "<b>PredPoints   </b>________     ________     ________");

    const auto bigGame = section(true, KindPredictions, 1);
    EXPECT_EQ(bigGame[0][0], "{7.2}             <b>Ann Aver     Bob          Cy Yates</b>");
    EXPECT_EQ(bigGame[0][2], "<b>Big Game     </b>ACES         BULL                 ");
}

TEST_F(PostSeasonSections, RecordsAreFoundByMemberInASortedWeek) {
    // A sorted listing left the last week's rows in rank order: Ann's record in row 2.
    std::swap(p.weekStandings[1][0], p.weekStandings[1][2]);
    const auto pages = section(false, KindResultsRange);
    EXPECT_EQ(pages[1][1],
              "{7.2}<b> Conf-Div    </b><u><b>Ann Aver</b></u><b>     Bob          Cy Yates</b>");
    EXPECT_EQ(pages[1][17], "<b>PredPoints        70</b>          15           0");
}

TEST_F(PostSeasonSections, ASeasonWithoutWeeksReadsNoRecord) {
    p.numWeeks = 0; // the last week would be week -1
    const auto pages = section(false, KindResultsRange);
    EXPECT_EQ(pages[1][17], "<b>PredPoints   </b>      0           0           0");
}

} // namespace
} // namespace vek
