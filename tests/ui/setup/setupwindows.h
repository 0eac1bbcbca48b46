#pragma once

#include "support/poolbuilder.h"
#include "support/uiharness.h"
#include "widgets/poolwindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>
#include <QTabBar>
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

/// The visible texts of a window that do not fit their controls: labels, buttons, frame captions and
/// tabs, each named by its control (or its text).
inline QStringList cutOffTexts(QWidget& window) {
    QStringList cut;
    const auto name = [](const QWidget* w, const QString& text) {
        return w->objectName().isEmpty() ? text : w->objectName();
    };
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty()) {
            continue;
        }
        const QSize hint = label->sizeHint();
        const bool fits = label->wordWrap()
                              ? label->heightForWidth(label->width()) <= label->height()
                              : hint.width() <= label->width() && hint.height() <= label->height();
        if (!fits) {
            cut << name(label, label->text());
        }
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isVisibleTo(&window) && !button->text().isEmpty() &&
            button->sizeHint().width() > button->width()) {
            cut << name(button, button->text());
        }
    }
    for (QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        if (frame->isVisibleTo(&window) &&
            frame->fontMetrics().horizontalAdvance(frame->title()) + 16 > frame->width()) {
            cut << name(frame, frame->title());
        }
    }
    for (QTabBar* tabs : window.findChildren<QTabBar*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) > tabs->tabRect(i).width()) {
                cut << tabs->tabText(i);
            }
        }
    }
    for (QComboBox* box : window.findChildren<QComboBox*>()) {
        if (box->isVisibleTo(&window) && box->sizeHint().width() > box->width()) {
            cut << name(box, box->currentText());
        }
    }
    return cut;
}

/// Shows the window, checks that every text fits and keeps a picture of it for a person to look at:
/// in the folder VEK_SCREENSHOTS names, or in "vek-setup-screens" in the temporary folder.
inline void expectReadable(QWidget& window, const QString& picture) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(cutOffTexts(window), QStringList()) << picture.toStdString();
    QString folder = qEnvironmentVariable("VEK_SCREENSHOTS");
    if (folder.isEmpty()) {
        folder = QDir::temp().filePath(QStringLiteral("vek-setup-screens"));
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(window.grab().save(QDir(folder).filePath(picture + QStringLiteral(".png"))));
}

/// A child control by name; fails the test when there is none.
template <class W> W* child(QWidget& window, const QString& name) {
    auto* found = window.findChild<W*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

/// Moves the pointer onto a control, as the help lines need it.
inline void hover(QWidget* widget) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(widget, &enter);
}

} // namespace vek::test
