// The scouting report: opened from the main window on the worked pool, a member's per-team success and
// the conference totals, the member chooser, a pool without members, and the largest league.
#include "views/scoutingreport.h"

#include "support/poolbuilder.h"
#include "support/viewtest.h"
#include "views/workedpool.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace vek {
namespace {

using test::control;
using test::labelText;
using test::shown;

class ScoutingWindowTest : public ::testing::Test {
protected:
    ScoutingReport& open() { return test::reopen<ScoutingReport>(h); }
    /// A row as team, bar, percentage, W and L.
    static QStringList row(const QWidget& w, const QString& conference, int r) {
        const QString i = QString::number(r);
        return {
            labelText(w, conference + QStringLiteral("teamBox") + i),
            QString::number(
                control<QSlider>(w, QStringLiteral("sld") + conference + QStringLiteral("T") + i)->value()),
            labelText(w, conference + QStringLiteral("percBox") + i),
            labelText(w, conference + QStringLiteral("WBox") + i),
            labelText(w, conference + QStringLiteral("LBox") + i)};
    }
    static int shownRows(const QWidget& w, const QString& conference) {
        int rows = 0;
        while (auto* box =
                   w.findChild<QLabel*>(conference + QStringLiteral("teamBox") + QString::number(rows))) {
            if (!shown(box)) {
                break;
            }
            ++rows;
        }
        return rows;
    }

    test::UiHarness h;
};

TEST_F(ScoutingWindowTest, OpensFromTheMainWindowOnTheWorkedPool) {
    test::buildWorkedPool(h.pool());
    test::lookFromMainWindow(h, "cmdScout", [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Scouting Report"));
        EXPECT_EQ(labelText(w, QStringLiteral("MemBox")), QStringLiteral("Ann"));
        EXPECT_EQ(shownRows(w, QStringLiteral("N")), 4);
        EXPECT_EQ(shownRows(w, QStringLiteral("A")), 4);
        EXPECT_EQ(row(w, QStringLiteral("N"), 0), (QStringList{"T0", "50", "50.0%", "1", "1"}));
        EXPECT_EQ(row(w, QStringLiteral("N"), 1), (QStringList{"T1", "100", "100.0%", "2", "0"}));
        EXPECT_EQ(row(w, QStringLiteral("N"), 2), (QStringList{"T2", "0", "0.0%", "0", "1"}));
        EXPECT_EQ(row(w, QStringLiteral("A"), 2), (QStringList{"T6", "50", "50.0%", "1", "1"}));
        EXPECT_EQ(labelText(w, QStringLiteral("NTpercBox")), QStringLiteral("50.0%"));
        EXPECT_EQ(labelText(w, QStringLiteral("ATpercBox")), QStringLiteral("83.3%"));
        EXPECT_EQ(control<QSlider>(w, QStringLiteral("sldATot"))->value(), 83);

        auto* spin = control<QSpinBox>(w, QStringLiteral("memSpin"));
        EXPECT_EQ(spin->maximum(), 2);
        spin->setValue(2);
        EXPECT_EQ(labelText(w, QStringLiteral("MemBox")), QStringLiteral("Cy"));
        EXPECT_EQ(labelText(w, QStringLiteral("NTpercBox")), QStringLiteral("33.3%"));
        EXPECT_EQ(labelText(w, QStringLiteral("ATpercBox")), QStringLiteral("0.0%"));
    });
}

TEST_F(ScoutingWindowTest, WithoutMembersTheChooserIsEmptyAndNoRowShows) {
    test::buildWorkedPool(h.pool());
    h.pool().numMembers = 0;
    ScoutingReport& w = open();
    EXPECT_EQ(labelText(w, QStringLiteral("MemBox")), QString());
    EXPECT_FALSE(control<QSpinBox>(w, QStringLiteral("memSpin"))->isEnabled());
    EXPECT_EQ(shownRows(w, QStringLiteral("N")), 0);
    EXPECT_EQ(shownRows(w, QStringLiteral("A")), 0);
    EXPECT_EQ(labelText(w, QStringLiteral("NTpercBox")), QStringLiteral("0.0%"));
}

TEST_F(ScoutingWindowTest, EachConferenceHasARowPerTeamOfTheLargestLeague) {
    test::fillLargestPool(h.pool());
    ScoutingReport& w = open();
    EXPECT_EQ(shownRows(w, QStringLiteral("N")), 19);
    EXPECT_EQ(shownRows(w, QStringLiteral("A")), 18);
    EXPECT_EQ(labelText(w, QStringLiteral("AteamBox17")), QStringLiteral("KIN"));
    test::expectWholeOnScreen(w, QStringLiteral("scouting"));

    // A smaller league later shows fewer rows.
    test::buildWorkedPool(h.pool());
    open();
    EXPECT_EQ(shownRows(w, QStringLiteral("N")), 4);
}

} // namespace
} // namespace vek
