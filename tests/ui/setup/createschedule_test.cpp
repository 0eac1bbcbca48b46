// The schedule editor's wiring: its caption, team and game clicks, "Mark rest as bye", swaps, the
// spinners, Verify, Save, New season and the statistics window, closing with unsaved changes, and how
// it looks with the largest league and the longest season.
#include "leaguescreens.h"
#include "model/schedulefile.h"
#include "session/poolsession.h"
#include "setup/createschedule.h"
#include "setup/seasonaldata.h"
#include "support/controls.h"
#include "support/poolbuilder.h"
#include "support/uiharness.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace vek {
namespace {

using Answer = Messages::Answer;

class CreateScheduleTest : public ::testing::Test {
protected:
    CreateScheduleTest() {
        test::fillSamplePool(h.pool(), {QStringLiteral("Margaret Smith")}, 2);
        test::writeAllFiles(h.temp.folder(), h.pool());
        QObject::connect(&h.session, &PoolSession::mainButtonsRefreshRequested, [this] { ++refreshes; });
    }

    /// Opens the editor as the main window does and shows it.
    CreateSchedule& open() {
        h.session.scheduleMode = 0;
        CreateSchedule& window = h.host.window<CreateSchedule>();
        window.setWindowTitle(QStringLiteral("View Schedule"));
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }
    CreateSchedule& editor() { return *h.host.existing<CreateSchedule>(); }
    template <class W> W* find(const QString& name) {
        auto* found = editor().findChild<W*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLabel* label(const QString& name) { return find<QLabel>(name); }
    QLabel* team(int code) { return label(QStringLiteral("teamBox%1").arg(code)); }
    QLabel* entry(int box) { return label(QStringLiteral("gameBox%1").arg(box)); }
    QPushButton* button(const QString& name) { return find<QPushButton>(name); }
    QScrollBar* bar(const QString& name) { return find<QScrollBar>(name); }
    QAction* action(const QString& name) { return find<QAction>(name); }
    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    QStringList checkLines() {
        QStringList lines;
        auto* list = find<QListWidget>(QStringLiteral("checkList"));
        for (int row = 0; row < list->count(); ++row) {
            lines << list->item(row)->text();
        }
        return lines;
    }
    /// Empties week w of the schedule in memory, as if never entered.
    void emptyWeek(int week) {
        for (auto& slot : h.pool().scheduleGrid[week]) {
            slot = {h.pool().noneCode(), h.pool().noneCode(), 0};
        }
    }

    test::UiHarness h;
    int refreshes = 0;
};

TEST_F(CreateScheduleTest, CaptionIsTheDesignersAtEveryLoadAndAfterNewSeason) {
    open();
    EXPECT_EQ(editor().windowTitle(), QStringLiteral("View Schedule"));
    editor().done(QDialog::Accepted);
    EXPECT_EQ(h.host.window<CreateSchedule>().windowTitle(), QStringLiteral("Create Schedule"));
    editor().setWindowTitle(QStringLiteral("View Schedule"));

    h.messages.answers = {Answer::Ok, Answer::Yes};
    action(QStringLiteral("menuNew"))->trigger();
    ASSERT_EQ(h.messages.requests.size(), 2U);
    EXPECT_EQ(h.messages.requests[0].icon, Messages::Icon::None);
    EXPECT_TRUE(h.messages.requests[0].text.endsWith(QStringLiteral("look under 'downloads'.")));
    const Messages::Request& question = h.messages.requests[1];
    EXPECT_EQ(question.buttons, Messages::Buttons::YesNo);
    EXPECT_EQ(question.defaultAnswer, Answer::No);
    EXPECT_TRUE(question.text.startsWith(QStringLiteral("Before you enter a new schedule, you MUST")));
    EXPECT_TRUE(question.text.endsWith(QStringLiteral("\n\nDo you want to continue ?")));

    EXPECT_EQ(editor().windowTitle(), QStringLiteral("Create Schedule"));
    EXPECT_TRUE(h.temp.exists(QStringLiteral("schedule.old")));
    EXPECT_EQ(label(QStringLiteral("yearBox"))->text(), QStringLiteral("2025"));
    EXPECT_EQ(label(QStringLiteral("nofwBox"))->text(), QStringLiteral("18"));
    EXPECT_EQ(editor().board().state(0), TeamState::Free);
    EXPECT_EQ(entry(0)->text().trimmed(), QString());
    EXPECT_EQ(h.session.scheduleMode, 1);
}

TEST_F(CreateScheduleTest, NewSeasonShowsTheSlotsTheLeagueNeeds) {
    h.pool().gamesPerWeek = 12;
    open();
    EXPECT_FALSE(entry(24)->isVisible());
    h.messages.answers = {Answer::Ok, Answer::Yes};
    action(QStringLiteral("menuNew"))->trigger();
    EXPECT_TRUE(entry(31)->isVisible());
    EXPECT_FALSE(entry(32)->isVisible());
}

TEST_F(CreateScheduleTest, NewSeasonAnsweredNoChangesNothing) {
    open();
    h.messages.answers = {Answer::Ok, Answer::No};
    action(QStringLiteral("menuNew"))->trigger();
    EXPECT_TRUE(h.temp.exists(QStringLiteral("schedule.dat")));
    EXPECT_EQ(h.pool().seasonYear, 2024);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(CreateScheduleTest, ClicksBuildTheWeekAndTheHintsFollow) {
    emptyWeek(0);
    open();
    EXPECT_TRUE(entry(0)->styleSheet().contains(QStringLiteral("background-color: #000000"))); // the cursor
    const int homeGames = editor().board().homeCount(17);
    click(team(0));
    click(team(17)); // an AFC team at home
    EXPECT_EQ(entry(0)->text(), QStringLiteral("T01"));
    EXPECT_TRUE(entry(0)->styleSheet().contains(QStringLiteral("color: #0000ff")));
    EXPECT_TRUE(entry(1)->styleSheet().contains(QStringLiteral("color: #ff0000")));
    EXPECT_EQ(label(QStringLiteral("homeBox"))->text(), QString::number(homeGames + 1));
    EXPECT_EQ(editor().board().state(17), TeamState::Locked);

    find<QRadioButton>(QStringLiteral("byeOption"))->setChecked(true);
    click(team(5));
    EXPECT_EQ(h.pool().scheduleGrid[0][1][0], ByeFlag + 5);
    click(button(QStringLiteral("cmdBye")));
    EXPECT_EQ(editor().board().cursorSlot(), -1);
    EXPECT_EQ(h.pool().scheduleGrid[0][1][1], ByeFlag + 1); // byes fill on after the one entered by hand
    EXPECT_EQ(h.pool().scheduleGrid[0][15][1], ByeFlag + 31);
    EXPECT_TRUE(entry(3)->styleSheet().contains(QStringLiteral("color: #000080")));
    EXPECT_TRUE(team(31)->styleSheet().contains(QStringLiteral("color: #000080")));

    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(team(9), &move);
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("fnameBox"))->text(), QStringLiteral("Team 10"));
    EXPECT_EQ(label(QStringLiteral("desBox"))->text(),
              QStringLiteral("Team has been marked as having a bye."));
    QCoreApplication::sendEvent(team(17), &move);
    EXPECT_EQ(label(QStringLiteral("desBox"))->text(), QStringLiteral("Team has already been scheduled."));

    // The next week shows its own teams, entered as games again.
    bar(QStringLiteral("scrWeek"))->setValue(1);
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("schedOption"))->isChecked());
    EXPECT_EQ(label(QStringLiteral("weekBox"))->text(), QStringLiteral("2"));
    EXPECT_EQ(editor().board().state(2), TeamState::Bye);
    EXPECT_FALSE(team(31)->styleSheet().contains(QStringLiteral("color: #000080")));
}

TEST_F(CreateScheduleTest, AFullWeekTakesNoMoreTeamsAndSaysSo) {
    h.pool().gamesPerWeek = 15;
    emptyWeek(0);
    open();
    for (int code = 0; code < 30; ++code) {
        click(team(code));
    }
    click(team(30));
    EXPECT_EQ(label(QStringLiteral("desBox"))->text(), CreateSchedule::WeekFullHint);
    EXPECT_EQ(editor().board().state(30), TeamState::Free);
    label(QStringLiteral("desBox"))->clear();
    click(button(QStringLiteral("cmdBye")));
    EXPECT_EQ(label(QStringLiteral("desBox"))->text(), CreateSchedule::WeekFullHint);
    click(team(3)); // taken out: its place is free again
    click(team(30));
    EXPECT_EQ(h.pool().scheduleGrid[0][1][1], 30);
}

TEST_F(CreateScheduleTest, SwapVerifySaveAndStatistics) {
    open();
    auto* cmdSwap = button(QStringLiteral("cmdSwap"));
    EXPECT_FALSE(cmdSwap->isEnabled());
    click(label(QStringLiteral("swapBox0")));
    click(label(QStringLiteral("swapBox2")));
    EXPECT_EQ(label(QStringLiteral("swapBox2"))->text(), QString(QChar(187)));
    EXPECT_TRUE(cmdSwap->isEnabled());
    const auto game0 = h.pool().scheduleGrid[0][0];
    click(cmdSwap);
    EXPECT_EQ(h.pool().scheduleGrid[0][2], game0);
    EXPECT_FALSE(cmdSwap->isEnabled());
    EXPECT_EQ(label(QStringLiteral("swapBox2"))->text(), QString());
    EXPECT_FALSE(label(QStringLiteral("swapBox15"))->isVisible()); // the bye slot has no pointer

    click(button(QStringLiteral("cmdVerify")));
    EXPECT_EQ(checkLines(), QStringList{QStringLiteral("Success !")});
    EXPECT_EQ(find<QGroupBox>(QStringLiteral("verifyFrame"))->title(), QStringLiteral("Verify Status"));
    EXPECT_EQ(label(QStringLiteral("verifyBox"))->text(), QStringLiteral("T32"));
    EXPECT_EQ(refreshes, 1);

    bar(QStringLiteral("scrYear"))->setValue(2026);
    bar(QStringLiteral("scrNofw"))->setValue(19);
    EXPECT_EQ(bar(QStringLiteral("scrWeek"))->maximum(), 18);
    click(button(QStringLiteral("cmdSave")));
    EXPECT_TRUE(h.messages.requests.empty());
    EXPECT_TRUE(h.temp.read(QStringLiteral("schedule.dat")).startsWith("2026\r\n19\r\n"));

    h.modal.onShow = [](QDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), QStringLiteral("Schedule Information"));
    };
    action(QStringLiteral("menuStats"))->trigger();
    ASSERT_EQ(h.modal.shown.size(), 1U);
    EXPECT_EQ(h.modal.shown[0].className, QStringLiteral("vek::SeasonalData"));

    click(button(QStringLiteral("cmdOk"))); // saved: closes without a question
    EXPECT_TRUE(h.messages.requests.empty());
    EXPECT_FALSE(editor().isLoaded());
}

TEST_F(CreateScheduleTest, ClosingWithUnsavedChangesSavesPutsBackOrStays) {
    const auto saved = h.pool().scheduleGrid;
    const QByteArray file = h.temp.read(QStringLiteral("schedule.dat"));
    open();
    click(team(0)); // its bye taken out of week 1
    bar(QStringLiteral("scrYear"))->setValue(2030);
    for (const Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
        SCOPED_TRACE(static_cast<int>(answer));
        if (!editor().isLoaded()) {
            open();
            click(team(0));
            bar(QStringLiteral("scrYear"))->setValue(2030);
        }
        h.messages.answers = {answer};
        if (answer == Answer::Yes) {
            click(button(QStringLiteral("cmdOk")));
        } else {
            editor().reject(); // the close box, or Esc
        }
        ASSERT_EQ(h.messages.requests.size(), 1U);
        EXPECT_EQ(h.messages.requests[0].text, CreateSchedule::UnsavedQuestion);
        EXPECT_EQ(h.messages.requests[0].buttons, Messages::Buttons::YesNoCancel);
        EXPECT_EQ(h.messages.requests[0].defaultAnswer, Answer::Cancel);
        EXPECT_EQ(editor().isLoaded(), answer == Answer::Cancel);
        if (answer == Answer::No) {
            EXPECT_EQ(h.pool().scheduleGrid, saved);
            EXPECT_EQ(h.pool().seasonYear, 2024);
        } else {
            EXPECT_EQ(h.pool().scheduleGrid[0][15][0], h.pool().noneCode());
            EXPECT_EQ(h.pool().seasonYear, 2030);
        }
        EXPECT_EQ(h.temp.read(QStringLiteral("schedule.dat")) == file, answer != Answer::Yes);
        h.messages.requests.clear();
    }
}

TEST_F(CreateScheduleTest, AFailedSaveKeepsTheWindowOpen) {
    open();
    click(team(0));
    QFile::remove(h.temp.filePath(QStringLiteral("schedule.dat")));
    ASSERT_TRUE(QDir(h.temp.path()).mkpath(QStringLiteral("schedule.dat/inside")));
    h.messages.answers = {Answer::Yes};
    click(button(QStringLiteral("cmdOk")));
    ASSERT_EQ(h.messages.requests.size(), 2U);
    EXPECT_TRUE(h.messages.requests[1].text.startsWith(QStringLiteral("schedule.dat could not be saved: ")));
    EXPECT_TRUE(editor().isLoaded());
    EXPECT_EQ(h.pool().scheduleGrid[0][15][0], h.pool().noneCode());
}

TEST_F(CreateScheduleTest, TheLargestLeagueAndLongestSeasonAreReadable) {
    test::fillLargestLeague(h.pool());
    test::fillLongestSeason(h.pool());
    CreateSchedule& window = open();
    bar(QStringLiteral("scrWeek"))->setValue(18);
    click(team(36));
    click(team(36));
    click(button(QStringLiteral("cmdVerify")));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(team(36), &move);
    click(label(QStringLiteral("swapBox4")));
    for (int code = 0; code < MaxRealTeams; ++code) {
        EXPECT_TRUE(team(code)->isVisible()) << code;
    }
    EXPECT_TRUE(entry(37)->isVisible());
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("fnameBox"))->text(), h.pool().teamName[36]);
    test::expectNothingCutOff(window, QStringLiteral("createschedule"));
    test::expectRowsWhole(window);
    label(QStringLiteral("desBox"))->setText(CreateSchedule::WeekFullHint);
    test::expectNothingCutOff(window, QStringLiteral("createschedule-hint"));
}

} // namespace
} // namespace vek
