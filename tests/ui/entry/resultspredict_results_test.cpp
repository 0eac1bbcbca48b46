// The weekly entry window in results mode, worked through its controls: the week it opens on, winners
// and ties by click and by key, scores typed and logged, Clear Results, Save, a failed write, and Cancel
// putting back what was not saved.
#include "resultspredict_fixture.h"

#include <QApplication>
#include <QDir>

namespace vek {
namespace {

using test::ResultsPredictTest;

class ResultsEntry : public ResultsPredictTest {
protected:
    int16_t winner(int row) { return h.pool().gameWinner[week()][row]; }
    QLineEdit* awayScore() { return edit(QStringLiteral("awayScoreBox")); }
    QLineEdit* homeScore() { return edit(QStringLiteral("homeScoreBox")); }
    void showWeek(int week) { spin(QStringLiteral("weekSpin"))->setValue(week); }
    /// Enters every open game of the shown week, each by the next of F1, F2, F3.
    void enterOpenGames() {
        const Qt::Key keys[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3};
        for (int i = 0; state().enteredCount() < games() && i < 100; ++i) {
            key(keys[i % 3]);
        }
    }
    void score(const QString& away, const QString& home) {
        awayScore()->clear();
        homeScore()->clear();
        type(awayScore(), away);
        QTest::keyClick(awayScore(), Qt::Key_Return);
        type(homeScore(), home);
        QTest::keyClick(homeScore(), Qt::Key_Return);
    }
};

TEST_F(ResultsEntry, OpensOnTheWeekAfterACompleteCurrentWeek) {
    usePool(4);
    open(1);
    EXPECT_EQ(entry().windowTitle(), QStringLiteral("VEK Results"));
    EXPECT_TRUE(entry().tieBox()->isVisible());
    EXPECT_TRUE(entry().f3Box()->isVisible());
    EXPECT_EQ(label(QStringLiteral("weekBox"))->text(), QStringLiteral("6"));
    EXPECT_EQ(spin(QStringLiteral("weekSpin"))->value(), 5);
    EXPECT_FALSE(button(QStringLiteral("cmdClear"))->isVisible()); // only on the current week
    EXPECT_EQ(button(QStringLiteral("cmdClear"))->text(), QStringLiteral("Clear Results"));
    EXPECT_FALSE(find<QWidget>(QStringLiteral("MemberBox"))->isVisible());
    EXPECT_FALSE(cpBox(0)->isVisible());
    EXPECT_TRUE(tie(0)->isVisible());
    EXPECT_EQ(tie(0)->text(), QStringLiteral("Tie"));
    showWeek(4);
    EXPECT_TRUE(button(QStringLiteral("cmdClear"))->isVisible());
}

TEST_F(ResultsEntry, BeforeAnyResultsItOpensOnWeek1WhereverAnotherModeWasLeft) {
    usePool(-1);
    open(0);
    showWeek(2);
    close();
    open(1);
    EXPECT_EQ(spin(QStringLiteral("weekSpin"))->value(), 0);
    EXPECT_EQ(label(QStringLiteral("weekBox"))->text(), QStringLiteral("1"));
}

TEST_F(ResultsEntry, ClicksKeysAndTieButtonsEnterTheWeekAndCompleteIt) {
    usePool(3, [](PoolData& pool) { pool.mnTieBreaker = 0; });
    open(1);
    ASSERT_EQ(week(), 4);
    EXPECT_FALSE(awayScore()->isVisible()); // no scores without spreads or a Monday-night tiebreaker
    click(away(0));
    EXPECT_EQ(winner(0), team(0, 0));
    EXPECT_EQ(paintOf(away(0)), chosen());
    key(Qt::Key_F3);
    EXPECT_EQ(winner(1), h.pool().tieCode());
    EXPECT_EQ(paintOf(away(1)), tied());
    EXPECT_EQ(paintOf(home(1)), tied());
    click(tie(2));
    click(entry().tieBox());
    click(home(4));
    EXPECT_EQ(winner(2), h.pool().tieCode());
    EXPECT_EQ(winner(3), h.pool().tieCode());
    EXPECT_EQ(winner(4), team(4, 1));
    enterOpenGames();
    EXPECT_EQ(state().selectedRow(), 14);
    EXPECT_EQ(h.pool().currentWeek, 4);
    EXPECT_EQ(refreshes, 0); // the main window hears of it when the results are saved

    click(away(1)); // a tie turned into a win
    EXPECT_EQ(paintOf(away(1)), chosen());
    EXPECT_EQ(paintOf(home(1)), other());
}

TEST_F(ResultsEntry, TypedScoresAreLoggedAndDecideTheResult) {
    usePool(3, [](PoolData& pool) { pool.usePointSpreads = True16; });
    open(1);
    EXPECT_TRUE(awayScore()->isVisible());
    EXPECT_FALSE(button(QStringLiteral("cmdLog"))->isVisible());

    type(awayScore(), QStringLiteral("21"));
    EXPECT_EQ(label(QStringLiteral("ascoreBox0"))->text(), QStringLiteral("21")); // copied as typed
    QTest::keyClick(awayScore(), Qt::Key_Return);
    EXPECT_EQ(entry().focusWidget(), homeScore());
    EXPECT_EQ(winner(0), h.pool().noneCode());
    type(homeScore(), QStringLiteral("21"));
    EXPECT_TRUE(button(QStringLiteral("cmdLog"))->isVisible());
    QTest::keyClick(homeScore(), Qt::Key_Return);
    EXPECT_EQ(winner(0), h.pool().tieCode());
    EXPECT_EQ(h.pool().gameScore[4][0], (std::array<int16_t, 2>{21, 21}));
    EXPECT_EQ(state().selectedRow(), 1);
    EXPECT_TRUE(awayScore()->text().isEmpty()); // the next game has no result yet
    EXPECT_EQ(entry().focusWidget(), awayScore());

    type(awayScore(), QStringLiteral("24"));
    type(homeScore(), QStringLiteral("17"));
    click(button(QStringLiteral("cmdLog")));
    EXPECT_EQ(winner(1), team(1, 0));
    EXPECT_FALSE(button(QStringLiteral("cmdLog"))->isVisible());

    // With spreads a team label only picks the game; its scores come into the boxes.
    click(home(0));
    EXPECT_EQ(state().selectedRow(), 0);
    EXPECT_EQ(winner(0), h.pool().tieCode());
    EXPECT_EQ(awayScore()->text(), QStringLiteral("21"));
    type(awayScore(), QStringLiteral("17")); // the scores put in are selected: typing replaces them
    EXPECT_EQ(awayScore()->text(), QStringLiteral("17"));
    click(label(QStringLiteral("hscoreBox7")));
    EXPECT_EQ(state().selectedRow(), 7);
    EXPECT_TRUE(awayScore()->text().isEmpty());
    key(Qt::Key_F2); // the keys still choose without scores
    EXPECT_EQ(winner(7), team(7, 1));
}

TEST_F(ResultsEntry, AChosenGamesScoresTakeTheKeyboard) {
    // Keys as the window system delivers them: to the active window, which hands them to its focus.
    const auto typeAtWindow = [this](const char* keys) {
        QApplication::setActiveWindow(&entry());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&entry()));
        for (const char* k = keys; *k != '\0'; ++k) {
            QTest::keyClick(entry().windowHandle(), *k);
        }
        QTest::keyClick(entry().windowHandle(), Qt::Key_Return);
    };
    const auto scores = [this](int game) { return h.pool().gameScore[4][game]; };
    usePool(4, [](PoolData& pool) { pool.usePointSpreads = True16; });
    open(1);
    showWeek(4);
    spin(QStringLiteral("weekSpin"))->setFocus(); // where the week was chosen
    const int16_t home1 = scores(1)[1];
    click(label(QStringLiteral("ascoreBox1")));
    typeAtWindow("13");
    EXPECT_EQ(scores(1), (std::array<int16_t, 2>{13, home1}));
    EXPECT_EQ(week(), 4);
    // A click into a score the window put in takes all of it, whether the box had the keyboard or not.
    click(homeScore());
    typeAtWindow("24");
    click(awayScore());
    typeAtWindow("7");
    click(button(QStringLiteral("cmdSave")));
    EXPECT_EQ(scores(1), (std::array<int16_t, 2>{7, 24}));

    close();
    h.pool().usePointSpreads = 0; // only the Monday-night game has scores
    open(1);
    showWeek(4);
    spin(QStringLiteral("weekSpin"))->setFocus();
    const int16_t home14 = scores(14)[1];
    click(label(QStringLiteral("ascoreBox14")));
    typeAtWindow("31");
    click(button(QStringLiteral("cmdSave")));
    EXPECT_EQ(scores(14), (std::array<int16_t, 2>{31, home14}));
}

TEST_F(ResultsEntry, ScoresTypedButNotLoggedAreStoredOrShownAsStoredWhenTheRowIsLeft) {
    const auto labels = [this](int row) {
        return std::pair(label(QStringLiteral("ascoreBox%1").arg(row))->text(),
                         label(QStringLiteral("hscoreBox%1").arg(row))->text());
    };
    const auto typeBoth = [this](const QString& away, const QString& home) {
        type(awayScore(), away);  // the away box's scores are selected when the row is chosen
        homeScore()->selectAll(); // as Tab into it does
        type(homeScore(), home);
    };
    const auto typeInRow = [&](int row, const QString& away, const QString& home) {
        click(label(QStringLiteral("ascoreBox%1").arg(row)));
        typeBoth(away, home);
    };
    usePool(4, [](PoolData& pool) { pool.usePointSpreads = True16; });
    writeFolder();
    open(1);
    showWeek(4);

    // Both boxes typed, then Save: logged as Log Score would, winner from the scores.
    typeInRow(1, QStringLiteral("13"), QStringLiteral("24"));
    click(button(QStringLiteral("cmdSave")));
    EXPECT_EQ(reload()->pool().gameScore[4][1], (std::array<int16_t, 2>{13, 24}));
    EXPECT_EQ(winner(1), team(1, 1));
    EXPECT_EQ(paintOf(home(1)), chosen());

    // One box only, then another row: the row left shows what is stored.
    const auto stored2 = h.pool().gameScore[4][2];
    click(label(QStringLiteral("ascoreBox2")));
    type(awayScore(), QStringLiteral("99"));
    homeScore()->clear();
    click(label(QStringLiteral("hscoreBox3")));
    EXPECT_EQ(labels(2), std::pair(QString::number(stored2[0]), QString::number(stored2[1])));
    EXPECT_EQ(h.pool().gameScore[4][2], stored2);

    // Both typed, then another week, or a result chosen by hand for the row: nothing typed is dropped.
    typeBoth(QStringLiteral("6"), QStringLiteral("3"));
    showWeek(3);
    EXPECT_EQ(h.pool().gameScore[4][3], (std::array<int16_t, 2>{6, 3}));
    typeInRow(0, QStringLiteral("10"), QStringLiteral("3"));
    key(Qt::Key_F2);
    EXPECT_EQ(h.pool().gameScore[3][0], (std::array<int16_t, 2>{10, 3}));
    EXPECT_EQ(h.pool().gameWinner[3][0], h.pool().scheduleGrid[3][0][1]);

    // The Monday-night game without spreads, closed by OK.
    close();
    h.pool().usePointSpreads = 0;
    h.pool().mnTieBreaker = 1;
    open(1);
    showWeek(4);
    typeInRow(14, QStringLiteral("31"), QStringLiteral("30"));
    click(button(QStringLiteral("cmdOk")));
    EXPECT_EQ(reload()->pool().gameScore[4][14], (std::array<int16_t, 2>{31, 30}));
    EXPECT_EQ(h.pool().gameWinner[4][14], team(14, 0));
}

TEST_F(ResultsEntry, ScoreBoxesTakeDigitsUpTo32767) {
    usePool(3, [](PoolData& pool) { pool.usePointSpreads = True16; });
    open(1);
    type(awayScore(), QStringLiteral("a3-2.7 6"));
    EXPECT_EQ(awayScore()->text(), QStringLiteral("3276"));
    QTest::keyClick(awayScore(), Qt::Key_8, Qt::KeypadModifier);
    EXPECT_EQ(awayScore()->text(), QStringLiteral("3276"));
    QTest::keyClick(awayScore(), Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(awayScore()->text(), QStringLiteral("32767"));
    // Pasted text that typing could not enter stays out too.
    awayScore()->selectAll();
    awayScore()->insert(QStringLiteral("40000"));
    EXPECT_EQ(awayScore()->text(), QStringLiteral("32767"));
    awayScore()->insert(QStringLiteral("x"));
    EXPECT_EQ(awayScore()->text(), QStringLiteral("32767"));
}

TEST_F(ResultsEntry, WithoutSpreadsOnlyTheMondayNightGameHasScores) {
    usePool(3, [](PoolData& pool) { pool.mnTieBreaker = 2; });
    open(1);
    EXPECT_FALSE(label(QStringLiteral("ascoreBox0"))->isVisible());
    EXPECT_TRUE(label(QStringLiteral("ascoreBox14"))->isVisible());
    EXPECT_FALSE(awayScore()->isVisible());
    click(label(QStringLiteral("ascoreBox14")));
    EXPECT_TRUE(awayScore()->isVisible());
    score(QStringLiteral("10"), QStringLiteral("13"));
    EXPECT_EQ(h.pool().gameWinner[4][14], team(14, 1));
    EXPECT_EQ(h.pool().gameScore[4][14], (std::array<int16_t, 2>{10, 13}));
    EXPECT_EQ(state().selectedRow(), 0);
    EXPECT_FALSE(awayScore()->isVisible());
}

TEST_F(ResultsEntry, ClearResultsEmptiesTheCurrentWeekWithoutWriting) {
    usePool(4, [](PoolData& pool) { pool.usePointSpreads = True16; });
    writeFolder();
    const QByteArray results = h.temp.read(QStringLiteral("results.dat"));
    open(1);
    showWeek(4);
    click(button(QStringLiteral("cmdClear")));
    EXPECT_EQ(h.pool().currentWeek, 3);
    EXPECT_EQ(refreshes, 1);
    for (int row = 0; row < games(); ++row) {
        ASSERT_EQ(winner(row), h.pool().noneCode());
        ASSERT_EQ(paintOf(away(row)), undecided());
        ASSERT_TRUE(label(QStringLiteral("ascoreBox%1").arg(row))->text().isEmpty());
    }
    EXPECT_EQ(h.temp.read(QStringLiteral("results.dat")), results);
}

TEST_F(ResultsEntry, CancelAfterClearResultsKeepsTheWeekForTheNextOk) {
    usePool(4, [](PoolData& pool) { pool.usePointSpreads = True16; });
    writeFolder();
    open(1);
    showWeek(4);
    click(button(QStringLiteral("cmdClear")));
    ASSERT_EQ(h.pool().currentWeek, 3);
    click(button(QStringLiteral("cmdCancel")));
    EXPECT_FALSE(entry().isVisible());
    EXPECT_EQ(h.pool().currentWeek, 4);
    EXPECT_EQ(refreshes, 2); // the main window's buttons follow the current week back

    open(1);
    click(button(QStringLiteral("cmdOk")));
    EXPECT_FALSE(entry().isVisible());
    const auto fresh = reload();
    EXPECT_EQ(fresh->pool().currentWeek, 4);
    for (int g = 0; g < h.pool().games(4); ++g) {
        ASSERT_EQ(fresh->pool().gameWinner[4][g], h.pool().gameWinner[4][g]) << g;
        ASSERT_NE(fresh->pool().gameWinner[4][g], fresh->pool().noneCode()) << g;
        ASSERT_EQ(fresh->pool().gameScore[4][g], h.pool().gameScore[4][g]) << g;
    }
    EXPECT_EQ(fresh->pool().gameScore[4][1][0], 11); // the sample's scores
}

TEST_F(ResultsEntry, SaveWritesTheResultsRefreshesThenWritesTheScores) {
    usePool(3, [](PoolData& pool) { pool.usePointSpreads = True16; });
    writeFolder();
    const QByteArray oldScores = h.temp.read(QStringLiteral("scores.dat"));
    open(1);
    score(QStringLiteral("30"), QStringLiteral("3"));
    enterOpenGames();
    ASSERT_EQ(h.pool().currentWeek, 4);
    h.pool().spreadWinner[4][0] = -3;
    h.session.teamsRecalculated = true;
    QByteArray resultsAtRefresh;
    QByteArray scoresAtRefresh;
    onRefresh = [&] {
        resultsAtRefresh = h.temp.read(QStringLiteral("results.dat"));
        scoresAtRefresh = h.temp.read(QStringLiteral("scores.dat"));
    };

    click(button(QStringLiteral("cmdOk")));
    EXPECT_FALSE(entry().isVisible());
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(resultsAtRefresh.startsWith("4\r\n"));
    EXPECT_EQ(scoresAtRefresh, oldScores);
    EXPECT_NE(h.temp.read(QStringLiteral("scores.dat")), oldScores);
    EXPECT_FALSE(h.session.teamsRecalculated);
    EXPECT_EQ(h.pool().spreadWinner[4][0], team(0, 0)); // 30 - 3 against the spread of the sample
    EXPECT_TRUE(h.messages.requests.empty());

    auto fresh = reload();
    EXPECT_EQ(fresh->pool().currentWeek, 4);
    expectSameGames(fresh->pool(), [](const PoolData& pool, int w, int g) {
        return std::tuple(pool.gameWinner[w][g], pool.gameScore[w][g][0], pool.gameScore[w][g][1]);
    });
    EXPECT_EQ(fresh->pool().postSeasonResults, h.pool().postSeasonResults);
    EXPECT_EQ(fresh->pool().postSeasonSeeds, h.pool().postSeasonSeeds);
}

TEST_F(ResultsEntry, AFailedWriteIsToldAndKeepsTheWindowOpen) {
    usePool(3);
    ASSERT_TRUE(QDir(h.temp.path()).mkdir(QStringLiteral("results.dat")));
    open(1);
    key(Qt::Key_F1);
    click(button(QStringLiteral("cmdOk")));
    ASSERT_EQ(h.messages.requests.size(), 1U);
    EXPECT_TRUE(h.messages.requests[0].text.contains(QStringLiteral("results.dat")));
    EXPECT_EQ(h.messages.requests[0].icon, Messages::Icon::Warning);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(entry().isVisible());
    EXPECT_TRUE(state().entriesChanged());

    click(button(QStringLiteral("cmdCancel")));
    EXPECT_FALSE(entry().isVisible());
    EXPECT_EQ(h.pool().gameWinner[4][0], h.pool().noneCode()); // not saved: put back
}

} // namespace
} // namespace vek
