// The team ratings: opened from the main window on the worked pool, the ranking in two columns, the
// conference colours, the totals and averages, and the largest league.
#include "views/teamratings.h"

#include "support/poolbuilder.h"
#include "support/viewtest.h"
#include "views/workedpool.h"

#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vek {
namespace {

using namespace colours;
using test::control;
using test::labelText;
using test::shown;

class RatingsWindowTest : public ::testing::Test {
protected:
    TeamRatings& open() { return test::reopen<TeamRatings>(h); }
    /// The row and column of a rank's team box in the ranking.
    static std::pair<int, int> place(const QWidget& w, int rank) {
        auto* box = control<QLabel>(w, QStringLiteral("teamBox%1").arg(rank));
        auto* grid = qobject_cast<QGridLayout*>(box->parentWidget()->layout());
        int row = -1;
        int column = -1;
        int rowSpan = 0;
        int columnSpan = 0;
        grid->getItemPosition(grid->indexOf(box), &row, &column, &rowSpan, &columnSpan);
        return {row, column};
    }

    test::UiHarness h;
};

TEST_F(RatingsWindowTest, OpensFromTheMainWindowOnTheWorkedPool) {
    test::buildWorkedPool(h.pool());
    test::lookFromMainWindow(h, "cmdRatings", [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("VEK Team Rating"));
        const QStringList teams{"T6", "T0", "T5", "T2", "T4", "T1", "T3", "T7"};
        const QStringList ratings{"4.00", "2.75", "2.00", "1.75", "1.00", "0.00", "0.00", "0.00"};
        for (int r = 0; r < 8; ++r) {
            EXPECT_EQ(labelText(w, QStringLiteral("teamBox%1").arg(r)), teams[r]) << r;
            EXPECT_EQ(labelText(w, QStringLiteral("RateBox%1").arg(r)), ratings[r]) << r;
        }
        EXPECT_FALSE(shown(control<QLabel>(w, QStringLiteral("teamBox8"))));
        EXPECT_EQ(test::back(control<QLabel>(w, QStringLiteral("teamBox0"))), Red);
        EXPECT_EQ(test::back(control<QLabel>(w, QStringLiteral("teamBox1"))), Blue);
        const QStringList boxes{"NFCTotBox", "NFCAveBox", "NFCEAveBox", "NFCNAveBox", "NFCSAveBox",
                                "AFCTotBox", "AFCAveBox", "AFCEAveBox", "AFCNAveBox", "VEKAveBox"};
        const QStringList values{"4.50", "1.13", "1.38", "0.88", "0.00",
                                 "7.00", "1.75", "1.50", "2.00", "1.44"};
        for (int i = 0; i < boxes.size(); ++i) {
            EXPECT_EQ(labelText(w, boxes[i]), values[i]) << boxes[i].toStdString();
        }
        // Ranks 1-4 down the left column, 5-8 down the right.
        EXPECT_EQ(place(w, 3).first, place(w, 0).first + 3);
        EXPECT_EQ(place(w, 3).second, place(w, 0).second);
        EXPECT_EQ(place(w, 4).first, place(w, 0).first);
        EXPECT_GT(place(w, 4).second, place(w, 0).second);
    });
}

TEST_F(RatingsWindowTest, ThirtySevenTeamsTheFirstNineteenOnTheLeft) {
    test::fillLargestPool(h.pool());
    TeamRatings& w = open();
    EXPECT_TRUE(shown(control<QLabel>(w, QStringLiteral("teamBox36"))));
    EXPECT_EQ(place(w, 18).second, place(w, 0).second);
    EXPECT_GT(place(w, 19).second, place(w, 0).second);
    EXPECT_EQ(place(w, 19).first, place(w, 0).first);
    test::expectWholeOnScreen(w, QStringLiteral("ratings"));
}

} // namespace
} // namespace vek
