// The prediction charts: opened from the main window on the worked pool, a member's, the consensus and
// the league's division tables, the rows of small divisions, and the largest league.
#include "views/predictioncharts.h"

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

using test::control;
using test::labelText;
using test::shown;

class ChartsWindowTest : public ::testing::Test {
protected:
    PredictionCharts& open() { return test::reopen<PredictionCharts>(h); }
    /// Row r of a panel as team, W, L and T, "-" for a hidden box.
    static QStringList row(const QWidget& w, const char* prefix, int r) {
        QStringList texts;
        for (const char* box : {"Box", "WBox", "LBox", "TBox"}) {
            const auto* label = control<QLabel>(w, QString::fromLatin1(prefix) + QString::fromLatin1(box) +
                                                       QString::number(r));
            texts << (shown(label) ? label->text() : QStringLiteral("-"));
        }
        return texts;
    }

    test::UiHarness h;
};

TEST_F(ChartsWindowTest, OpensFromTheMainWindowOnTheWorkedPool) {
    test::buildWorkedPool(h.pool());
    test::lookFromMainWindow(h, "cmdCharts", [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Prediction Charts"));
        EXPECT_EQ(control<QLabel>(w, QStringLiteral("MemberBox"))->text(), QStringLiteral("Ann (4/5)"));
        // Ann's season: T0 2-0 over T1 0-2, T3 2-0 over T2 0-2; no ties column.
        EXPECT_EQ(row(w, "nfce", 0), (QStringList{"T0", "2", "0", "-"}));
        EXPECT_EQ(row(w, "nfce", 1), (QStringList{"T1", "0", "2", "-"}));
        EXPECT_EQ(row(w, "nfcn", 0), (QStringList{"T3", "2", "0", "-"}));
        EXPECT_EQ(row(w, "nfce", 2), (QStringList{"-", "-", "-", "-"}));
        EXPECT_EQ(row(w, "nfcs", 0), (QStringList{"-", "-", "-", "-"}));
        EXPECT_FALSE(shown(control<QLabel>(w, QStringLiteral("nfceTLabel"))));
        EXPECT_TRUE(shown(control<QPushButton>(w, QStringLiteral("cmdVEK"))));

        // One past the last member: the consensus of the three.
        auto* spin = control<QSpinBox>(w, QStringLiteral("memSpin"));
        EXPECT_EQ(spin->maximum(), 3);
        spin->setValue(3);
        EXPECT_EQ(control<QLabel>(w, QStringLiteral("MemberBox"))->text(), QStringLiteral("Consensus"));

        // The league's table carries ties: T2's tie ranks it above T3's loss.
        control<QPushButton>(w, QStringLiteral("cmdVEK"))->click();
        EXPECT_EQ(control<QLabel>(w, QStringLiteral("MemberBox"))->text(), QStringLiteral("VEK Standings"));
        EXPECT_EQ(row(w, "nfcn", 0), (QStringList{"T2", "0", "0", "1"}));
        EXPECT_EQ(row(w, "nfcn", 1), (QStringList{"T3", "0", "1", "0"}));
        EXPECT_EQ(row(w, "afcn", 0), (QStringList{"T6", "2", "0", "0"}));
        EXPECT_EQ(row(w, "nfcn", 2), (QStringList{"-", "-", "-", "-"}));
        EXPECT_TRUE(shown(control<QLabel>(w, QStringLiteral("afcwTLabel"))));

        // The spinner shows a member's table again, without ties.
        spin->setValue(1);
        EXPECT_EQ(control<QLabel>(w, QStringLiteral("MemberBox"))->text(), QStringLiteral("Bob (7/5)"));
        EXPECT_EQ(row(w, "nfcn", 0).last(), QStringLiteral("-"));
    });
}

TEST_F(ChartsWindowTest, ALongNameIsCutBeforeItsOddsWhichFollowTheStandingsRule) {
    test::fillLargestPool(h.pool());
    PoolData& p = h.pool();
    const int member = p.defaultMember;
    p.memberName[member] = QStringLiteral("Maximilian Bartholomew Fitzgerald-Smythe Oppenheimer 6");
    p.memberOdds[member] = 3.6F;
    const struct {
        int16_t weeklyPicks;
        const char* odds;
    } cases[] = {{0, " (7/2)"}, {1, " (n/a)"}};
    for (const auto& c : cases) {
        p.weeklyPicks = c.weeklyPicks;
        PredictionCharts& w = open();
        const auto* title = control<QLabel>(w, QStringLiteral("MemberBox"));
        EXPECT_TRUE(title->text().endsWith(QChar(0x2026) + QString::fromLatin1(c.odds)))
            << title->text().toStdString();
        EXPECT_EQ(title->toolTip(), p.memberName[member] + QString::fromLatin1(c.odds));
        test::expectWholeOnScreen(w, QStringLiteral("charts-long-name"));
    }
}

TEST_F(ChartsWindowTest, WithoutResultsTheLeagueButtonIsHidden) {
    test::buildWorkedPool(h.pool());
    h.pool().currentWeek = -1;
    PredictionCharts& w = open();
    EXPECT_FALSE(shown(control<QPushButton>(w, QStringLiteral("cmdVEK"))));
    EXPECT_TRUE(h.session.teamsRecalculated);
}

TEST_F(ChartsWindowTest, SixTeamsADivisionOfTheLargestLeague) {
    test::fillLargestPool(h.pool());
    h.pool().divisionRec[0].teamCount = 6; // 38 would not fit: take one from NFC North
    h.pool().divisionRec[1].teamCount = 4;
    deriveLeagueTables(h.pool());
    PredictionCharts& w = open();
    EXPECT_NE(row(w, "nfce", 5).first(), QStringLiteral("-"));
    EXPECT_EQ(row(w, "nfcn", 4).first(), QStringLiteral("-"));
    test::expectWholeOnScreen(w, QStringLiteral("charts"));
    control<QPushButton>(w, QStringLiteral("cmdVEK"))->click();
    test::expectWholeOnScreen(w, QStringLiteral("charts-league"));
}

} // namespace
} // namespace vek
