// The main window's commands: which window each button opens and what it sets first, the openers of
// the weekly entry and comparison windows, the hint panel, and Exit.
#include "app/main.h"
#include "entry/comparediffs.h"
#include "entry/resultspredict.h"
#include "model/appinfo.h"
#include "support/uiharness.h"

#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vek {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    // A pool that offers every command, so that the buttons stay enabled when a window returns and the
    // main window recomputes their states.
    MainWindowTest() {
        h.pool().numMembers = 2;
        h.pool().scheduleVerified = True16;
        h.pool().usePointSpreads = True16;
        h.pool().currentWeek = 0;
    }

    QPushButton* button(const char* name) {
        auto* found = window.findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString hint() { return window.findChild<QLabel*>(QStringLiteral("panel4"))->text(); }

    // Moves the pointer onto a point of a widget through the window system, from outside every window,
    // so that each call produces a move even when the pointer was already there.
    static void hover(QWidget* widget, QPoint pos = {}) {
        QCursor::setPos(-500, -500);
        QTest::mouseMove(widget, pos.isNull() ? widget->rect().center() : pos);
    }

    void showWindow() {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    test::UiHarness h;
    Main window{h.session, h.host};
};

TEST_F(MainWindowTest, EachButtonOpensItsWindowModallyWithoutOwner) {
    struct Case {
        const char* button;
        const char* window;
        const char* caption;
    };
    const Case cases[] = {
        {"cmdMembers", "LeagueMembers", "Pool Members"},
        {"cmdPoolProfile", "PoolProfile", "Pool Profile"},
        {"cmdEventProfiles", "EventProfiles", "Event Profiles"},
        {"cmdPredict", "ResultsPredict", "Member Predictions"},
        {"cmdResults", "ResultsPredict", "VEK Results"},
        {"cmdSpread", "ResultsPredict", "Spread Points"},
        {"cmdSchedule", "CreateSchedule", "View Schedule"},
        {"cmdAlignment", "vekalign", "VEK Alignment"},
        {"cmdStats", "LeagueStats", "League Statistics"},
        {"cmdRatings", "TeamRatings", "VEK Team Rating"},
        {"cmdCharts", "PredictionCharts", "Prediction Charts"},
        {"cmdScout", "ScoutingReport", "Scouting Report"},
        {"cmdLedger", "Ledger", "Ledger"},
        {"cmdCompRslt", "CompareDiffs", "Compare Results (against the point spread)"},
        {"cmdStandings", "LeagueStandings", "Pool Standings  (by Win/Loss Records against the point spread)"},
        {"cmdDifference", "CompareDiffs", "Compare Differences"},
        {"cmdPrint", "PrintWindow", "Kestrelmoor Print Options"},
    };
    int owned = 0;
    h.modal.onShow = [&](QDialog& dialog) { owned += dialog.parentWidget() != nullptr ? 1 : 0; };
    for (const Case& c : cases) {
        button(c.button)->click();
        ASSERT_EQ(h.modal.shown.size(), static_cast<size_t>(&c - cases + 1)) << c.button;
        const auto& shown = h.modal.shown.back();
        EXPECT_EQ(shown.className, QStringLiteral("vek::") + QString::fromLatin1(c.window)) << c.button;
        EXPECT_EQ(shown.objectName, QString::fromLatin1(c.window)) << c.button;
        EXPECT_EQ(shown.windowTitle, QString::fromLatin1(c.caption)) << c.button;
    }
    EXPECT_EQ(owned, 0);
    EXPECT_TRUE(h.messages.requests.empty());
}

TEST_F(MainWindowTest, ModeButtonsSetTheModeBeforeTheWindowOpens) {
    struct Case {
        const char* button;
        int entryMode; // -7: left alone
        int scheduleMode;
    };
    const Case cases[] = {
        {"cmdPredict", 0, -7},    {"cmdResults", 1, -7},        {"cmdSpread", 2, -7},
        {"cmdCompRslt", 1, -7},   {"cmdDifference", 0, -7},     {"cmdSchedule", -7, 0},
        {"cmdMembers", -7, -7},   {"cmdStandings", -7, -7},     {"cmdPrint", -7, -7},
        {"cmdAlignment", -7, -7}, {"cmdEventProfiles", -7, -7},
    };
    int entryAtShow = 0;
    int scheduleAtShow = 0;
    h.modal.onShow = [&](QDialog&) {
        entryAtShow = h.session.entryMode;
        scheduleAtShow = h.session.scheduleMode;
    };
    for (const Case& c : cases) {
        h.session.entryMode = -7;
        h.session.scheduleMode = -7;
        button(c.button)->click();
        EXPECT_EQ(entryAtShow, c.entryMode) << c.button;
        EXPECT_EQ(scheduleAtShow, c.scheduleMode) << c.button;
    }
}

TEST_F(MainWindowTest, WeeklyEntryReturnsToItsDesignerStateInResultsMode) {
    struct Seen {
        QString title;
        bool tieShown;
        bool f3Shown;
    };
    std::vector<Seen> seen;
    std::vector<QDialog*> instances;
    h.modal.onShow = [&](QDialog& dialog) {
        auto& entry = static_cast<ResultsPredict&>(dialog);
        seen.push_back({entry.windowTitle(), !entry.tieBox()->isHidden(), !entry.f3Box()->isHidden()});
        instances.push_back(&dialog);
    };
    for (const char* name : {"cmdPredict", "cmdResults", "cmdSpread", "cmdResults"}) {
        button(name)->click();
    }
    window.OpenResultsPredict(2); // as the guided setup opens it
    ASSERT_EQ(seen.size(), 5U);
    EXPECT_EQ(seen[0].title, QStringLiteral("Member Predictions"));
    EXPECT_FALSE(seen[0].tieShown);
    EXPECT_FALSE(seen[0].f3Shown);
    EXPECT_EQ(seen[1].title, QStringLiteral("VEK Results"));
    EXPECT_TRUE(seen[1].tieShown);
    EXPECT_TRUE(seen[1].f3Shown);
    EXPECT_EQ(seen[2].title, QStringLiteral("Spread Points"));
    EXPECT_FALSE(seen[2].tieShown);
    EXPECT_FALSE(seen[2].f3Shown);
    EXPECT_EQ(seen[3].title, QStringLiteral("VEK Results"));
    EXPECT_TRUE(seen[3].tieShown);
    EXPECT_TRUE(seen[3].f3Shown);
    EXPECT_EQ(seen[4].title, QStringLiteral("Spread Points"));
    EXPECT_FALSE(seen[4].tieShown);
    // One instance throughout, unloaded after each show.
    for (QDialog* instance : instances) {
        EXPECT_EQ(instance, instances.front());
    }
    EXPECT_FALSE(h.host.existing<ResultsPredict>()->isLoaded());
}

TEST_F(MainWindowTest, ComparisonCaptionsFollowTheModeAndThePointSpreads) {
    std::vector<std::pair<QString, QString>> seen; // caption, totals title
    h.modal.onShow = [&](QDialog& dialog) {
        auto& compare = static_cast<CompareDiffs&>(dialog);
        seen.emplace_back(compare.windowTitle(), compare.totTypeBox()->text());
    };
    h.pool().usePointSpreads = True16;
    button("cmdCompRslt")->click();
    button("cmdDifference")->click();
    h.pool().usePointSpreads = 1; // only -1 counts as true
    button("cmdCompRslt")->click();
    h.pool().usePointSpreads = 0;
    button("cmdCompRslt")->click();
    h.session.entryMode = 0;    // the window's own load sets the texts of entryMode 0, the designer texts
    window.OpenCompareDiffs(3); // an unknown mode sets nothing: the designer texts stay
    ASSERT_EQ(seen.size(), 5U);
    EXPECT_EQ(seen[0].first, QStringLiteral("Compare Results (against the point spread)"));
    EXPECT_EQ(seen[0].second, QStringLiteral("Total Wins"));
    EXPECT_EQ(seen[1].first, QStringLiteral("Compare Differences"));
    EXPECT_EQ(seen[1].second, QStringLiteral("Total Differences"));
    EXPECT_EQ(seen[2].first, QStringLiteral("Compare Results"));
    EXPECT_EQ(seen[2].second, QStringLiteral("Total Wins"));
    EXPECT_EQ(seen[3].first, QStringLiteral("Compare Results"));
    EXPECT_EQ(seen[4].first, QStringLiteral("Compare Differences"));
    EXPECT_EQ(seen[4].second, QStringLiteral("Total Differences"));
}

TEST_F(MainWindowTest, ScheduleEditorIsCaptionedViewScheduleEveryTime) {
    std::vector<QString> titles;
    h.modal.onShow = [&](QDialog& dialog) { titles.push_back(dialog.windowTitle()); };
    button("cmdSchedule")->click();
    button("cmdSchedule")->click();
    ASSERT_EQ(titles.size(), 2U);
    EXPECT_EQ(titles[0], QStringLiteral("View Schedule"));
    EXPECT_EQ(titles[1], QStringLiteral("View Schedule"));
}

TEST_F(MainWindowTest, HintPanelShowsTheButtonUnderThePointer) {
    showWindow();
    const std::pair<const char*, QString> hints[] = {
        {"cmdMembers", QStringLiteral("Add/Edit/Delete pool member information.")},
        {"cmdPoolProfile", QStringLiteral("Pool options profile.")},
        {"cmdEventProfiles", QStringLiteral("Pool event values and options profile.")},
        {"cmdPredict", QStringLiteral("Add/Edit/Delete game predictions.")},
        {"cmdResults", QStringLiteral("Add/Edit/Delete game results.")},
        {"cmdSpread", QStringLiteral("Add/Edit/Delete game spread points.")},
        {"cmdSchedule", QStringLiteral("Add/Edit/Delete vekaran season schedule.")},
        {"cmdAlignment", QStringLiteral("View/Modify vekaran team alignment.")},
        {"cmdStats", QStringLiteral("View pool statistics.")},
        {"cmdRatings", QStringLiteral("View team ratings.")},
        {"cmdCharts", QStringLiteral("View team and pool win/loss charts.")},
        {"cmdScout",
         QStringLiteral("View a report on how successfull pool members have predicted the winners.")},
        {"cmdLedger", QStringLiteral("View pool member's event points ledger.")},
        {"cmdCompRslt", QStringLiteral("View prediction results comparison.")},
        {"cmdStandings", QStringLiteral("View pool standings and information.")},
        {"cmdDifference", QStringLiteral("View differences between pool member predictions.")},
        {"cmdPrint", QStringLiteral("View printout options and settings.")},
        {"cmdExit", QStringLiteral("Exit Kestrelmoor - VEK Football Pool")},
    };
    for (const auto& [name, text] : hints) {
        hover(button(name));
        EXPECT_EQ(hint(), text) << name;
    }
}

TEST_F(MainWindowTest, FrameBackgroundAndDisabledButtonsClearTheHint) {
    showWindow();
    for (const char* frameName : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5"}) {
        auto* frame = window.findChild<QGroupBox*>(QString::fromLatin1(frameName));
        ASSERT_NE(frame, nullptr);
        hover(button("cmdMembers"));
        ASSERT_FALSE(hint().isEmpty());
        const QPoint background(frame->width() / 2, frame->height() - 6); // below its last button
        ASSERT_EQ(frame->childAt(background), nullptr) << frameName;
        hover(frame, background);
        EXPECT_EQ(hint(), QString()) << frameName;
    }

    // The window's own background leaves the hint alone.
    hover(button("cmdLedger"));
    hover(window.centralWidget(), QPoint(2, window.centralWidget()->height() - 2));
    EXPECT_EQ(hint(), QStringLiteral("View pool member's event points ledger."));

    button("cmdStats")->setEnabled(false);
    hover(button("cmdStats"));
    EXPECT_EQ(hint(), QString());
}

TEST_F(MainWindowTest, ExitAndCloseBoxEndTheProgramWithoutAsking) {
    QSignalSpy exits(&window, &Main::exitRequested);
    button("cmdExit")->click();
    EXPECT_EQ(exits.count(), 1);

    showWindow();
    EXPECT_TRUE(window.close()); // the close box
    EXPECT_EQ(exits.count(), 2);
    EXPECT_TRUE(h.messages.requests.empty());
    EXPECT_TRUE(h.modal.shown.empty());
}

} // namespace
} // namespace vek
