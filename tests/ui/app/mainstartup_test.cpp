// The main window's part of start-up: the splash first, then the dressed main window, and the ways
// the loading stages reach the window.
#include "app/main.h"
#include "model/appinfo.h"
#include "support/uiharness.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(MainStartUp, SplashComesFirstOwnedByTheMainWindow) {
    test::UiHarness h;
    Main window(h.session, h.host);
    bool mainVisibleAtSplash = true;
    QWidget* owner = nullptr;
    Qt::CursorShape splashCursor = Qt::WaitCursor;
    h.modal.onShow = [&](QDialog& dialog) {
        mainVisibleAtSplash = window.isVisible();
        owner = dialog.parentWidget();
        splashCursor = dialog.cursor().shape();
    };
    window.startUp();

    ASSERT_FALSE(h.modal.shown.empty());
    EXPECT_EQ(h.modal.shown.front().objectName, QStringLiteral("frmSplash"));
    EXPECT_FALSE(mainVisibleAtSplash);
    EXPECT_EQ(owner, &window);
    EXPECT_EQ(splashCursor, Qt::ArrowCursor);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(h.pool().maxMembers, 500); // set by the loading stages
}

TEST(MainStartUp, ToolTipsAndAboutCaption) {
    test::UiHarness h;
    Main window(h.session, h.host);
    window.startUp();

    const std::pair<const char*, QString> tips[] = {
        {"cmdAlignment", QStringLiteral("Add/Edit/Change VEK team names and alignment.")},
        {"cmdCharts", QStringLiteral("View member predictions and VEK results in standings format.")},
        {"cmdCompRslt", QStringLiteral("Compare the results of each member's predictions.")},
        {"cmdDifference", QStringLiteral("Compare the differences between each member's predictions.")},
        {"cmdEventProfiles", QStringLiteral("Event profiles")},
        {"cmdExit", QStringLiteral("Exit Kestrelmoor - VEK Football Pool")},
        {"cmdLedger", QStringLiteral("View an event-by-event breakdown on your pool's point distribution.")},
        {"cmdMembers", QStringLiteral("Pool members")},
        {"cmdPoolProfile", QStringLiteral("Pool profile")},
        {"cmdPredict", QStringLiteral("Enter predictions")},
        {"cmdPrint", QStringLiteral("Print options")},
        {"cmdRatings", QStringLiteral("View a ratings chart on VEK team performance.")},
        {"cmdResults", QStringLiteral("Enter results")},
        {"cmdSchedule", QStringLiteral("View and/or enter new VEK schedule.")},
        {"cmdScout", QStringLiteral("Compare how successfull each member's team predictions have been.")},
        {"cmdSpread", QStringLiteral("Enter week's point spreads")},
        {"cmdStats", QStringLiteral("View detailed information on member predictions and VEK results.")},
    };
    for (const auto& [name, tip] : tips) {
        auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->toolTip(), tip) << name;
    }
    // The standings tip names the week that the week panel shows: the loaded week, 1-based.
    EXPECT_EQ(window.findChild<QPushButton*>(QStringLiteral("cmdStandings"))->toolTip(),
              QStringLiteral("View your pool's standings as of week %1.").arg(h.pool().currentWeek + 1));
    EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("helpAbout"))->text(),
              QStringLiteral("About Kestrelmoor - VEK Football Pool"));
}

TEST(MainStartUp, WindowPartsBeforeStartUp) {
    test::UiHarness h;
    Main window(h.session, h.host);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Kestrelmoor"));
    EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("helpAbout"))->text(), QStringLiteral("&About"));
    for (const char* name : {"menuEasy", "menuSettings", "helpView"}) {
        EXPECT_NE(window.findChild<QAction*>(QString::fromLatin1(name)), nullptr) << name;
    }
    for (const char* name : {"imgLogo", "Image1"}) {
        auto* logo = window.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(logo, nullptr) << name;
        EXPECT_FALSE(logo->pixmap().isNull()) << name;
    }
    // The standings button is the taller one.
    EXPECT_GT(window.findChild<QPushButton*>(QStringLiteral("cmdStandings"))->minimumHeight(),
              window.findChild<QPushButton*>(QStringLiteral("cmdPrint"))->minimumHeight());
}

TEST(MainStartUp, LoadingStagesReachTheWindowThroughTheSeams) {
    test::UiHarness h;
    Main window(h.session, h.host);
    StartupHost& host = window;

    host.showStartupMessage(QStringLiteral("VEK schedule is not on file"));
    ASSERT_EQ(h.messages.requests.size(), 1U);
    const auto& request = h.messages.requests.front();
    EXPECT_EQ(request.parent, &window);
    EXPECT_EQ(request.title, QStringLiteral("Kestrelmoor - VEK Football Pool Message"));
    EXPECT_EQ(request.text, QStringLiteral("VEK schedule is not on file"));
    EXPECT_EQ(request.icon, Messages::Icon::Information);
    EXPECT_EQ(request.buttons, Messages::Buttons::Ok);

    // Panels are numbered as the user sees them; a number outside them changes none.
    host.setStatusPanel(3, QStringLiteral("Week: 3"));
    host.setStatusPanel(0, QStringLiteral("ignored"));
    host.setStatusPanel(5, QStringLiteral("ignored"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("panel1"))->text(), QString());
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("panel3"))->text(), QStringLiteral("Week: 3"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("panel4"))->text(), QString());
}

} // namespace
} // namespace vek
