// New pools set up from an empty folder through the guided setup's seven steps, as a user would: the
// teams named, a whole schedule built team by team, verified and saved, the pool options and scoring
// rules chosen, the members entered; the spreads and predictions windows closed. Start-up then reads
// the pool back with all of it.
#include "app/main.h"
#include "app/startup.h"
#include "setup/createschedule.h"
#include "setup/vekalign.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/uiharness.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace vek {
namespace {

template <class W> W* child(QDialog& dialog, const QString& name) {
    auto* found = dialog.findChild<W*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

// Renames the first team of every division, then OK.
void nameTeams(QDialog& league) {
    const QStringList stems{"nfce", "nfcn", "nfcs", "nfcw", "afce", "afcn", "afcs", "afcw"};
    for (int d = 0; d < 8; ++d) {
        child<QListWidget>(league, QStringLiteral("f%1List").arg(stems[d]))->setCurrentRow(0);
        child<QPushButton>(league, stems[d] + QStringLiteral("Edit"))->click();
        child<QLineEdit>(league, QStringLiteral("fnameInput"))
            ->setText(QStringLiteral("First City %1").arg(d));
        child<QLineEdit>(league, QStringLiteral("anameInput"))->setText(QStringLiteral("FC%1").arg(d));
        child<QPushButton>(league, stems[d] + QStringLiteral("Add"))->click();
    }
    child<QPushButton>(league, QStringLiteral("cmdOK"))->click();
}

// Enters the sample season's games team by team and gives the rest of each week its byes, then
// Verify, Save and OK. Returns the check list's lines.
QStringList buildSchedule(QDialog& editor) {
    const auto season = test::newPool();
    season->numTeams = 32;
    test::fillSampleSchedule(*season);
    child<QScrollBar>(editor, QStringLiteral("scrYear"))->setValue(2024);
    for (int week = 0; week < 17; ++week) {
        child<QScrollBar>(editor, QStringLiteral("scrWeek"))->setValue(week);
        for (int slot = 0; slot < season->games(week); ++slot) {
            for (int side = 0; side < 2; ++side) {
                const int team = season->scheduleGrid[week][slot][side];
                QTest::mouseClick(child<QLabel>(editor, QStringLiteral("teamBox%1").arg(team)),
                                  Qt::LeftButton);
            }
        }
        child<QPushButton>(editor, QStringLiteral("cmdBye"))->click();
    }
    child<QPushButton>(editor, QStringLiteral("cmdVerify"))->click();
    QStringList lines;
    auto* checkList = child<QListWidget>(editor, QStringLiteral("checkList"));
    for (int row = 0; row < checkList->count(); ++row) {
        lines << checkList->item(row)->text();
    }
    child<QPushButton>(editor, QStringLiteral("cmdSave"))->click();
    child<QPushButton>(editor, QStringLiteral("cmdOk"))->click();
    return lines;
}

// Week to week with point spreads, confidence points numbered from the week's games, the closest
// Monday-night total either way, credit split among the winners; then OK.
void chooseOptions(QDialog& profile) {
    for (const char* option : {"wkwOption", "yesPtsOption", "yesCpOption", "cp2Option", "mnanyOption",
                               "creditOption", "splitCheck"}) {
        child<QAbstractButton>(profile, QString::fromLatin1(option))->click();
    }
    child<QPushButton>(profile, QStringLiteral("cmdOk"))->click();
}

// Season points 3000, no Wild Choice event, a first quarter of 5 weeks; then OK.
void setScoringRules(QDialog& profiles) {
    child<QSpinBox>(profiles, QStringLiteral("sptSpin"))->setValue(3000);
    child<QPushButton>(profiles, QStringLiteral("cmdClrWC"))->click();
    child<QSpinBox>(profiles, QStringLiteral("qSpin0"))->setValue(5);
    child<QPushButton>(profiles, QStringLiteral("cmdOK"))->click();
}

// Three members typed in with their addresses, the second the default member; then Ok.
void enterMembers(QDialog& members) {
    for (const auto& [name, email] :
         {std::pair{"Margaret Smith", "margaret@example.org"}, std::pair{"Bob Jones", "bob@example.org"},
          std::pair{"Carla Castillo", "carla@example.org"}}) {
        QTest::keyClicks(child<QLineEdit>(members, QStringLiteral("nameInput")), QString::fromLatin1(name));
        QTest::keyClicks(child<QLineEdit>(members, QStringLiteral("emailInput")), QString::fromLatin1(email));
        child<QPushButton>(members, QStringLiteral("cmdAdd"))->click();
    }
    auto* defaults = child<QComboBox>(members, QStringLiteral("defmemList"));
    defaults->setCurrentIndex(1);
    emit defaults->activated(1);
    child<QPushButton>(members, QStringLiteral("cmdOk"))->click();
}

TEST(GuidedSetup, ANewPoolGetsItsTeamsScheduleOptionsEventsAndMembers) {
    test::UiHarness h;
    test::RecordingStartupHost startup;
    runLoadingStages(h.session, startup, 2024);
    ASSERT_EQ(startup.messages, QStringList{QStringLiteral("VEK schedule is not on file")});
    Main window(h.session, h.host);

    QStringList checkLines;
    h.modal.onShow = [&](QDialog& dialog) {
        if (dialog.objectName() == QStringLiteral("vekalign")) {
            nameTeams(dialog);
        } else if (dialog.objectName() == QStringLiteral("CreateSchedule")) {
            dialog.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            checkLines = buildSchedule(dialog);
        } else if (dialog.objectName() == QStringLiteral("PoolProfile")) {
            chooseOptions(dialog);
        } else if (dialog.objectName() == QStringLiteral("EventProfiles")) {
            setScoringRules(dialog);
        } else if (dialog.objectName() == QStringLiteral("LeagueMembers")) {
            dialog.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            enterMembers(dialog);
        }
    };
    // The spreads and the predictions windows of the last two steps are closed without entries.
    h.modal.results = {QDialog::Accepted, QDialog::Accepted, QDialog::Accepted, QDialog::Accepted,
                       QDialog::Accepted, QDialog::Rejected, QDialog::Rejected};
    window.findChild<QAction*>(QStringLiteral("menuEasy"))->trigger();
    ASSERT_EQ(h.modal.shown.size(), 7U);
    EXPECT_EQ(h.modal.shown[5].windowTitle, QStringLiteral("Spread Points"));
    EXPECT_EQ(h.modal.shown[6].windowTitle, QStringLiteral("Member Predictions"));
    EXPECT_EQ(h.messages.requests.size(), 7U);
    EXPECT_EQ(checkLines, QStringList{QStringLiteral("Success !")});
    EXPECT_TRUE(isTrue(h.pool().scheduleVerified));

    PoolSession fresh(h.temp.folder());
    test::RecordingStartupHost again;
    runLoadingStages(fresh, again, 2030);
    // No member has entered predictions yet: start-up names them, and says nothing else.
    EXPECT_EQ(again.messages,
              QStringList{QStringLiteral("The following member(s) do not have their predictions on file OR "
                                         "have incomplete predictions OR missing post season predictions: "
                                         "\nMargaret_Smith\nBob_Jones\nCarla_Castillo")});
    EXPECT_TRUE(isTrue(fresh.pool().scheduleVerified));
    EXPECT_EQ(fresh.pool().teamName[4], QStringLiteral("First City 1"));
    EXPECT_EQ(fresh.pool().byesPerTeam, 1);
    EXPECT_EQ(again.caption, QStringLiteral("Kestrelmoor - VEK Football Pool   (2024 Season)"));

    const PoolData& read = fresh.pool();
    EXPECT_EQ((std::array{read.weeklyPicks, read.usePointSpreads, read.confidenceMode, read.pointsSystem,
                          read.mnTieBreaker}),
              (std::array<int16_t, 5>{1, -1, 2, 1, 2}));
    EXPECT_EQ(read.seasonPoints, 3000);
    EXPECT_EQ(read.wildChoicePoints, 0);
    EXPECT_EQ(read.quarterWeeks[0], 5);
    EXPECT_EQ(read.quarterLastWeek[3], 16); // the last quarter ends with the 17-week season
    EXPECT_EQ(read.numMembers, 3);
    EXPECT_EQ(read.memberName[2], QStringLiteral("Carla_Castillo"));
    EXPECT_EQ(read.memberEmail[1], QStringLiteral("bob@example.org"));
    EXPECT_EQ(read.defaultMember, 1);
}

// A 33rd team joins the default league, so the season gets a slot for the weekly bye. Three weeks of
// eleven games and eleven byes are built, verified and saved; the events offer the saved season's week
// sizes, and the default member picks the first week in the weekly entry window.
TEST(GuidedSetup, AnOddLeagueIsSetUpAndPicked) {
    test::UiHarness h;
    test::RecordingStartupHost startup;
    runLoadingStages(h.session, startup, 2024);
    runStartupComputations(h.session, startup);
    Main window(h.session, h.host);

    QStringList checkLines;
    int fewestWeekSize = -1;
    h.modal.onShow = [&](QDialog& dialog) {
        const QString name = dialog.objectName();
        const auto click = [&](const QString& control) {
            QTest::mouseClick(child<QWidget>(dialog, control), Qt::LeftButton);
        };
        if (name != QStringLiteral("vekalign")) {
            dialog.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        }
        if (name == QStringLiteral("vekalign")) {
            child<QLineEdit>(dialog, QStringLiteral("fnameInput"))->setText(QStringLiteral("Harbour City"));
            child<QLineEdit>(dialog, QStringLiteral("anameInput"))->setText(QStringLiteral("HBC"));
            click(QStringLiteral("nfceAdd"));
            click(QStringLiteral("cmdOK"));
        } else if (name == QStringLiteral("CreateSchedule")) {
            child<QScrollBar>(dialog, QStringLiteral("scrNofw"))->setValue(3);
            for (int week = 0; week < 3; ++week) {
                // The teams of one class (code mod 3) rest; the other two meet, once away, once at home.
                child<QScrollBar>(dialog, QStringLiteral("scrWeek"))->setValue(week);
                for (int i = 0; i < 11; ++i) {
                    click(QStringLiteral("teamBox%1").arg(3 * i + (week + 1) % 3));
                    click(QStringLiteral("teamBox%1").arg(3 * i + (week + 2) % 3));
                }
                click(QStringLiteral("cmdBye"));
            }
            click(QStringLiteral("cmdVerify"));
            auto* list = child<QListWidget>(dialog, QStringLiteral("checkList"));
            for (int row = 0; row < list->count(); ++row) {
                checkLines << list->item(row)->text();
            }
            click(QStringLiteral("cmdSave"));
            click(QStringLiteral("cmdOk"));
        } else if (name == QStringLiteral("EventProfiles")) {
            fewestWeekSize = child<QSpinBox>(dialog, QStringLiteral("nofgSpin"))->minimum();
        } else if (name == QStringLiteral("LeagueMembers")) {
            enterMembers(dialog);
        } else if (name == QStringLiteral("ResultsPredict")) {
            EXPECT_FALSE(child<QLabel>(dialog, QStringLiteral("hgameBox11"))->isVisible());
            for (int row = 0; row < 11; ++row) {
                click(QStringLiteral("hgameBox%1").arg(row));
            }
            click(QStringLiteral("cmdSave"));
        }
    };
    window.findChild<QAction*>(QStringLiteral("menuEasy"))->trigger();
    ASSERT_EQ(h.modal.shown.size(), 6U);
    EXPECT_EQ(checkLines, QStringList{QStringLiteral("Success !")});
    EXPECT_EQ(fewestWeekSize, 11);

    PoolSession restarted(h.temp.folder());
    test::RecordingStartupHost again;
    runLoadingStages(restarted, again, 2030);
    EXPECT_TRUE(isTrue(restarted.pool().scheduleVerified));
    EXPECT_EQ(restarted.pool().memberPicks[0][10][1], h.pool().scheduleGrid[0][10][1]);
}

} // namespace
} // namespace vek
