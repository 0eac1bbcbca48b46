// The entry windows filled with the largest pool (121 members with long names, 37 teams, weeks of 18
// games, every option on): nothing shown is cut off or reaches outside its window.
#include "entry/comparediffs.h"
#include "support/controls.h"
#include "entry/psresultspredict.h"
#include "entry/resultspredict.h"
#include "support/poolbuilder.h"
#include "support/uiharness.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vek {
namespace {

constexpr int Teams = 37;
constexpr int Weeks = 18;
constexpr int Slots = 19;
constexpr int Members = MemberSlots;

class EntryWindowsFit : public ::testing::Test {
protected:
    EntryWindowsFit() {
        PoolData& pool = h.pool();
        test::PoolBuilder build(pool);
        build.league({5, 5, 5, 4, 5, 5, 4, 4}).season(Weeks, Slots).members(Members).currentWeek(Weeks - 1);
        for (int t = 0; t < Teams; ++t) {
            pool.teamName[t] = QStringLiteral("Washington Commander%1").arg(t, 2, 10, QLatin1Char('0'));
            pool.teamAbbr[t] = QStringLiteral("MWM") + QChar(u'A' + t % 26);
        }
        for (int m = 0; m < Members; ++m) {
            pool.memberName[m] = QStringLiteral("Fitzgerald-Worthington, Margaret %1").arg(m);
        }
        for (int w = 0; w < Weeks; ++w) {
            build.openDates(w, 1);
            for (int g = 0; g + 1 < Slots; ++g) {
                const int away = (2 * g + w) % Teams;
                const int home = (2 * g + 1 + w) % Teams;
                build.game(w, g, away, home)
                    .result(w, g, home)
                    .score(w, g, 99, 100)
                    .spread(w, g, away, 10.5F);
                for (int m = 0; m < Members; ++m) {
                    build.pick(w, g, m, (m + g) % 2 == 0 ? away : home);
                    pool.confidencePoints[w][g][m] = static_cast<int16_t>(Slots - g);
                }
                pool.spreadWinner[w][g] = static_cast<int16_t>(home);
            }
        }
        pool.confidenceMode = 1;
        pool.usePointSpreads = True16;
        pool.mnTieBreaker = 1;
        pool.postSeasonPoints = 100;
        pool.bigGamePoints = 100;
    }

    template <class W> W& open(int mode) {
        h.session.entryMode = static_cast<int16_t>(mode);
        W& window = h.host.window<W>();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }

    test::UiHarness h;
};

TEST_F(EntryWindowsFit, TheWeeklyEntryWindowInEveryMode) {
    const char* names[] = {"predictions", "results", "spreads"};
    for (int mode = 0; mode < 3; ++mode) {
        auto& window = open<ResultsPredict>(mode);
        // The last game selected shows the Monday-night fields; typed scores show "Log Score".
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("rowMark17")), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("ascoreBox17")), Qt::LeftButton);
        if (mode == 1) {
            window.findChild<QLineEdit*>(QStringLiteral("awayScoreBox"))->setText(QStringLiteral("32767"));
        }
        test::expectNothingCutOff(window,
                                  QStringLiteral("resultspredict-%1").arg(QLatin1String(names[mode])));
        window.done(QDialog::Rejected);
    }
}

TEST_F(EntryWindowsFit, ThePostSeasonWindowInBothModes) {
    for (int mode = 0; mode < 2; ++mode) {
        auto& window = open<PSResultsPredict>(mode);
        test::expectNothingCutOff(window, QStringLiteral("psresultspredict-%1").arg(mode));
        window.done(QDialog::Rejected);
    }
}

TEST_F(EntryWindowsFit, TheComparisonWindowInBothModesAndViews) {
    for (int mode = 0; mode < 2; ++mode) {
        auto& window = open<CompareDiffs>(mode);
        test::expectNothingCutOff(window, QStringLiteral("comparediffs-%1").arg(mode));
        window.findChild<QPushButton*>(QStringLiteral("cmdPostSeason"))->click();
        test::expectNothingCutOff(window, QStringLiteral("comparediffs-ps%1").arg(mode));
        window.done(QDialog::Accepted);
    }
}

} // namespace
} // namespace vek
