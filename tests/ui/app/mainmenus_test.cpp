// The main window's menus: the guided setup, the mail settings window, the user guide page and the
// about box.
#include "app/main.h"
#include "support/uiharness.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

namespace vek {
namespace {

const QString Title = QStringLiteral("Kestrelmoor - VEK Football Pool Message");
const QString AlignmentText =
    QStringLiteral("View the current VEK alignment and team names/cities. Make any changes if necessary.  "
                   "CAUTION! If any predictions  have been already entered, changing the alignment will "
                   "change the predictions.");
const QString ScheduleText =
    QStringLiteral("View the current VEK schedule. Make any changes if necessary.  CAUTION! If any "
                   "predictions  have been already entered, changing the schedule will change the "
                   "predictions.");
const QString ProfileText = QStringLiteral("Choose and set the Pool Profile options.");
const QString EventsText = QStringLiteral("Choose and set the Event Profile options.");
const QString MembersText = QStringLiteral("Enter the pool member's names.");
const QString SpreadsText = QStringLiteral("Enter 1st week's point spreads.");
const QString PicksText = QStringLiteral("Enter member's predictions.");

/// Records the documents handed to the desktop; answers as a desktop with or without a browser.
class RecordingUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override {
        urls.push_back(url);
        return browserStarts;
    }
    std::vector<QUrl> urls;
    bool browserStarts = true;
};

class MainMenus : public ::testing::Test {
protected:
    MainMenus() {
        // Each show is logged after the messages that came before it, with the modes it was shown with.
        h.modal.onShow = [this](QDialog& dialog) {
            log << QStringLiteral("%1 messages, %2 \"%3\" entry %4 schedule %5")
                       .arg(h.messages.requests.size())
                       .arg(dialog.objectName(), dialog.windowTitle())
                       .arg(h.session.entryMode)
                       .arg(h.session.scheduleMode);
            if (onShow) {
                onShow(dialog);
            }
        };
        h.session.entryMode = 7;
        h.session.scheduleMode = 7;
    }

    QAction* action(const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }
    /// A click on a control of a window the guided setup has opened.
    static void click(QDialog& dialog, const char* name) {
        dialog.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    }
    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& request : h.messages.requests) {
            texts << request.text;
        }
        return texts;
    }

    test::UiHarness h;
    Main window{h.session, h.host};
    QStringList log;
    std::function<void(QDialog&)> onShow;
};

TEST_F(MainMenus, GuidedSetupWithoutSpreadsOrMembersEndsWithTheMemberList) {
    action("menuEasy")->trigger();
    EXPECT_EQ(messageTexts(),
              (QStringList{AlignmentText, ScheduleText, ProfileText, EventsText, MembersText}));
    EXPECT_EQ(log, (QStringList{
                       QStringLiteral("1 messages, vekalign \"VEK Alignment\" entry 7 schedule 7"),
                       QStringLiteral("2 messages, CreateSchedule \"View Schedule\" entry 7 schedule 0"),
                       QStringLiteral("3 messages, PoolProfile \"Pool Profile\" entry 7 schedule 0"),
                       // Opened although the Events button is disabled without a verified schedule.
                       QStringLiteral("4 messages, EventProfiles \"Event Profiles\" entry 7 schedule 0"),
                       QStringLiteral("5 messages, LeagueMembers \"Pool Members\" entry 7 schedule 0"),
                   }));
    for (const auto& request : h.messages.requests) {
        EXPECT_EQ(request.title, Title);
        EXPECT_EQ(request.icon, Messages::Icon::Information);
        EXPECT_EQ(request.buttons, Messages::Buttons::Ok);
        EXPECT_EQ(request.parent, &window);
    }
}

TEST_F(MainMenus, GuidedSetupLooksAtSpreadsAndMembersWhenItGetsThere) {
    // Point spreads switched on in the pool options and a first member added: both late steps follow.
    onShow = [this](QDialog& dialog) {
        if (dialog.objectName() == QStringLiteral("PoolProfile")) {
            click(dialog, "wkwOption");
            click(dialog, "yesPtsOption");
            click(dialog, "cmdOk");
        } else if (dialog.objectName() == QStringLiteral("LeagueMembers")) {
            dialog.findChild<QLineEdit*>(QStringLiteral("nameInput"))
                ->setText(QStringLiteral("Margaret Smith"));
            click(dialog, "cmdAdd");
            click(dialog, "cmdOk");
            h.pool().scheduleVerified = True16;
        }
    };
    action("menuEasy")->trigger();
    EXPECT_EQ(messageTexts(), (QStringList{AlignmentText, ScheduleText, ProfileText, EventsText, MembersText,
                                           SpreadsText, PicksText}));
    ASSERT_EQ(log.size(), 7);
    EXPECT_EQ(log[5], QStringLiteral("6 messages, ResultsPredict \"Spread Points\" entry 2 schedule 0"));
    EXPECT_EQ(log[6], QStringLiteral("7 messages, ResultsPredict \"Member Predictions\" entry 0 schedule 0"));
    // The buttons follow what the setup changed.
    EXPECT_TRUE(window.findChild<QPushButton*>(QStringLiteral("cmdPredict"))->isEnabled());
    EXPECT_TRUE(window.findChild<QPushButton*>(QStringLiteral("cmdSpread"))->isEnabled());
}

TEST_F(MainMenus, GuidedSetupDropsTheSpreadsStepWhenSpreadsAreSwitchedOff) {
    h.pool().weeklyPicks = 1;
    h.pool().usePointSpreads = True16;
    h.pool().numMembers = 2;
    onShow = [](QDialog& dialog) {
        if (dialog.objectName() == QStringLiteral("PoolProfile")) {
            click(dialog, "noPtsOption");
            click(dialog, "cmdOk");
        }
    };
    action("menuEasy")->trigger();
    EXPECT_EQ(messageTexts(),
              (QStringList{AlignmentText, ScheduleText, ProfileText, EventsText, MembersText, PicksText}));
    ASSERT_EQ(log.size(), 6);
    EXPECT_TRUE(log[5].contains(QStringLiteral("\"Member Predictions\" entry 0")));

    // A flag of 1 is not true: no spreads step.
    log.clear();
    h.messages.requests.clear();
    h.pool().usePointSpreads = 1;
    onShow = nullptr;
    action("menuEasy")->trigger();
    EXPECT_FALSE(messageTexts().contains(SpreadsText));
}

TEST_F(MainMenus, SettingsAndAboutOpenModallyWithoutOwner) {
    std::vector<QWidget*> owners;
    onShow = [&](QDialog& dialog) { owners.push_back(dialog.parentWidget()); };
    // Before start-up the buttons keep their designer state; a returning window sets them from the data.
    auto* cmdPredict = window.findChild<QPushButton*>(QStringLiteral("cmdPredict"));
    ASSERT_TRUE(cmdPredict->isEnabled());
    action("menuSettings")->trigger();
    EXPECT_FALSE(cmdPredict->isEnabled());
    action("helpAbout")->trigger();
    ASSERT_EQ(h.modal.shown.size(), 2U);
    EXPECT_EQ(h.modal.shown[0].objectName, QStringLiteral("frmSettings"));
    EXPECT_EQ(h.modal.shown[0].windowTitle, QStringLiteral("SMTP Servers"));
    EXPECT_EQ(h.modal.shown[1].objectName, QStringLiteral("frmAbout"));
    EXPECT_EQ(h.modal.shown[1].windowTitle, QStringLiteral("About Kestrelmoor - VEK Football Pool"));
    EXPECT_EQ(owners, (std::vector<QWidget*>{nullptr, nullptr}));
    EXPECT_TRUE(h.messages.requests.empty()); // no settings file: the window opens without a message
}

TEST_F(MainMenus, UserGuideIsHandedToTheDesktopAndABrowserThatCannotStartIsReported) {
    RecordingUrlOpener opener;
    window.setUrlOpener(opener);
    action("helpView")->trigger();
    ASSERT_EQ(opener.urls.size(), 1U);
    EXPECT_EQ(opener.urls[0], QUrl::fromLocalFile(h.temp.filePath(QStringLiteral("qhvnab.htm"))));
    EXPECT_TRUE(h.messages.requests.empty());

    // A page copied from a system that wrote its name in capitals is found all the same.
    h.temp.write(QStringLiteral("QHVNAB.HTM"), "<html></html>");
    opener.browserStarts = false;
    action("helpView")->trigger();
    ASSERT_EQ(opener.urls.size(), 2U);
    const QString page = h.temp.filePath(QStringLiteral("QHVNAB.HTM"));
    EXPECT_EQ(opener.urls[1], QUrl::fromLocalFile(page));
    ASSERT_EQ(h.messages.requests.size(), 1U);
    const auto& request = h.messages.requests[0];
    EXPECT_EQ(request.text,
              QStringLiteral("The user guide %1 could not be shown: no program to show it could "
                             "be started.")
                  .arg(QDir::toNativeSeparators(page)));
    EXPECT_EQ(request.title, Title);
    EXPECT_EQ(request.icon, Messages::Icon::Warning);
    EXPECT_EQ(request.buttons, Messages::Buttons::Ok);
    EXPECT_EQ(request.parent, &window);
    EXPECT_TRUE(h.modal.shown.empty());
}

} // namespace
} // namespace vek
