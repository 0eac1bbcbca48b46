// The entry windows filled with the largest pool (121 members with long names, 37 teams, weeks of 18
// games, every option on): nothing shown is cut off or reaches outside its window.
#include "entry/comparediffs.h"
#include "entry/psresultspredict.h"
#include "entry/resultspredict.h"
#include "support/controls.h"
#include "support/poolbuilder.h"
#include "support/uiharness.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vek {
namespace {

class EntryWindowsFit : public ::testing::Test {
protected:
    EntryWindowsFit() {
        // Every option on, and scores as wide as they come.
        PoolData& pool = h.pool();
        test::fillLargestPool(pool, 1, WeekSlots - 1);
        pool.usePointSpreads = True16;
        pool.mnTieBreaker = 1;
        pool.postSeasonPoints = 100;
        pool.bigGamePoints = 100;
        for (int w = 0; w < WeekSlots; ++w) {
            for (int g = 0; g < pool.games(w); ++g) {
                pool.gameScore[w][g] = {99, 100};
                pool.pointSpread[w][g] = 10.5F;
            }
        }
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
