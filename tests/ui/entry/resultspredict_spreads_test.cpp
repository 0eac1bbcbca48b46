// The weekly entry window in spreads mode, worked through its controls: favourites, the spinner beside
// its row, "Even", Clear Spread Points, Save and a failed write.
#include "resultspredict_fixture.h"

#include "support/filetext.h"

#include <QDir>

namespace vek {
namespace {

using test::ResultsPredictTest;

class SpreadsEntry : public ResultsPredictTest {
protected:
    void SetUp() override {
        usePool(3, [](PoolData& pool) { pool.usePointSpreads = True16; });
    }
    QSpinBox* spinner() { return spin(QStringLiteral("spreadSpin")); }
    int16_t favourite(int row) { return h.pool().favoriteTeam[week()][row]; }
    float spread(int row) { return h.pool().pointSpread[week()][row]; }
    /// Whether the spinner stands beside the row's spread.
    bool spinnerBeside(int row) {
        return spinner()->geometry().center().y() == cpBox(row)->geometry().center().y();
    }
    /// One click on the spinner's up arrow.
    void stepUp() {
        const QRect r = spinner()->rect();
        QTest::mouseClick(spinner(), Qt::LeftButton, {}, QPoint(r.center().x(), r.top() + 3));
    }
};

TEST_F(SpreadsEntry, OpensOnWeekOneWithTheSpreadColumn) {
    open(2);
    EXPECT_EQ(week(), 0);
    EXPECT_EQ(label(QStringLiteral("cpLabel"))->text(), QStringLiteral("Spread"));
    EXPECT_EQ(tie(0)->text(), QStringLiteral("Even"));
    EXPECT_TRUE(tie(14)->isVisible());
    EXPECT_FALSE(tie(15)->isVisible());
    EXPECT_TRUE(button(QStringLiteral("cmdClearSPts"))->isVisible());
    EXPECT_FALSE(button(QStringLiteral("cmdClear"))->isVisible());
    EXPECT_FALSE(button(QStringLiteral("cmdPostSeason"))->isVisible());
    EXPECT_FALSE(label(QStringLiteral("ascoreBox0"))->isVisible());
    EXPECT_FALSE(label(QStringLiteral("cp2Label"))->isVisible());
    EXPECT_EQ(cpBox(2)->text(), QStringLiteral("1.5")); // the sample's spread of game 3
    EXPECT_TRUE(spinnerBeside(0));
}

TEST_F(SpreadsEntry, TheFavouriteTheSpinnerAndEven) {
    open(2);
    click(away(3));
    EXPECT_EQ(favourite(3), team(3, 0));
    EXPECT_EQ(paintOf(away(3)), chosen());
    EXPECT_EQ(paintOf(home(3)), other());
    EXPECT_TRUE(spinnerBeside(3));
    EXPECT_EQ(spinner()->value(), 4); // the row's spread of 2 shown on the spinner

    stepUp();
    EXPECT_EQ(spread(3), 2.5F);
    EXPECT_EQ(cpBox(3)->text(), QStringLiteral("2.5"));
    spinner()->setValue(0);
    EXPECT_EQ(paintOf(away(3)), tied()); // shown even, the favourite kept
    EXPECT_EQ(favourite(3), team(3, 0));

    // A click on the spread takes the spinner there without touching the favourite.
    click(cpBox(6));
    EXPECT_TRUE(spinnerBeside(6));
    EXPECT_EQ(spinner()->value(), 7); // the sample's 3.5

    click(tie(5));
    EXPECT_EQ(favourite(5), h.pool().tieCode());
    EXPECT_TRUE(spinnerBeside(5));
    EXPECT_EQ(spinner()->value(), 0);
    EXPECT_EQ(cpBox(5)->text(), QStringLiteral("0"));
    EXPECT_EQ(paintOf(home(5)), tied());
    EXPECT_EQ(spread(6), 3.5F); // "Even" acts on its own row only
    spinner()->setValue(3);     // a spread for an even game shows it undecided
    EXPECT_EQ(paintOf(away(5)), undecided());
}

TEST_F(SpreadsEntry, ClearSpreadPointsMakesEveryGameEven) {
    writeFolder();
    open(2);
    click(button(QStringLiteral("cmdClearSPts")));
    for (int row = 0; row < games(); ++row) {
        ASSERT_EQ(favourite(row), h.pool().tieCode());
        ASSERT_EQ(spread(row), 0.0F);
        ASSERT_EQ(cpBox(row)->text(), QStringLiteral("0"));
        ASSERT_EQ(paintOf(away(row)), undecided());
    }
    EXPECT_EQ(spinner()->value(), 0);
    EXPECT_FALSE(button(QStringLiteral("cmdOk"))->isEnabled());
    EXPECT_TRUE(button(QStringLiteral("cmdSave"))->isEnabled());
    EXPECT_EQ(favourite(1), h.pool().tieCode()); // nothing else of the season changed
    EXPECT_NE(h.pool().favoriteTeam[1][1], h.pool().tieCode());

    click(button(QStringLiteral("cmdSave")));
    const QList<QByteArray> lines = test::fileLines(h.temp.read(QStringLiteral("favorite.dat")));
    ASSERT_GE(lines.size(), 30);
    for (int i = 0; i < 30; i += 2) {
        ASSERT_EQ(lines[i], "32");
        ASSERT_EQ(lines[i + 1], "0");
    }
}

TEST_F(SpreadsEntry, SaveWritesTheFavouritesAndDecidesTheSpreadWinners) {
    writeFolder();
    open(2);
    spin(QStringLiteral("weekSpin"))->setValue(2);
    click(home(0));
    spinner()->setValue(61); // 30.5 points: more than the favourite won by
    click(tie(1));
    h.pool().spreadWinner[2][0] = -3;
    click(button(QStringLiteral("cmdOk")));
    EXPECT_FALSE(entry().isVisible());
    EXPECT_EQ(h.pool().spreadWinner[2][0], h.pool().scheduleGrid[2][0][0]);
    EXPECT_EQ(refreshes, 0);

    auto fresh = reload();
    expectSameGames(fresh->pool(), [](const PoolData& pool, int w, int g) {
        return std::pair(pool.favoriteTeam[w][g], pool.pointSpread[w][g]);
    });
    EXPECT_EQ(fresh->pool().pointSpread[2][0], 30.5F);
    EXPECT_EQ(fresh->pool().favoriteTeam[2][1], fresh->pool().tieCode());
}

TEST_F(SpreadsEntry, AFailedWriteIsToldAndTheSpreadWinnersAreDecidedAllTheSame) {
    ASSERT_TRUE(QDir(h.temp.path()).mkdir(QStringLiteral("favorite.dat")));
    open(2);
    click(away(0));
    h.pool().spreadWinner[0][0] = -3;
    click(button(QStringLiteral("cmdOk")));
    ASSERT_EQ(h.messages.requests.size(), 1U);
    EXPECT_TRUE(h.messages.requests[0].text.contains(QStringLiteral("favorite.dat")));
    EXPECT_TRUE(entry().isVisible());
    EXPECT_TRUE(state().entriesChanged());
    EXPECT_NE(h.pool().spreadWinner[0][0], -3);
}

} // namespace
} // namespace vek
