// A new pool set up from an empty folder through the guided setup's first two steps: the teams named,
// then a whole schedule built team by team, verified and saved; start-up then reads it back verified.
#include "app/main.h"
#include "app/startup.h"
#include "setup/createschedule.h"
#include "setup/vekalign.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/uiharness.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

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

TEST(GuidedSetup, ANewPoolGetsItsTeamsAndAVerifiedSchedule) {
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
        }
    };
    window.findChild<QAction*>(QStringLiteral("menuEasy"))->trigger();
    EXPECT_EQ(checkLines, QStringList{QStringLiteral("Success !")});
    EXPECT_TRUE(isTrue(h.pool().scheduleVerified));

    PoolSession fresh(h.temp.folder());
    test::RecordingStartupHost again;
    runLoadingStages(fresh, again, 2030);
    EXPECT_TRUE(again.messages.isEmpty()) << again.messages.join(QStringLiteral(" | ")).toStdString();
    EXPECT_TRUE(isTrue(fresh.pool().scheduleVerified));
    EXPECT_EQ(fresh.pool().teamName[4], QStringLiteral("First City 1"));
    EXPECT_EQ(fresh.pool().byesPerTeam, 1);
    EXPECT_EQ(again.caption, QStringLiteral("Kestrelmoor - VEK Football Pool   (2024 Season)"));
}

} // namespace
} // namespace vek
