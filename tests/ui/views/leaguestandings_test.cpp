// The standings window: opened from the main window on the worked pool, its lines, colours, totals and
// side panels; the week, period and member choosers; paging through the largest pool.
#include "views/leaguestandings.h"

#include "support/poolbuilder.h"
#include "support/viewtest.h"
#include "views/workedpool.h"
#include "widgets/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace vek {
namespace {

using test::Ann;
using test::Bob;
using namespace colours;
using controls::Navy;
using test::control;
using test::Cy;
using test::labelText;
using test::shown;

class StandingsWindowTest : public ::testing::Test {
protected:
    LeagueStandings& open() { return test::reopen<LeagueStandings>(h); }
    /// The texts of one grid line, Odds to Balance.
    QStringList line(const QWidget& w, int i) {
        QStringList texts;
        for (const char* box : {"OddsBox", "MemBox", "SWBox", "SLBox", "SPBox", "SGBBox", "SETBox", "QHWBox",
                                "QHLBox", "QHPBox", "QHGBBox", "QHETBox", "WWBox", "WLBox", "PtsBox"}) {
            texts << labelText(w, QString::fromLatin1(box) + QString::number(i));
        }
        return texts;
    }

    /// The worked pool played to the season's end: week 4 won by T5 and T2, so that Bob takes the Wild
    /// Choices, the Monday nights and the run above 50%; Ann called the NFC East winner (the post season),
    /// Bob the Big Game.
    void finishSeason() {
        PoolData& p = h.pool();
        p.gameWinner[3] = {5, 2};
        p.currentWeek = 3;
        p.over50Points = 10;
        p.postSeasonPoints = 10;
        p.bigGamePoints = 10;
        p.divWinnerPoints[0] = 5;
        p.postSeasonResults[0] = 0;
        p.postSeasonPicks[0][Ann] = 0;
        p.postSeasonResults[PostSeasonSlots - 1] = 6;
        p.postSeasonPicks[PostSeasonSlots - 1][Bob] = 6;
    }
    /// A name box's name: its tip holds the whole name when the box shows it cut.
    static QString wholeName(const QLabel* box) {
        return box->toolTip().isEmpty() ? box->text() : box->toolTip();
    }

    test::UiHarness h;
};

TEST_F(StandingsWindowTest, OpensFromTheMainWindowOnTheWorkedPool) {
    test::buildWorkedPool(h.pool());
    test::lookFromMainWindow(h, "cmdStandings", [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Pool Standings  (by Win/Loss Records)"));
        EXPECT_EQ(labelText(w, QStringLiteral("AsOfWeekBox")), QStringLiteral("3"));
        EXPECT_EQ(control<QGroupBox>(w, QStringLiteral("QtrHalfFrame"))->title(),
                  QStringLiteral("End 3rd Quarter"));
        EXPECT_EQ(control<QGroupBox>(w, QStringLiteral("seasonFrame"))->title(), QStringLiteral("Season"));
        // Odds, name, season W L % gb e/t, quarter W L % gb e/t, week W L, balance.
        EXPECT_EQ(line(w, 0), (QStringList{"4/5", "Ann", "4", "2", "0.667", "0", " ", "1", "1", "0.500", "1",
                                           "E", "1", "1", "68"}));
        EXPECT_EQ(line(w, 1).mid(1), (QStringList{"Bob", "4", "2", "0.667", "0", " ", "2", "0", "1.000", "0",
                                                  " ", "2", "0", "1"}));
        EXPECT_EQ(line(w, 2).mid(1), (QStringList{"Cy", "1", "5", "0.167", "3", "E", "0", "2", "0.000", "2",
                                                  "E", "0", "2", "-68"}));
        // Bob won the Good Week and the quarter: name, quarter and week boxes white on red.
        for (const char* name : {"MemBox1", "QHWBox1", "QHGBBox1", "WWBox1", "WLBox1"}) {
            const auto* box = control<QLabel>(w, QString::fromLatin1(name));
            EXPECT_EQ(test::back(box), Red) << name;
            EXPECT_EQ(test::fore(box), White) << name;
        }
        EXPECT_EQ(test::fore(control<QLabel>(w, QStringLiteral("SWBox1"))), Black);
        EXPECT_EQ(test::fore(control<QLabel>(w, QStringLiteral("MemBox0"))), Black);
        EXPECT_EQ(test::fore(control<QLabel>(w, QStringLiteral("PtsBox0"))), Navy);
        EXPECT_EQ(test::fore(control<QLabel>(w, QStringLiteral("PtsBox2"))), Red);
        // Totals and the games-behind points.
        EXPECT_EQ(labelText(w, QStringLiteral("SWtotBox")), QStringLiteral("9"));
        EXPECT_EQ(labelText(w, QStringLiteral("SPtotBox")), QStringLiteral("0.500"));
        EXPECT_EQ(labelText(w, QStringLiteral("SGBtotBox")), QStringLiteral("9"));
        EXPECT_EQ(labelText(w, QStringLiteral("QHGBtotBox")), QStringLiteral("3"));
        EXPECT_EQ(labelText(w, QStringLiteral("WWtotBox")), QStringLiteral("3"));
        // Lines 3..11 have no member; three members leave nothing to page.
        EXPECT_FALSE(shown(control<QLabel>(w, QStringLiteral("MemBox3"))));
        EXPECT_FALSE(control<QScrollBar>(w, QStringLiteral("MemScroll"))->isEnabled());
        // Side panels: differences of members 0 and the default member 0's neighbour 1; the events
        // without points have no panel.
        EXPECT_EQ(labelText(w, QStringLiteral("DiffMem1Box")), QStringLiteral("Ann"));
        EXPECT_EQ(labelText(w, QStringLiteral("DiffMem2Box")), QStringLiteral("Bob"));
        EXPECT_EQ(labelText(w, QStringLiteral("SDiffBox")), QStringLiteral("2"));
        EXPECT_EQ(labelText(w, QStringLiteral("HDiffBox")), QStringLiteral("2"));
        EXPECT_EQ(labelText(w, QStringLiteral("WDiffBox")), QStringLiteral("2"));
        EXPECT_EQ(labelText(w, QStringLiteral("WCWBox")), QStringLiteral("0"));
        EXPECT_EQ(labelText(w, QStringLiteral("WCETBox")), QStringLiteral("T"));
        EXPECT_EQ(labelText(w, QStringLiteral("MNLBox")), QStringLiteral("1"));
        EXPECT_EQ(test::fore(control<QLabel>(w, QStringLiteral("MNWBox"))), Blue);
        EXPECT_FALSE(shown(control<QGroupBox>(w, QStringLiteral("Over500Frame"))));
        EXPECT_FALSE(shown(control<QGroupBox>(w, QStringLiteral("PSFrame"))));
        EXPECT_TRUE(shown(control<QGroupBox>(w, QStringLiteral("frmDiff"))));
    });
}

TEST_F(StandingsWindowTest, WeekPeriodAndMemberChoosers) {
    test::buildWorkedPool(h.pool());
    h.pool().defaultMember = Ann + 7; // outside the member list: member 0
    LeagueStandings& w = open();
    EXPECT_EQ(labelText(w, QStringLiteral("WCmemBox")), QStringLiteral("Ann"));

    // Week 2 closes the first half: in half mode Ann's half boxes are the winner's.
    control<QSpinBox>(w, QStringLiteral("scrWeek"))->setValue(1);
    EXPECT_EQ(labelText(w, QStringLiteral("AsOfWeekBox")), QStringLiteral("2"));
    EXPECT_EQ(control<QGroupBox>(w, QStringLiteral("QtrHalfFrame"))->title(),
              QStringLiteral("End 2nd Quarter"));
    control<QPushButton>(w, QStringLiteral("cmdHalf"))->click();
    EXPECT_EQ(control<QGroupBox>(w, QStringLiteral("QtrHalfFrame"))->title(), QStringLiteral("End 1st Half"));
    EXPECT_EQ(labelText(w, QStringLiteral("QHWBox0")), QStringLiteral("3"));
    EXPECT_EQ(test::back(control<QLabel>(w, QStringLiteral("QHWBox0"))), Red);
    EXPECT_EQ(labelText(w, QStringLiteral("QHGBtotBox")), QStringLiteral("6"));
    EXPECT_EQ(labelText(w, QStringLiteral("HDiffBox")), QStringLiteral("0"));
    EXPECT_EQ(labelText(w, QStringLiteral("SDiffBox")), QStringLiteral("3"));

    // The period mode lives on with the window.
    open();
    EXPECT_EQ(control<QGroupBox>(w, QStringLiteral("QtrHalfFrame"))->title(), QStringLiteral("2nd Half"));

    // The Differences choosers never show one member twice: moving the first onto the second moves it
    // on to the member after.
    auto* first = control<QSpinBox>(w, QStringLiteral("scrDiffMem1"));
    first->setValue(1);
    EXPECT_EQ(first->value(), 2);
    EXPECT_EQ(labelText(w, QStringLiteral("DiffMem1Box")), QStringLiteral("Cy"));
    EXPECT_EQ(labelText(w, QStringLiteral("SDiffBox")),
              QStringLiteral("1")); // Bob and Cy differ once in week 4

    control<QSpinBox>(w, QStringLiteral("scrMNmem"))->setValue(Cy);
    EXPECT_EQ(labelText(w, QStringLiteral("MNmemBox")), QStringLiteral("Cy"));
    EXPECT_EQ(labelText(w, QStringLiteral("MNETBox")), QStringLiteral("E"));
}

TEST_F(StandingsWindowTest, EventsWithoutPointsHideTheirFramesAndColumns) {
    test::buildWorkedPool(h.pool());
    finishSeason();
    const struct {
        int32_t season, seasonGb, postSeason, bigGame;
        bool seasonShown, postSeasonShown, pointsShown, bigGameShown;
    } cases[] = {
        {50, 3, 10, 10, true, true, true, true},
        {0, 0, 10, 0, false, true, true, false},
        {0, 3, 0, 10, true, true, false, true},
        {50, 0, 0, 0, true, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.season << " " << c.seasonGb << " " << c.postSeason << " " << c.bigGame);
        PoolData& p = h.pool();
        p.seasonPoints = c.season;
        p.seasonGbPoints = c.seasonGb;
        p.postSeasonPoints = c.postSeason;
        p.bigGamePoints = c.bigGame;
        LeagueStandings& w = open();
        EXPECT_EQ(shown(control<QGroupBox>(w, QStringLiteral("seasonFrame"))), c.seasonShown);
        EXPECT_EQ(shown(control<QGroupBox>(w, QStringLiteral("SeasonTotalFrame"))), c.seasonShown);
        EXPECT_EQ(shown(control<QGroupBox>(w, QStringLiteral("PSFrame"))), c.postSeasonShown);
        if (c.postSeasonShown) {
            EXPECT_EQ(shown(control<QLabel>(w, QStringLiteral("PSWBox"))), c.pointsShown);
            EXPECT_EQ(shown(control<QLabel>(w, QStringLiteral("SBBox"))), c.bigGameShown);
        }
    }
}

TEST_F(StandingsWindowTest, SidePanelsMarkEachEventsWinner) {
    test::buildWorkedPool(h.pool());
    finishSeason();
    LeagueStandings& w = open();
    const struct {
        int member;
        std::array<bool, 5> won; // Wild Choices, Monday Nights, Over 50%, post-season points, Big Game
        const char* bigGamePick;
    } cases[] = {
        {Ann, {false, false, false, true, false}, ""},
        {Bob, {true, true, true, false, true}, "T6"},
        {Cy, {false, false, false, false, false}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.member);
        for (const char* chooser : {"scrWCmem", "scrMNmem", "scrO5mem", "scrPSmem"}) {
            control<QSpinBox>(w, QString::fromLatin1(chooser))->setValue(c.member);
        }
        // The panel's name and figures, white on red for the winner, else blue.
        const std::array<std::pair<const char*, const char*>, 3> panels{
            {{"WCmemBox", "WCMaxBox"}, {"MNmemBox", "MNmaxBox"}, {"O5memBox", "O5maxBox"}}};
        for (int i = 0; i < 3; ++i) {
            for (const char* box : {panels[i].first, panels[i].second}) {
                const auto* label = control<QLabel>(w, QString::fromLatin1(box));
                EXPECT_EQ(test::back(label), c.won[i] ? Red : buttonFace()) << box;
                EXPECT_EQ(test::fore(label), c.won[i] ? White : Blue) << box;
            }
        }
        // The post season's name for either of its events; its points and its Big Game pick each for
        // their own.
        const bool anyPostSeason = c.won[3] || c.won[4];
        EXPECT_EQ(test::back(control<QLabel>(w, QStringLiteral("PSMemBox"))),
                  anyPostSeason ? Red : buttonFace());
        EXPECT_EQ(test::back(control<QLabel>(w, QStringLiteral("PSWBox"))), c.won[3] ? Red : buttonFace());
        EXPECT_EQ(test::fore(control<QLabel>(w, QStringLiteral("PSWBox"))), c.won[3] ? White : Black);
        EXPECT_EQ(test::back(control<QLabel>(w, QStringLiteral("SBBox"))), c.won[4] ? Red : buttonFace());
        EXPECT_EQ(labelText(w, QStringLiteral("SBBox")), QString::fromLatin1(c.bigGamePick));
    }
}

TEST_F(StandingsWindowTest, ScoringModesAndUnusedEvents) {
    test::buildWorkedPool(h.pool(), 2);
    h.pool().usePointSpreads = True16;
    h.pool().quarterPoints = 0;
    h.pool().quarterGbPoints = 0;
    h.pool().wildChoicePoints = 0;
    h.pool().weeklyPicks = 1;
    LeagueStandings& w = open();
    EXPECT_EQ(w.windowTitle(),
              QStringLiteral("Pool Standings  (by Confidence Points against the point spread)"));
    EXPECT_EQ(labelText(w, QStringLiteral("pnlSPerc")), QStringLiteral("Cpts"));
    EXPECT_EQ(labelText(w, QStringLiteral("pnlWeekL")), QStringLiteral("Cpts"));
    EXPECT_FALSE(shown(control<QLabel>(w, QStringLiteral("pnlSeasonET"))));
    // Quarters unused: no switching; picks week by week: no odds, no Differences panel.
    EXPECT_FALSE(shown(control<QPushButton>(w, QStringLiteral("cmdQtr"))));
    EXPECT_FALSE(shown(control<QGroupBox>(w, QStringLiteral("WildChoiceFrame"))));
    EXPECT_FALSE(shown(control<QGroupBox>(w, QStringLiteral("frmDiff"))));
    EXPECT_EQ(labelText(w, QStringLiteral("OddsBox0")), QStringLiteral("n/a"));
}

TEST_F(StandingsWindowTest, PagesThroughTheLargestPoolAndFitsTheScreenWithLongNames) {
    test::fillLargestPool(h.pool());
    PoolData& p = h.pool();
    for (int m = 0; m < p.numMembers; ++m) {
        p.memberName[m] =
            QStringLiteral("%1 Maximilian Bartholomew Fitzgerald-Sm").arg(m, 3, 10, QLatin1Char('0'));
        ASSERT_EQ(p.memberName[m].size(), 40);
    }
    LeagueStandings& w = open();
    auto* scroll = control<QScrollBar>(w, QStringLiteral("MemScroll"));
    EXPECT_TRUE(scroll->isEnabled());
    EXPECT_EQ(scroll->maximum(), 121 - 12);
    EXPECT_EQ(labelText(w, QStringLiteral("AsOfWeekBox")), QStringLiteral("10"));

    // The games behind of every member, whichever page is shown.
    const int week = p.currentWeek;
    const auto& rows = p.weekStandings[week];
    int leader = 0;
    for (int r = 0; r < p.numMembers; ++r) {
        leader = std::max<int>(leader, rows[r].seasonWins);
    }
    int64_t behind = 0;
    for (int r = 0; r < p.numMembers; ++r) {
        behind += int64_t{leader - rows[r].seasonWins} * p.seasonGbPoints;
    }
    ASSERT_GT(behind, 0);

    // Every line of every page is the rank's member, the last page's too.
    for (const int first : {0, 50, 109}) {
        SCOPED_TRACE(first);
        scroll->setValue(first);
        for (int i = 0; i < LeagueStandings::Lines; ++i) {
            const WeekStanding& s = rows[first + i];
            const auto* name = control<QLabel>(w, QStringLiteral("MemBox%1").arg(i));
            EXPECT_TRUE(shown(name)) << i;
            EXPECT_EQ(wholeName(name), p.memberName[s.memberIndex]) << i;
            EXPECT_EQ(labelText(w, QStringLiteral("SWBox%1").arg(i)), QString::number(s.seasonWins)) << i;
        }
        EXPECT_EQ(labelText(w, QStringLiteral("SGBtotBox")), QString::number(behind));
    }

    // The whole window on a screen of 1,280 x 1,024, title bar included; long names cut, not the panels.
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_LE(w.frameGeometry().width(), 1280);
    EXPECT_LE(w.frameGeometry().height() + 30, 1024);
    for (const char* box : {"DiffMem1Box", "WCmemBox", "MNmemBox", "O5memBox"}) {
        const auto* name = control<QLabel>(w, QString::fromLatin1(box));
        EXPECT_TRUE(name->text().endsWith(QChar(0x2026))) << box;
        EXPECT_EQ(name->toolTip().size(), 40) << box;
    }
    test::expectWholeOnScreen(w, QStringLiteral("standings-last-page"));
    scroll->setValue(0);
    test::expectWholeOnScreen(w, QStringLiteral("standings"));
}

TEST_F(StandingsWindowTest, TheSeasonsLastWeekByConfidencePointsShowsThePostSeason) {
    test::fillLargestPool(h.pool(), 2, 18);
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        h.pool().postSeasonResults[slot] = static_cast<int16_t>(3 * slot);
    }
    LeagueStandings& w = open();
    EXPECT_EQ(control<QGroupBox>(w, QStringLiteral("seasonFrame"))->title(), QStringLiteral("End Of Season"));
    EXPECT_TRUE(shown(control<QGroupBox>(w, QStringLiteral("PSFrame"))));
    EXPECT_EQ(labelText(w, QStringLiteral("WDiffBox")), QStringLiteral("  "));
    EXPECT_FALSE(labelText(w, QStringLiteral("PSWBox")).isEmpty());
    test::expectWholeOnScreen(w, QStringLiteral("standings-end-of-season"));

    // An earlier week hides the post season again.
    control<QSpinBox>(w, QStringLiteral("scrWeek"))->setValue(17);
    EXPECT_FALSE(shown(control<QGroupBox>(w, QStringLiteral("PSFrame"))));
}

TEST_F(StandingsWindowTest, WithoutResultsOrMembersTheLoadShowsAnEmptyFirstWeek) {
    test::buildWorkedPool(h.pool());
    h.pool().currentWeek = -1;
    LeagueStandings& w = open();
    EXPECT_EQ(labelText(w, QStringLiteral("AsOfWeekBox")), QStringLiteral("1"));
    EXPECT_EQ(labelText(w, QStringLiteral("SWBox0")), QStringLiteral("0"));
    EXPECT_EQ(control<QSpinBox>(w, QStringLiteral("scrWeek"))->maximum(), 0);

    // One member: no second member to compare with.
    h.pool().currentWeek = 2;
    h.pool().numMembers = 1;
    open();
    EXPECT_FALSE(shown(control<QGroupBox>(w, QStringLiteral("frmDiff"))));
    EXPECT_FALSE(shown(control<QLabel>(w, QStringLiteral("MemBox1"))));
}

} // namespace
} // namespace vek
