#pragma once

#include "support/controls.h"
#include "support/poolbuilder.h"
#include "support/uiharness.h"
#include "widgets/poolwindow.h"

#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace vek::test {

/// The largest pool the tables hold, with long names: 37 teams, 19 weeks of 19 game slots (up to three
/// of them byes), 121 members, and points in the hundred thousands.
inline void fillLargestPool(PoolData& pool) {
    QStringList members;
    for (int m = 0; m < MemberSlots; ++m) {
        members << QStringLiteral("M%1 Maximilian-Alexander Worthington-Smythe")
                       .arg(m + 1, 3, 10, QLatin1Char('0'));
    }
    pool.numMembers = 0;
    fillSamplePool(pool, members, 4);
    pool.numTeams = MaxRealTeams;
    for (int team = 0; team < MaxRealTeams; ++team) {
        pool.teamName[team] = QStringLiteral("Northern Territories Thunderbirds %1").arg(team + 1);
    }
    pool.numWeeks = WeekSlots;
    pool.gamesPerWeek = GameSlots;
    for (int week = 0; week < WeekSlots; ++week) {
        pool.openDates[week] = static_cast<int16_t>(week % 4);
    }
    pool.minWeekGames = GameSlots - 3;
    pool.seasonPoints = 100000;
    pool.seasonGbPoints = 99999;
    pool.goodWeekPoints.fill(100000);
    pool.divWinnerPoints = {100, 100, 100, 100, 0};
    pool.memberEmail[120] = QStringLiteral("maximilian.alexander.worthington-smythe@example.org");
}

/// Shows the window and checks that every text of it can be read (see expectNothingCutOff).
inline void expectReadable(QWidget& window, const QString& picture) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    expectNothingCutOff(window, picture);
}

/// Moves the pointer onto a control, as the help lines need it.
inline void hover(QWidget* widget) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(widget, &enter);
}

} // namespace vek::test
