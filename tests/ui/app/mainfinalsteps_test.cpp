// The end of start-up in the main window: the standings tool tip, the button states from the loaded
// data, the printer font and the pointer; and the button states kept current afterwards.
#include "app/main.h"
#include "setup/leaguemembers.h"
#include "setup/poolprofile.h"
#include "support/poolbuilder.h"
#include "support/uiharness.h"

#include <QPrinterInfo>
#include <QPushButton>

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
    window.startUp();

    EXPECT_TRUE(h.messages.requests.empty());
    EXPECT_EQ(button("cmdStandings")->toolTip(), QStringLiteral("View your pool's standings as of week 2."));
    // Three members, a verified schedule, two weeks of results, no point spreads.
    EXPECT_EQ(disabledButtons(), QStringList{QStringLiteral("cmdSpread")});
    // The engine and the mail settings ran as part of start-up.
    EXPECT_TRUE(h.session.teamsRecalculated);
    EXPECT_EQ(h.pool().pickDiffTotal[0][2], 16);
    EXPECT_NE(h.pool().memberOdds[0], 0.0F);
    EXPECT_EQ(h.pool().minWeekGames, 4);
    EXPECT_EQ(h.session.mail.smtpPort, 587);

    // The printer font is set only where a printer is installed; start-up ends normally either way.
    const bool printer =
        !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinterNames().isEmpty();
    EXPECT_EQ(h.session.printer.fontName, printer ? QStringLiteral("Courier New") : QString());
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainFinalSteps, AnEmptyFolderOffersOnlyTheSetupCommands) {
    window.startUp();
    ASSERT_EQ(h.messages.requests.size(), 1U); // the missing schedule
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

TEST_F(MainFinalSteps, ButtonsAreRecomputedWhenAnOpenedWindowReturns) {
    test::writeAllFiles(h.temp.folder(), *test::smallPool({.usePointSpreads = True16}));
    window.startUp();
    ASSERT_TRUE(button("cmdSpread")->isEnabled());

    // The pool options switch point spreads off without asking for a refresh.
    h.modal.onShow = [&](QDialog& dialog) {
        if (dynamic_cast<PoolProfile*>(&dialog) != nullptr) {
            h.pool().usePointSpreads = 0;
        }
        if (dynamic_cast<LeagueMembers*>(&dialog) != nullptr) {
            h.pool().numMembers = 0;
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

} // namespace
} // namespace vek
