// The end of start-up in the main window: the caption and panels from the loaded data, the standings
// tool tip, the button states, the printer font (without waiting for the print server) and the pointer; and the buttons, the week panel and the
// standings tip kept current afterwards.
#include "app/main.h"
#include "setup/leaguemembers.h"
#include "setup/poolprofile.h"
#include "support/poolbuilder.h"
#include "support/uiharness.h"

#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTcpServer>

#include <cups/cups.h>

#include <gtest/gtest.h>

namespace vek {
namespace {

const char* const AllButtons[] = {
    "cmdMembers",  "cmdPoolProfile", "cmdEventProfiles", "cmdPredict",    "cmdResults", "cmdSpread",
    "cmdSchedule", "cmdAlignment",   "cmdStats",         "cmdRatings",    "cmdCharts",  "cmdScout",
    "cmdLedger",   "cmdCompRslt",    "cmdStandings",     "cmdDifference", "cmdPrint",   "cmdExit",
};

class MainFinalSteps : public ::testing::Test {
protected:
    QPushButton* button(const char* name) {
        auto* found = window.findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString panel(int number) {
        return window.findChild<QLabel*>(QStringLiteral("panel%1").arg(number))->text();
    }
    QStringList disabledButtons() {
        QStringList names;
        for (const char* name : AllButtons) {
            if (!button(name)->isEnabled()) {
                names << QString::fromLatin1(name);
            }
        }
        return names;
    }

    test::UiHarness h;
    Main window{h.session, h.host};
};

TEST_F(MainFinalSteps, AWrittenPoolStartsWithItsCommandsOffered) {
    test::writeAllFiles(h.temp.folder(),
                        *test::smallPool({.usePointSpreads = 0, .weeklyPicks = 0, .currentWeek = 1}));
    h.temp.write(QStringLiteral("defaultserver.dat"), "smtp.example.org\r\n587\r\nme@example.org\r\n");
    // A print server that takes connections and never answers does not hold start-up up.
    QTcpServer wedged;
    ASSERT_TRUE(wedged.listen(QHostAddress::LocalHost));
    wedged.pauseAccepting();
    cupsSetServer(QStringLiteral("127.0.0.1:%1").arg(wedged.serverPort()).toUtf8().constData());
    const auto restore = qScopeGuard([] { cupsSetServer(nullptr); });
    QElapsedTimer clock;
    clock.start();
    window.startUp();
    EXPECT_LT(clock.elapsed(), 3000);

    EXPECT_TRUE(h.messages.requests.empty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kestrelmoor - VEK Football Pool   (2030 Season)"));
    EXPECT_EQ(panel(2), QStringLiteral("2030 Season"));
    EXPECT_EQ(panel(3), QStringLiteral("Week: 2"));
    EXPECT_EQ(button("cmdStandings")->toolTip(), QStringLiteral("View your pool's standings as of week 2."));
    // Three members, a verified schedule, two weeks of results, no point spreads.
    EXPECT_EQ(disabledButtons(), QStringList{QStringLiteral("cmdSpread")});
    // The engine and the mail settings ran as part of start-up.
    EXPECT_TRUE(h.session.teamsRecalculated);
    EXPECT_EQ(h.pool().pickDiffTotal[0][2], 16);
    EXPECT_NE(h.pool().memberOdds[0], 0.0F);
    EXPECT_EQ(h.pool().minWeekGames, 4);
    EXPECT_EQ(h.session.mail.smtpPort, 587);

    // The "PDF file" device is always there to take the printer font.
    EXPECT_EQ(h.session.printer.fontName, QStringLiteral("Courier New"));
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainFinalSteps, AnEmptyFolderOffersOnlyTheSetupCommands) {
    // The hourglass stays over the main window while the files load, up to the last step.
    Qt::CursorShape whileLoading = Qt::ArrowCursor;
    h.messages.onShow = [&](const Messages::Request&) { whileLoading = window.cursor().shape(); };
    window.startUp();
    ASSERT_EQ(h.messages.requests.size(), 1U); // the missing schedule
    EXPECT_EQ(whileLoading, Qt::WaitCursor);
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kestrelmoor")); // no schedule: the designer caption
    EXPECT_EQ(panel(3), QStringLiteral("Week: 0"));
    EXPECT_EQ(button("cmdStandings")->toolTip(), QStringLiteral("View your pool's standings as of week 0."));
    EXPECT_EQ(disabledButtons(), (QStringList{"cmdEventProfiles", "cmdPredict", "cmdResults", "cmdSpread",
                                              "cmdStats", "cmdRatings", "cmdCharts", "cmdScout", "cmdLedger",
                                              "cmdCompRslt", "cmdStandings", "cmdDifference"}));
    EXPECT_TRUE(button("cmdExit")->isEnabled());
}

TEST_F(MainFinalSteps, ButtonsFollowEveryConfirmedChange) {
    test::writeAllFiles(h.temp.folder(), *test::smallPool({.usePointSpreads = True16}));
    window.startUp();
    EXPECT_TRUE(disabledButtons().isEmpty());

    // An editing window confirms a change and asks the session to refresh the buttons.
    h.pool().numMembers = 1;
    EXPECT_TRUE(button("cmdDifference")->isEnabled()); // nothing changes before the request
    h.session.refreshMainButtons();
    EXPECT_EQ(disabledButtons(), QStringList{QStringLiteral("cmdDifference")});

    h.pool().numMembers = 0;
    h.pool().currentWeek = -1;
    h.session.refreshMainButtons();
    EXPECT_EQ(disabledButtons(), (QStringList{"cmdPredict", "cmdStats", "cmdRatings", "cmdCharts", "cmdScout",
                                              "cmdLedger", "cmdCompRslt", "cmdStandings", "cmdDifference"}));
}

TEST_F(MainFinalSteps, TheWeekPanelAndStandingsTipFollowSavedAndClearedResults) {
    test::writeAllFiles(h.temp.folder(), *test::smallPool({}));
    window.startUp();
    ASSERT_EQ(panel(3), QStringLiteral("Week: 2"));

    // The results window completes the third week and saves.
    PoolData& pool = h.pool();
    for (int game = 0; game < pool.games(2); ++game) {
        pool.gameWinner[2][game] = pool.scheduleGrid[2][game][1];
    }
    ASSERT_EQ(h.session.advanceCurrentWeek(), 2);
    ASSERT_TRUE(h.session.saveResults().ok);
    EXPECT_EQ(panel(3), QStringLiteral("Week: 3"));
    EXPECT_EQ(button("cmdStandings")->toolTip(), QStringLiteral("View your pool's standings as of week 3."));

    h.session.clearWeekResults(0);
    EXPECT_EQ(panel(3), QStringLiteral("Week: 0"));
    EXPECT_EQ(button("cmdStandings")->toolTip(), QStringLiteral("View your pool's standings as of week 0."));
    EXPECT_FALSE(button("cmdStandings")->isEnabled());
}

TEST_F(MainFinalSteps, TheWeekPanelFollowsASavedScheduleOfFewerWeeks) {
    test::writeAllFiles(h.temp.folder(), *test::smallPool({.currentWeek = 3})); // every week has results
    window.startUp();
    ASSERT_EQ(panel(3), QStringLiteral("Week: 4"));

    // The schedule editor drops the last week; OK asks whether to save the change, and Yes saves it.
    h.modal.onShow = [&](QDialog& dialog) {
        auto* weeks = dialog.findChild<QScrollBar*>(QStringLiteral("scrNofw"));
        weeks->setValue(weeks->value() - 1);
        h.messages.answers = {Messages::Answer::Yes};
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    };
    button("cmdSchedule")->click();
    ASSERT_EQ(h.pool().currentWeek, 2);
    EXPECT_EQ(panel(3), QStringLiteral("Week: 3"));
    EXPECT_EQ(button("cmdStandings")->toolTip(), QStringLiteral("View your pool's standings as of week 3."));
}

TEST_F(MainFinalSteps, ButtonsAreRecomputedWhenAnOpenedWindowReturns) {
    test::writeAllFiles(h.temp.folder(), *test::smallPool({.usePointSpreads = True16}));
    window.startUp();
    ASSERT_TRUE(button("cmdSpread")->isEnabled());

    // The pool options switch point spreads off; the member list is cleared.
    h.modal.onShow = [&](QDialog& dialog) {
        const auto click = [&dialog](const char* name) {
            dialog.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
        };
        if (dynamic_cast<PoolProfile*>(&dialog) != nullptr) {
            click("noPtsOption");
            click("cmdOk");
        }
        if (dynamic_cast<LeagueMembers*>(&dialog) != nullptr) {
            click("cmdClear");
            click("cmdOk");
        }
    };
    button("cmdPoolProfile")->click();
    EXPECT_EQ(disabledButtons(), QStringList{QStringLiteral("cmdSpread")});
    button("cmdMembers")->click();
    EXPECT_FALSE(button("cmdPredict")->isEnabled());
    EXPECT_FALSE(button("cmdStandings")->isEnabled());
    EXPECT_TRUE(button("cmdLedger")->isEnabled());
    EXPECT_TRUE(button("cmdExit")->isEnabled());
}

TEST_F(MainFinalSteps, TheCaptionAndSeasonPanelFollowASavedScheduleAndANewSeason) {
    window.startUp(); // a new pool: no schedule on file
    ASSERT_EQ(window.windowTitle(), Main::DesignerCaption);
    const int year = h.pool().seasonYear;
    const auto season = [](int y) {
        return std::pair{QStringLiteral("Kestrelmoor - VEK Football Pool   (%1 Season)").arg(y),
                         QStringLiteral("%1 Season").arg(y)};
    };
    std::vector<std::pair<QString, QString>> seen;
    h.modal.onShow = [&](QDialog& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
        seen.emplace_back(window.windowTitle(), panel(2));
        h.messages.answers = {Messages::Answer::Ok, Messages::Answer::Yes};
        dialog.findChild<QAction*>(QStringLiteral("menuNew"))->trigger();
        seen.emplace_back(window.windowTitle(), panel(2));
    };
    button("cmdSchedule")->click();
    EXPECT_EQ(seen, (std::vector{season(year), season(year + 1)}));
}

} // namespace
} // namespace vek
