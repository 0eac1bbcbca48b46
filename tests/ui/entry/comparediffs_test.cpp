// The pick comparison window: differences from a reference member, correct picks against the results
// or the spread, the totals row, the opening week, scrolling through the members, the post-season view,
// the hints, and the limits of the tables.
#include "entry/comparediffs.h"

#include "support/controls.h"
#include "support/poolbuilder.h"
#include "support/uiharness.h"
#include "widgets/colours.h"

#include <QCheckBox>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace vek {
namespace {

using test::control;
using test::shown;

using test::back;
using test::fore;

constexpr int Weeks = 17;
constexpr int Games = 16;

class CompareWindowTest : public ::testing::Test {
protected:
    CompareWindowTest() { season(Games, 4); }

    /// A league of 32 teams; game g of every week is T(2g) at T(2g+1); every member picks the home team
    /// of every game; week 2 has two byes.
    void season(int gamesPerWeek, int members) {
        test::PoolBuilder build(pool());
        build.league({4, 4, 4, 4, 4, 4, 4, 4}).season(Weeks, gamesPerWeek).members(members).openDates(2, 2);
        for (int w = 0; w < Weeks; ++w) {
            for (int g = 0; g < gamesPerWeek; ++g) {
                build.game(w, g, (2 * g) % 32, (2 * g + 1) % 32);
                for (int m = 0; m < members; ++m) {
                    build.pick(w, g, m, (2 * g + 1) % 32);
                }
            }
        }
        const std::array<const char*, 5> names{"Alice", "Bob", "Carol", "Dave", "Eve"};
        for (int m = 0; m < members && m < 5; ++m) {
            pool().memberName[static_cast<std::size_t>(m)] =
                QString::fromLatin1(names[static_cast<std::size_t>(m)]);
        }
        pool().defaultMember = 0;
    }

    PoolData& pool() { return h.pool(); }
    int16_t& pick(int week, int game, int member) {
        return pool().memberPicks[static_cast<std::size_t>(week)][static_cast<std::size_t>(game)]
                                 [static_cast<std::size_t>(member)];
    }

    /// Opens the window afresh, as the main window does after the previous opening was closed.
    CompareDiffs& open(int mode) {
        if (auto* loaded = h.host.existing<CompareDiffs>(); loaded != nullptr && loaded->isLoaded()) {
            loaded->done(QDialog::Accepted);
        }
        h.session.entryMode = static_cast<int16_t>(mode);
        return h.host.window<CompareDiffs>();
    }

    QLabel* cell(const CompareDiffs& w, int row, int column) {
        return control<QLabel>(w, QStringLiteral("pickBox%1_%2").arg(row).arg(column));
    }
    /// A cell's text when it is shown, "-" when it is hidden.
    QString seen(const CompareDiffs& w, int row, int column) {
        QLabel* c = cell(w, row, column);
        return shown(c) ? c->text() : QStringLiteral("-");
    }
    QPushButton* header(const CompareDiffs& w, int column) {
        return control<QPushButton>(w, QStringLiteral("nameBox%1").arg(column));
    }
    bool marked(const CompareDiffs& w, int column) {
        QPushButton* h = header(w, column);
        return h->palette().color(QPalette::Button) == colours::Reference && h->font().bold();
    }
    QString total(const CompareDiffs& w, int column) {
        return control<QLabel>(w, QStringLiteral("totalsBox%1").arg(column))->text();
    }
    QLabel* away(const CompareDiffs& w, int row) {
        return control<QLabel>(w, QStringLiteral("awayBox%1").arg(row));
    }
    QLabel* home(const CompareDiffs& w, int row) {
        return control<QLabel>(w, QStringLiteral("homeBox%1").arg(row));
    }
    QString text(const CompareDiffs& w, const char* name) {
        return control<QLabel>(w, QString::fromLatin1(name))->text();
    }
    QScrollBar* scroll(const CompareDiffs& w) { return control<QScrollBar>(w, QStringLiteral("MemScroll")); }
    QSpinBox* weekSpin(const CompareDiffs& w) { return control<QSpinBox>(w, QStringLiteral("scrWeek")); }
    QPushButton* postSeason(const CompareDiffs& w) {
        return control<QPushButton>(w, QStringLiteral("cmdPostSeason"));
    }
    QCheckBox* monday(const CompareDiffs& w) { return control<QCheckBox>(w, QStringLiteral("chkMonday")); }
    static void pointAt(QWidget* widget) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(widget, &enter);
    }

    test::UiHarness h;
};

TEST_F(CompareWindowTest, DifferencesFromTheReferenceMember) {
    pool().defaultMember = 1;
    pick(0, 0, 0) = 0;                                        // Alice picks the visitor in games 0 and 1
    pick(0, 1, 0) = static_cast<int16_t>(2 | UniquePickFlag); // a unique pick compares by its low byte
    pick(0, 3, 2) = pool().noneCode();                        // Carol has no pick in game 3
    pick(0, 5, 1) = 10;                                       // Bob differs from everybody in game 5
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    pool().memberName[3] = QStringLiteral("Dav") + emoji + QStringLiteral("e");
    auto& w = open(0);

    EXPECT_EQ(w.windowTitle(), QStringLiteral("Compare Differences"));
    EXPECT_EQ(text(w, "totTypeBox"), QStringLiteral("Total Differences"));
    EXPECT_EQ(text(w, "weekBox"), QStringLiteral("1"));
    EXPECT_EQ(header(w, 0)->text(), QStringLiteral("Alic"));
    EXPECT_EQ(header(w, 3)->text(), QStringLiteral("Dav") + emoji); // four characters, the emoji whole
    EXPECT_FALSE(marked(w, 0));
    EXPECT_TRUE(marked(w, 1));
    EXPECT_EQ(header(w, 0)->palette().color(QPalette::Button),
              QGuiApplication::palette().color(QPalette::Button));

    // The reference column shows every pick and counts nothing.
    for (int g = 0; g < Games; ++g) {
        EXPECT_EQ(seen(w, g, 1), g == 5 ? QStringLiteral("T10") : QStringLiteral("T%1").arg(2 * g + 1)) << g;
    }
    EXPECT_EQ(total(w, 1), QStringLiteral("0"));
    EXPECT_EQ(seen(w, 0, 0), QStringLiteral("T0"));
    EXPECT_EQ(seen(w, 1, 0), QStringLiteral("T2"));
    EXPECT_EQ(seen(w, 2, 0), QStringLiteral("-"));
    EXPECT_EQ(seen(w, 5, 0), QStringLiteral("T11"));
    EXPECT_EQ(total(w, 0), QStringLiteral("3"));
    EXPECT_EQ(seen(w, 3, 2), QString()); // no pick against a pick: shown blank, counted
    EXPECT_EQ(total(w, 2), QStringLiteral("2"));
    EXPECT_EQ(total(w, 3), QStringLiteral("1"));
    for (int c = 4; c < CompareDiffs::Columns; ++c) {
        EXPECT_FALSE(shown(header(w, c))) << c;
        EXPECT_FALSE(shown(control<QLabel>(w, QStringLiteral("totalsBox%1").arg(c)))) << c;
        EXPECT_EQ(seen(w, 0, c), QStringLiteral("-")) << c;
    }
    EXPECT_FALSE(scroll(w)->isEnabled());

    // Team labels: white on blue for an NFC team, white on red for an AFC team.
    EXPECT_EQ(away(w, 0)->text(), QStringLiteral("T0"));
    EXPECT_EQ(home(w, 15)->text(), QStringLiteral("T31"));
    EXPECT_EQ(back(away(w, 7)), colours::Blue);
    EXPECT_EQ(back(home(w, 7)), colours::Blue); // T15, the last NFC team
    EXPECT_EQ(back(away(w, 8)), colours::Red);
    EXPECT_EQ(fore(away(w, 8)), colours::White);
    EXPECT_TRUE(shown(away(w, 15)));
    EXPECT_FALSE(shown(away(w, 16)));
}

TEST_F(CompareWindowTest, AWeekWithByesHidesItsSurplusRows) {
    pick(2, 13, 0) = 26;
    auto& w = open(0);
    weekSpin(w)->setValue(2);
    EXPECT_EQ(text(w, "weekBox"), QStringLiteral("3"));
    EXPECT_TRUE(shown(away(w, 13)));
    EXPECT_FALSE(shown(away(w, 14)));
    EXPECT_FALSE(shown(home(w, 15)));
    EXPECT_EQ(seen(w, 14, 0), QStringLiteral("-"));
    EXPECT_EQ(seen(w, 15, 0), QStringLiteral("-"));
    EXPECT_EQ(seen(w, 13, 0), QStringLiteral("T26"));
    EXPECT_EQ(seen(w, 13, 1), QStringLiteral("T27"));
    EXPECT_EQ(total(w, 1), QStringLiteral("1"));
}

TEST_F(CompareWindowTest, OpeningWeekAndWeekRangeFollowTheMode) {
    struct Case {
        int mode;
        int currentWeek;
        int shownWeek;
        int lastWeek;
        bool postSeason;
    };
    const Case cases[] = {
        {0, -1, 0, Weeks - 1, true},
        {0, 4, 5, Weeks - 1, true},
        {0, Weeks - 1, 0, Weeks - 1, true},
        {1, 4, 4, 4, false},
        {1, Weeks - 1, Weeks - 1, Weeks - 1, true},
    };
    for (const Case& c : cases) {
        pool().currentWeek = static_cast<int16_t>(c.currentWeek);
        auto& w = open(c.mode);
        EXPECT_EQ(weekSpin(w)->value(), c.shownWeek) << c.mode << " " << c.currentWeek;
        EXPECT_EQ(weekSpin(w)->maximum(), c.lastWeek) << c.mode << " " << c.currentWeek;
        EXPECT_EQ(text(w, "weekBox"), QString::number(c.shownWeek + 1));
        EXPECT_EQ(postSeason(w)->isEnabled(), c.postSeason) << c.mode << " " << c.currentWeek;
        control<QPushButton>(w, QStringLiteral("cmdOk"))->click();
        EXPECT_EQ(w.result(), QDialog::Accepted);
        EXPECT_FALSE(w.isLoaded());
    }
}

TEST_F(CompareWindowTest, ResultsCountCorrectPicksAgainstTheWinners) {
    test::PoolBuilder build(pool());
    build.currentWeek(0);
    for (int g = 0; g < Games; ++g) {
        build.result(0, g, 2 * g + 1); // the home team wins
    }
    build.result(0, 1, 2).result(0, 2, test::Tie);
    pick(0, 0, 1) = 0;
    pool().defaultMember = 1;
    auto& w = open(1);

    EXPECT_EQ(w.windowTitle(), QStringLiteral("Compare Results"));
    EXPECT_EQ(text(w, "totTypeBox"), QStringLiteral("Total Wins"));
    EXPECT_FALSE(marked(w, 1)); // no reference member in this mode
    EXPECT_EQ(seen(w, 0, 0), QStringLiteral("T1"));
    EXPECT_EQ(seen(w, 0, 1), QStringLiteral("-"));
    EXPECT_EQ(seen(w, 1, 0), QStringLiteral("-"));
    EXPECT_EQ(seen(w, 2, 0), QStringLiteral("-")); // a tie adds nothing
    EXPECT_EQ(total(w, 0), QStringLiteral("14"));
    EXPECT_EQ(total(w, 1), QStringLiteral("13"));

    EXPECT_EQ(fore(home(w, 0)), colours::Red);
    EXPECT_TRUE(home(w, 0)->font().bold());
    EXPECT_EQ(fore(away(w, 0)), colours::Black);
    EXPECT_FALSE(away(w, 0)->font().bold());
    EXPECT_EQ(back(away(w, 0)), QGuiApplication::palette().color(QPalette::Button));
    EXPECT_EQ(fore(away(w, 1)), colours::Red);
    EXPECT_EQ(fore(away(w, 2)), colours::Blue);
    EXPECT_EQ(fore(home(w, 2)), colours::Blue);
    EXPECT_FALSE(home(w, 2)->font().bold());

    // A header click chooses no reference member here.
    header(w, 2)->click();
    EXPECT_FALSE(marked(w, 2));
    EXPECT_EQ(total(w, 0), QStringLiteral("14"));
}

TEST_F(CompareWindowTest, WithPointSpreadsPicksAreJudgedAgainstTheSpreadWinners) {
    test::PoolBuilder build(pool());
    build.currentWeek(0);
    for (int g = 0; g < Games; ++g) {
        build.result(0, g, 2 * g + 1);
        pool().spreadWinner[0][static_cast<std::size_t>(g)] = static_cast<int16_t>(2 * g);
    }
    pool().spreadWinner[0][3] = 7;
    pool().spreadWinner[0][4] = pool().tieCode(); // a push
    pool().usePointSpreads = True16;
    auto& w = open(1);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Compare Results (against the point spread)"));
    EXPECT_EQ(seen(w, 0, 0), QStringLiteral("-"));
    EXPECT_EQ(seen(w, 3, 0), QStringLiteral("T7"));
    EXPECT_EQ(total(w, 0), QStringLiteral("1"));
    EXPECT_EQ(fore(away(w, 0)), colours::Red);
    EXPECT_EQ(fore(home(w, 0)), colours::Black);
    EXPECT_EQ(fore(away(w, 4)), colours::Blue);
    EXPECT_EQ(fore(home(w, 4)), colours::Blue);
}

TEST_F(CompareWindowTest, TiebreakerScoresReplaceTheTotals) {
    pool().mondayNightTotal[0][0] = 41;
    pool().mondayNightTotal[0][2] = 37;
    pool().mondayNightTotal[1][0] = 55;
    pick(0, 0, 2) = 0;
    auto& w = open(0);
    monday(w)->click();
    EXPECT_EQ(text(w, "totTypeBox"), QStringLiteral("MNF Scores"));
    EXPECT_EQ(total(w, 0), QStringLiteral("41"));
    EXPECT_EQ(total(w, 2), QStringLiteral("37"));
    EXPECT_EQ(total(w, 1), QStringLiteral("0"));
    weekSpin(w)->setValue(1);
    EXPECT_EQ(total(w, 0), QStringLiteral("55"));
    monday(w)->click();
    EXPECT_EQ(text(w, "totTypeBox"), QStringLiteral("Total Differences"));
    EXPECT_EQ(total(w, 0), QStringLiteral("0"));

    pool().currentWeek = 0;
    auto& results = open(1);
    EXPECT_FALSE(monday(results)->isChecked()); // each opening starts with the totals
    monday(results)->click();
    EXPECT_EQ(text(results, "totTypeBox"), QStringLiteral("MNF Scores"));
    monday(results)->click();
    EXPECT_EQ(text(results, "totTypeBox"), QStringLiteral("Total Wins"));
}

TEST_F(CompareWindowTest, ScrollingShowsTwelveMembersFromTheScrollValue) {
    season(Games, 15);
    for (int m = 0; m < 15; ++m) {
        pool().memberName[static_cast<std::size_t>(m)] =
            QStringLiteral("M%1xx").arg(m, 2, 10, QLatin1Char('0'));
        pick(0, 0, m) = static_cast<int16_t>(m % 2 == 0 ? 1 : 0);
    }
    pool().defaultMember = 4;
    auto& w = open(0);
    EXPECT_TRUE(scroll(w)->isEnabled());
    EXPECT_EQ(scroll(w)->maximum(), 3);
    for (int c = 0; c < CompareDiffs::Columns; ++c) {
        EXPECT_TRUE(shown(header(w, c))) << c;
    }
    EXPECT_TRUE(marked(w, 4));

    scroll(w)->setValue(2);
    EXPECT_EQ(header(w, 0)->text(), QStringLiteral("M02x"));
    EXPECT_EQ(header(w, 11)->text(), QStringLiteral("M13x"));
    EXPECT_TRUE(marked(w, 2)); // the mark follows member 4
    EXPECT_FALSE(marked(w, 4));
    EXPECT_EQ(seen(w, 0, 1), QStringLiteral("T0")); // member 3 differs from member 4
    EXPECT_EQ(seen(w, 0, 2), QStringLiteral("T1"));
    EXPECT_EQ(seen(w, 0, 3), QStringLiteral("T0"));
    EXPECT_EQ(seen(w, 0, 4), QStringLiteral("-"));

    // A click while scrolled makes that member the reference; the mark follows it back.
    header(w, 1)->click(); // member 3
    EXPECT_TRUE(marked(w, 1));
    EXPECT_FALSE(marked(w, 2));
    scroll(w)->setValue(3);
    EXPECT_TRUE(marked(w, 0));
    scroll(w)->setValue(0);
    EXPECT_TRUE(marked(w, 3));
    EXPECT_FALSE(marked(w, 4));
    EXPECT_FALSE(marked(w, 1));

    pool().defaultMember = 14;
    auto& again = open(0);
    EXPECT_EQ(scroll(again)->value(), 0);
    for (int c = 0; c < CompareDiffs::Columns; ++c) {
        EXPECT_FALSE(marked(again, c)) << c; // member 14 is out of view
    }
}

TEST_F(CompareWindowTest, TwelveMembersFitWithoutScrolling) {
    season(Games, 12);
    auto& w = open(0);
    EXPECT_FALSE(scroll(w)->isEnabled());
    EXPECT_TRUE(shown(header(w, 11)));
}

TEST_F(CompareWindowTest, HeaderClickChangesTheReferenceMember) {
    pick(0, 0, 2) = 0;
    pick(0, 1, 2) = 2;
    auto& w = open(0);
    EXPECT_EQ(total(w, 0), QStringLiteral("0"));
    EXPECT_EQ(total(w, 2), QStringLiteral("2"));
    header(w, 2)->click();
    EXPECT_TRUE(marked(w, 2));
    EXPECT_FALSE(marked(w, 0));
    EXPECT_EQ(total(w, 0), QStringLiteral("2"));
    EXPECT_EQ(total(w, 2), QStringLiteral("0"));
    EXPECT_EQ(seen(w, 5, 2), QStringLiteral("T11"));
    EXPECT_EQ(seen(w, 5, 0), QStringLiteral("-"));
}

TEST_F(CompareWindowTest, HintLinesFollowThePointer) {
    auto& w = open(0);
    pointAt(header(w, 1));
    EXPECT_EQ(text(w, "desBox"), QStringLiteral("Click to change reference member to Bob"));
    pointAt(cell(w, 0, 0));
    EXPECT_EQ(text(w, "desBox"),
              QStringLiteral("If team is shown, then it is different from the reference member."));

    pool().currentWeek = 0;
    auto& results = open(1);
    EXPECT_EQ(text(results, "desBox"), QString());
    pointAt(header(results, 1));
    EXPECT_EQ(text(results, "desBox"), QString());
    pointAt(cell(results, 0, 0));
    EXPECT_EQ(text(results, "desBox"),
              QStringLiteral("If team is shown, then member correctly predicted the team to win."));
}

class ComparePostSeasonTest : public CompareWindowTest {
protected:
    ComparePostSeasonTest() {
        for (std::size_t s = 0; s < PostSeasonSlots; ++s) {
            pool().postSeasonResults[s] = static_cast<int16_t>(s == 12 ? 3 : 2 * s);
            for (int m = 0; m < 4; ++m) {
                pool().postSeasonPicks[s][static_cast<std::size_t>(m)] = static_cast<int16_t>(2 * s);
            }
        }
        pool().postSeasonPicks[0][1] = 4; // a result of another slot: counts in results mode
        pool().postSeasonPicks[1][1] = 5; // not among the results
        pool().postSeasonPicks[2][1] = pool().noneCode();
        pool().postSeasonPicks[12][1] = 3; // the Big Game, exactly
        pool().postSeasonPicks[12][2] = 6; // among the division results, but not the Big Game winner
    }

    void expectPostSeasonRows(const CompareDiffs& w) {
        const char* aways[] = {"NFC", "NFC", "NFC", "NFC", "AFC", "AFC", "AFC",
                               "AFC", "NFC", "NFC", "AFC", "AFC", "Big"};
        const char* homes[] = {"East", "North", "South", "West", "East", "North", "South",
                               "West", "Wild",  "Wild",  "Wild", "Wild", "Game"};
        for (int s = 0; s < PostSeasonSlots; ++s) {
            EXPECT_EQ(away(w, s)->text(), QString::fromLatin1(aways[s])) << s;
            EXPECT_EQ(home(w, s)->text(), QString::fromLatin1(homes[s])) << s;
            const QColor background =
                s == 12 ? colours::Green : (aways[s][0] == 'N' ? colours::Blue : colours::Red);
            EXPECT_EQ(back(away(w, s)), background) << s;
            EXPECT_EQ(back(home(w, s)), background) << s;
            EXPECT_EQ(fore(home(w, s)), s == 12 ? colours::Black : colours::White) << s;
            EXPECT_TRUE(shown(away(w, s))) << s;
        }
        for (int s = PostSeasonSlots; s < Games; ++s) {
            EXPECT_FALSE(shown(away(w, s))) << s;
            EXPECT_EQ(seen(w, s, 0), QStringLiteral("-")) << s;
        }
    }
};

TEST_F(ComparePostSeasonTest, DifferencesModeShowsEveryPrediction) {
    auto& w = open(0);
    postSeason(w)->click();
    EXPECT_EQ(postSeason(w)->text(), QStringLiteral("Regular Season"));
    expectPostSeasonRows(w);
    EXPECT_EQ(seen(w, 0, 0), QStringLiteral("T0"));
    EXPECT_EQ(seen(w, 1, 1), QStringLiteral("T5"));
    EXPECT_EQ(seen(w, 2, 1), QString());
    EXPECT_EQ(seen(w, 12, 3), QStringLiteral("T24"));
    EXPECT_EQ(total(w, 0), QString());
    EXPECT_EQ(text(w, "totTypeBox"), QStringLiteral("Total Differences"));

    postSeason(w)->click();
    EXPECT_EQ(postSeason(w)->text(), QStringLiteral("Post Season"));
    EXPECT_EQ(away(w, 0)->text(), QStringLiteral("T0"));
    EXPECT_TRUE(shown(away(w, 15)));
    EXPECT_EQ(seen(w, 0, 0), QStringLiteral("T1"));
    EXPECT_EQ(seen(w, 0, 1), QStringLiteral("-"));
    EXPECT_EQ(total(w, 1), QStringLiteral("0"));
}

TEST_F(ComparePostSeasonTest, ResultsModeShowsPredictionsThatMadeThePostSeason) {
    pool().currentWeek = Weeks - 1;
    auto& w = open(1);
    postSeason(w)->click();
    expectPostSeasonRows(w);
    EXPECT_EQ(seen(w, 0, 0), QStringLiteral("T0"));
    EXPECT_EQ(seen(w, 0, 1), QStringLiteral("T4")); // predicted in another slot, made it
    EXPECT_EQ(seen(w, 1, 1), QStringLiteral("-"));
    EXPECT_EQ(seen(w, 2, 1), QStringLiteral("-"));  // no prediction, no result slot is none
    EXPECT_EQ(seen(w, 12, 0), QStringLiteral("-")); // T24 did not win the Big Game
    EXPECT_EQ(seen(w, 12, 1), QStringLiteral("T3"));
    EXPECT_EQ(seen(w, 12, 2), QStringLiteral("-"));

    pool().postSeasonResults[5] = pool().noneCode();
    postSeason(w)->click();
    postSeason(w)->click();
    EXPECT_EQ(seen(w, 2, 1), QStringLiteral("-")); // a missing pick is never right, whatever is missing
}

TEST_F(ComparePostSeasonTest, CheckBoxHeaderClickAndScrollRepaintThePostSeasonView) {
    season(Games, 14);
    for (std::size_t s = 0; s < PostSeasonSlots; ++s) {
        for (int m = 0; m < 14; ++m) {
            pool().postSeasonPicks[s][static_cast<std::size_t>(m)] = static_cast<int16_t>(m);
        }
    }
    auto& w = open(0);
    postSeason(w)->click();
    monday(w)->click();
    expectPostSeasonRows(w);
    EXPECT_EQ(seen(w, 3, 0), QStringLiteral("T0"));
    EXPECT_EQ(total(w, 0), QString());

    header(w, 3)->click();
    EXPECT_TRUE(marked(w, 3));
    expectPostSeasonRows(w);
    EXPECT_EQ(seen(w, 5, 2), QStringLiteral("T2"));

    scroll(w)->setValue(2);
    expectPostSeasonRows(w);
    EXPECT_EQ(seen(w, 0, 0), QStringLiteral("T2"));
    EXPECT_EQ(seen(w, 0, 11), QStringLiteral("T13"));
    EXPECT_TRUE(marked(w, 1));

    // A change of week leaves the post-season view.
    weekSpin(w)->setValue(3);
    EXPECT_EQ(postSeason(w)->text(), QStringLiteral("Post Season"));
    EXPECT_EQ(away(w, 0)->text(), QStringLiteral("T0"));
    scroll(w)->setValue(1);
    EXPECT_EQ(away(w, 0)->text(), QStringLiteral("T0"));
    EXPECT_EQ(text(w, "totTypeBox"), QStringLiteral("MNF Scores"));
}

TEST_F(CompareWindowTest, GridHasEveryGameSlotAndAtLeastThePostSeasonRows) {
    season(19, 3);
    pool().openDates[2] = 0;
    pick(0, 18, 1) = 4;
    auto& w = open(0);
    EXPECT_TRUE(shown(away(w, 18)));
    EXPECT_EQ(away(w, 18)->text(), QStringLiteral("T4"));
    EXPECT_EQ(seen(w, 18, 1), QStringLiteral("T4"));
    EXPECT_EQ(total(w, 1), QStringLiteral("1"));

    season(10, 3);
    pool().openDates[0] = -4; // a damaged count of byes cannot make the week longer than its grid
    auto& small = open(0);
    EXPECT_FALSE(shown(away(small, 10)));
    EXPECT_EQ(seen(small, 10, 0), QStringLiteral("-"));
    postSeason(small)->click();
    EXPECT_TRUE(shown(away(small, 12)));
    EXPECT_EQ(away(small, 12)->text(), QStringLiteral("Big"));
    EXPECT_TRUE(shown(cell(small, 12, 2)));
    EXPECT_FALSE(shown(away(small, 13)));
}

TEST_F(CompareWindowTest, ADefaultMemberOutsideTheListIsTheFirstMember) {
    for (int def : {7, -3}) {
        pool().defaultMember = static_cast<int16_t>(def);
        pick(0, 0, 1) = 0;
        auto& w = open(0);
        EXPECT_TRUE(marked(w, 0)) << def;
        EXPECT_EQ(seen(w, 3, 0), QStringLiteral("T7")) << def;
        EXPECT_EQ(total(w, 1), QStringLiteral("1")) << def;
    }
}

TEST_F(CompareWindowTest, IndexesFromDamagedDataStayWithinTheTables) {
    pool().numMembers = 300;
    pool().numWeeks = 50;
    pool().gamesPerWeek = 40;
    pool().currentWeek = 60;
    pool().scheduleGrid[0][0][0] = 120; // no team slot
    pick(0, 0, 0) = 0x00FF;             // low byte beyond the team slots
    auto& w = open(0);
    EXPECT_EQ(scroll(w)->maximum(), MemberSlots - CompareDiffs::Columns);
    EXPECT_EQ(weekSpin(w)->maximum(), WeekSlots - 1);
    EXPECT_EQ(away(w, 0)->text(), QString());
    EXPECT_EQ(seen(w, 0, 0), QString());
    EXPECT_TRUE(shown(away(w, 18)));
    scroll(w)->setValue(scroll(w)->maximum());
    EXPECT_TRUE(shown(header(w, 11)));
    weekSpin(w)->setValue(18);
    EXPECT_EQ(text(w, "weekBox"), QStringLiteral("19"));

    auto& results = open(1);
    EXPECT_EQ(weekSpin(results)->value(), WeekSlots - 1);
    EXPECT_EQ(text(results, "weekBox"), QStringLiteral("19"));
}

} // namespace
} // namespace vek
