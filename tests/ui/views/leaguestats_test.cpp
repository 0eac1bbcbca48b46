// The league statistics: opened from the main window on the worked pool, a division's breakdown for a
// member, the consensus and the league, the totals, the chosen-by-N percentages, and the largest league.
#include "views/leaguestats.h"

#include "model/leaguefile.h"
#include "support/poolbuilder.h"
#include "support/viewtest.h"
#include "views/workedpool.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace vek {
namespace {

using namespace colours;
using test::control;
using test::seenText;
using test::shown;

class StatsWindowTest : public ::testing::Test {
protected:
    LeagueStats& open() { return test::reopen<LeagueStats>(h); }
    /// A team column: its name and the "Record" and "At Home" cells, "-" where hidden.
    static QStringList column(const QWidget& w, int c) {
        QStringList texts{seenText(w, QStringLiteral("TeamName%1").arg(c))};
        for (const char* name : {"RecWins", "RecLoss", "RecTie", "AtHomeWins", "AtHomeLoss", "AtHomeTie"}) {
            texts << seenText(w, QString::fromLatin1(name) + QString::number(c));
        }
        return texts;
    }
    static QStringList totals(const QWidget& w) {
        QStringList texts;
        for (const char* name : {"RoadTotal", "HomeTotal", "TieTotal", "AFCWins", "NFCWins", "ANTies"}) {
            texts << seenText(w, QString::fromLatin1(name));
        }
        return texts;
    }
    static QStringList percentages(const QWidget& w) {
        QStringList texts;
        for (const char* name : {"MemNum", "wonNum", "outOf", "predPerc"}) {
            texts << seenText(w, QString::fromLatin1(name));
        }
        return texts;
    }

    test::UiHarness h;
};

TEST_F(StatsWindowTest, OpensFromTheMainWindowOnTheWorkedPool) {
    test::buildWorkedPool(h.pool());
    h.pool().defaultMember = 1;
    test::lookFromMainWindow(h, "cmdStats", [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("League Statistics"));
        EXPECT_EQ(seenText(w, QStringLiteral("MemberBox")), QStringLiteral("Bob"));
        EXPECT_EQ(seenText(w, QStringLiteral("DivConfBox")), QStringLiteral("NFC East"));
        EXPECT_EQ(test::fore(control<QLabel>(w, QStringLiteral("DivConfBox"))), Blue);
        // Bob's picks: T1 1-1 (the win at home) over T0 0-2 (one loss at home); no ties; columns 2..5
        // hidden.
        EXPECT_EQ(column(w, 0), (QStringList{"T1", "1", "1", "-", "1", "0", "-"}));
        EXPECT_EQ(column(w, 1), (QStringList{"T0", "0", "2", "-", "0", "1", "-"}));
        EXPECT_EQ(column(w, 2).first(), QStringLiteral("-"));
        // N = 1: the winner of one game (week 3's Monday night) was picked by one member.
        EXPECT_EQ(percentages(w), (QStringList{"1", "1", "5", "20.00%"}));

        // Past the last member: the consensus, then the league with ties.
        auto* source = control<QSpinBox>(w, QStringLiteral("MemberSpin"));
        EXPECT_EQ(source->maximum(), 4);
        source->setValue(3);
        EXPECT_EQ(seenText(w, QStringLiteral("MemberBox")), QStringLiteral("Consensus"));
        source->setValue(4);
        EXPECT_EQ(seenText(w, QStringLiteral("MemberBox")), QStringLiteral("VEK"));
        EXPECT_EQ(column(w, 0), (QStringList{"T0", "1", "0", "1", "0", "0", "1"}));
        EXPECT_EQ(totals(w), (QStringList{"3", "2", "1", "2", "0", "0"}));

        auto* division = control<QSpinBox>(w, QStringLiteral("DivConfSpin"));
        division->setValue(5);
        EXPECT_EQ(seenText(w, QStringLiteral("DivConfBox")), QStringLiteral("AFC North"));
        EXPECT_EQ(test::fore(control<QLabel>(w, QStringLiteral("DivConfBox"))), Red);
        EXPECT_EQ(column(w, 0), (QStringList{"T6", "2", "0", "0", "1", "0", "0"}));

        auto* chosen = control<QSpinBox>(w, QStringLiteral("chosenSpin"));
        chosen->setValue(2);
        EXPECT_EQ(percentages(w), (QStringList{"2", "4", "5", "80.00%"}));
        chosen->setValue(3);
        EXPECT_EQ(percentages(w), (QStringList{"3", "0", "1", "0.00%"}));
    });
}

TEST_F(StatsWindowTest, SixTeamColumnsForTheLargestLeague) {
    test::fillLargestPool(h.pool());
    h.pool().divisionRec[0].teamCount = 6;
    h.pool().divisionRec[1].teamCount = 4;
    deriveLeagueTables(h.pool());
    LeagueStats& w = open();
    EXPECT_NE(column(w, 5).first(), QStringLiteral("-"));
    control<QSpinBox>(w, QStringLiteral("MemberSpin"))->setValue(122);
    EXPECT_EQ(seenText(w, QStringLiteral("MemberBox")), QStringLiteral("VEK"));
    test::expectWholeOnScreen(w, QStringLiteral("statistics"));
}

} // namespace
} // namespace vek
