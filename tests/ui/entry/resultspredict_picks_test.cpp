// The weekly entry window in predictions mode, worked through its controls: opening on the default
// member, picks by click and by key with the rows' colours, confidence boxes, the Monday-night total box,
// the favourite's line, member and week changes, Save, a failed write and the post-season window.
#include "resultspredict_fixture.h"

#include "entry/psresultspredict.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace vek {
namespace {

using test::ResultsPredictTest;

class PicksEntry : public ResultsPredictTest {
protected:
    int16_t pick(int row, int member = -1) {
        return h.pool().memberPicks[week()][row][member < 0 ? h.session.currentMember : member];
    }
    QComboBox* memberBox() { return find<QComboBox>(QStringLiteral("MemberBox")); }
    QStringList files() { return QDir(h.temp.path()).entryList(QDir::Files); }
};

TEST_F(PicksEntry, OpensOnTheDefaultMemberWithTheControlsOfPicks) {
    usePool(3, [](PoolData& pool) { pool.defaultMember = 1; });
    open(0);
    EXPECT_EQ(memberBox()->currentIndex(), 1);
    EXPECT_EQ(memberBox()->count(), 2);
    EXPECT_EQ(memberBox()->itemText(0), QStringLiteral("Margaret Smith"));
    EXPECT_EQ(h.session.currentMember, 1);
    EXPECT_EQ(label(QStringLiteral("weekBox"))->text(), QStringLiteral("1"));
    EXPECT_EQ(label(QStringLiteral("gamenumBox"))->text(), QStringLiteral("15"));
    EXPECT_EQ(button(QStringLiteral("cmdClear"))->text(), QStringLiteral("Clear Picks"));
    EXPECT_TRUE(label(QStringLiteral("memlabelBox"))->isVisible());
    EXPECT_FALSE(tie(0)->isVisible());
    EXPECT_FALSE(away(15)->isVisible()); // a week of 15 games
    EXPECT_FALSE(edit(QStringLiteral("awayScoreBox"))->isVisible());
    EXPECT_FALSE(spin(QStringLiteral("spreadSpin"))->isVisible());
    EXPECT_TRUE(button(QStringLiteral("cmdPostSeason"))->isVisible());
    EXPECT_EQ(label(QStringLiteral("awayBox"))->text(), h.pool().teamName[team(0, 0)]);
    EXPECT_TRUE(files().isEmpty()); // choosing the default member saves nothing
}

TEST_F(PicksEntry, ClicksAndFunctionKeysChooseAndPaintTheRows) {
    usePool(3);
    open(0);
    click(button(QStringLiteral("cmdClear")));
    EXPECT_EQ(refreshes, 1);
    for (int row = 0; row < games(); ++row) {
        ASSERT_EQ(paintOf(away(row)), undecided());
        ASSERT_EQ(paintOf(home(row)), undecided());
    }

    click(home(0));
    EXPECT_EQ(pick(0), team(0, 1));
    EXPECT_EQ(paintOf(home(0)), chosen());
    EXPECT_TRUE(home(0)->font().bold());
    EXPECT_EQ(paintOf(away(0)), other());
    // The selection moves on: its number highlighted, its teams' names and logos beside the grid.
    EXPECT_EQ(state().selectedRow(), 1);
    EXPECT_EQ(test::back(label(QStringLiteral("rowMark1"))),
              QGuiApplication::palette().color(QPalette::Highlight));
    EXPECT_NE(test::back(label(QStringLiteral("rowMark0"))),
              QGuiApplication::palette().color(QPalette::Highlight));
    EXPECT_EQ(label(QStringLiteral("homeBox"))->text(), h.pool().teamName[team(1, 1)]);
    EXPECT_FALSE(label(QStringLiteral("picHome"))->pixmap().isNull());

    key(Qt::Key_F1);
    EXPECT_EQ(pick(1), team(1, 0));
    EXPECT_EQ(paintOf(away(1)), chosen());
    click(label(QStringLiteral("homeBox")));
    EXPECT_EQ(pick(2), team(2, 1));
    key(Qt::Key_F3); // no ties among the picks
    click(entry().tieBox());
    EXPECT_EQ(pick(3), h.pool().noneCode());
    EXPECT_EQ(paintOf(away(3)), undecided());
    EXPECT_TRUE(files().isEmpty()); // nothing is written before Save
}

TEST_F(PicksEntry, ConfidenceBoxesShowTheirValuesAndLetOkWaitForTheLast) {
    usePool(3);
    open(0);
    QLabel* prompt = label(QStringLiteral("cptsBox"));
    EXPECT_TRUE(button(QStringLiteral("cmdOk"))->isEnabled()); // the sample placed every value
    EXPECT_EQ(cpBox(0)->text(), QStringLiteral("15"));
    EXPECT_EQ(test::back(cpBox(0)), colours::Blue);
    EXPECT_FALSE(prompt->isVisible());

    click(button(QStringLiteral("cmdClearCPts")));
    EXPECT_EQ(cpBox(0)->text(), QStringLiteral("0"));
    EXPECT_EQ(test::back(cpBox(0)), colours::Red);
    EXPECT_EQ(test::fore(cpBox(0)), colours::White);
    EXPECT_TRUE(prompt->isVisible());
    EXPECT_EQ(prompt->text(), QStringLiteral("15"));
    EXPECT_FALSE(button(QStringLiteral("cmdOk"))->isEnabled());
    EXPECT_TRUE(button(QStringLiteral("cmdSave"))->isEnabled());

    click(cpBox(3));
    EXPECT_EQ(cpBox(3)->text(), QStringLiteral("15"));
    EXPECT_EQ(test::back(cpBox(3)), colours::Blue);
    EXPECT_EQ(prompt->text(), QStringLiteral("14"));
    for (int row = 0; row < games(); ++row) {
        if (cpBox(row)->text() == QStringLiteral("0")) {
            click(cpBox(row));
        }
    }
    EXPECT_TRUE(button(QStringLiteral("cmdOk"))->isEnabled());
    EXPECT_FALSE(prompt->isVisible());
    EXPECT_FALSE(label(QStringLiteral("cp2Label"))->isVisible());
    click(cpBox(5)); // taken back
    EXPECT_EQ(cpBox(5)->text(), QStringLiteral("0"));
    EXPECT_FALSE(button(QStringLiteral("cmdOk"))->isEnabled());
    close();

    h.pool().confidenceMode = 0;
    open(0);
    EXPECT_FALSE(cpBox(0)->isVisible());
    EXPECT_FALSE(label(QStringLiteral("cpLabel"))->isVisible());
    EXPECT_FALSE(button(QStringLiteral("cmdClearCPts"))->isVisible());
    EXPECT_TRUE(button(QStringLiteral("cmdOk"))->isEnabled());
}

TEST_F(PicksEntry, TheMondayNightTotalBoxTakesDigitsForTheLastGame) {
    usePool(3);
    open(0);
    QLineEdit* total = edit(QStringLiteral("txtTotScore"));
    EXPECT_FALSE(total->isVisible());
    click(away(14)); // every game holds a pick: the selection stays on the last game
    EXPECT_TRUE(total->isVisible());
    EXPECT_TRUE(label(QStringLiteral("lblTotScore"))->isVisible());
    EXPECT_EQ(total->text(), QStringLiteral("30"));
    EXPECT_EQ(entry().focusWidget(), total); // with the total selected: typing replaces it

    type(total, QStringLiteral("4x7"));
    EXPECT_EQ(total->text(), QStringLiteral("47"));
    QTest::keyClick(total, Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(total, Qt::Key_0);
    QTest::keyClick(total, Qt::Key_0); // 47500 does not fit
    EXPECT_EQ(total->text(), QStringLiteral("4750"));
    EXPECT_EQ(h.pool().mondayNightTotal[0][0], 4750);
    total->selectAll();
    QTest::keyClick(total, Qt::Key_Backspace);
    EXPECT_EQ(h.pool().mondayNightTotal[0][0], 0);

    click(home(2));
    EXPECT_FALSE(total->isVisible());
}

TEST_F(PicksEntry, WithPointSpreadsTheFavouritesLineStandsBesideIt) {
    usePool(3, [](PoolData& pool) {
        pool.usePointSpreads = True16;
        pool.favoriteTeam[0][3] = pool.scheduleGrid[0][3][1];
        pool.pointSpread[0][3] = 6.5F;
    });
    open(0);
    EXPECT_EQ(label(QStringLiteral("hscoreBox3"))->text(), QStringLiteral("-6.5"));
    EXPECT_EQ(label(QStringLiteral("ascoreBox3"))->text(), QString());
}

TEST_F(PicksEntry, SwitchingMemberSavesTheMemberLeftSwitchingWeekSavesNothing) {
    usePool(3);
    writeFolder();
    open(0);
    const QByteArray before = h.temp.read(QStringLiteral("Margaret.PRD"));
    click(home(2)); // the sample picked the away team
    spin(QStringLiteral("weekSpin"))->setValue(5);
    EXPECT_EQ(label(QStringLiteral("weekBox"))->text(), QStringLiteral("6"));
    EXPECT_EQ(state().selectedRow(), 0);
    spin(QStringLiteral("weekSpin"))->setValue(0);
    EXPECT_EQ(h.temp.read(QStringLiteral("Margaret.PRD")), before);
    EXPECT_EQ(refreshes, 0);

    QTest::keyClick(memberBox(), Qt::Key_Down);
    EXPECT_EQ(h.session.currentMember, 1);
    EXPECT_NE(h.temp.read(QStringLiteral("Margaret.PRD")), before);
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(state().entriesChanged());
    // The grid shows the new member's picks.
    const bool bobPicksAway = pickCode(pick(2, 1)) == team(2, 0);
    EXPECT_EQ(paintOf(away(2)), bobPicksAway ? chosen() : other());

    // Leaving a member without entries writes nothing.
    QFile::remove(h.temp.filePath(QStringLiteral("Bob Jone.PRD")));
    memberBox()->setCurrentIndex(0);
    EXPECT_FALSE(h.temp.exists(QStringLiteral("Bob Jone.PRD")));
    EXPECT_EQ(h.session.currentMember, 0);
}

TEST_F(PicksEntry, SaveWritesWhatStartUpReadsBackAndRecomputes) {
    usePool(3, [](PoolData& pool) { pool.weeklyPicks = 0; });
    writeFolder();
    open(0);
    memberBox()->setCurrentIndex(1);
    spin(QStringLiteral("weekSpin"))->setValue(2);
    click(button(QStringLiteral("cmdClear")));
    click(away(0));
    key(Qt::Key_F2);
    click(button(QStringLiteral("cmdClearCPts")));
    click(cpBox(4));
    click(cpBox(1));
    h.pool().pickDiffTotal[0][1] = 999;
    h.pool().memberOdds.fill(-5.0F);
    h.session.teamsRecalculated = true;
    const int refreshesBefore = refreshes;

    click(button(QStringLiteral("cmdSave")));
    EXPECT_TRUE(entry().isVisible()); // Save keeps the window open
    EXPECT_FALSE(state().entriesChanged());
    EXPECT_EQ(refreshes, refreshesBefore + 1);
    EXPECT_NE(h.pool().pickDiffTotal[0][1], 999);
    EXPECT_GE(h.pool().memberOdds[1], 0.0F);
    EXPECT_FALSE(h.session.teamsRecalculated);
    EXPECT_TRUE(h.messages.requests.empty());

    auto fresh = reload();
    const PoolData& read = fresh->pool();
    expectSameGames(read, [](const PoolData& pool, int w, int g) {
        // The unique-pick flag is worked out again after a start, not stored.
        return std::tuple(pickCode(pool.memberPicks[w][g][1]), pool.confidencePoints[w][g][1],
                          pool.mondayNightTotal[w][1]);
    });
    EXPECT_EQ(read.memberPicks[2][0][1], team(0, 0));
    EXPECT_EQ(read.memberPicks[2][2][1], read.noneCode());
    EXPECT_EQ(read.confidencePoints[2][4][1], 15);
}

TEST_F(PicksEntry, AFailedSaveIsToldAndTheMemberChangeWaitsForIt) {
    usePool(3);
    ASSERT_TRUE(QDir(h.temp.path()).mkdir(QStringLiteral("Margaret.PRD")));
    open(0);
    click(home(2));
    click(button(QStringLiteral("cmdOk")));
    ASSERT_EQ(h.messages.requests.size(), 1U);
    EXPECT_TRUE(h.messages.requests[0].text.contains(QStringLiteral("Margaret.PRD")));
    EXPECT_TRUE(entry().isVisible());
    EXPECT_TRUE(state().entriesChanged());

    // The member change that would have saved stays on the member whose entries are not written.
    memberBox()->setCurrentIndex(1);
    EXPECT_EQ(h.messages.requests.size(), 2U);
    EXPECT_EQ(memberBox()->currentIndex(), 0);
    EXPECT_EQ(h.session.currentMember, 0);

    QDir(h.temp.path()).rmdir(QStringLiteral("Margaret.PRD"));
    click(button(QStringLiteral("cmdOk")));
    EXPECT_FALSE(entry().isVisible());
    EXPECT_EQ(h.messages.requests.size(), 2U);
    EXPECT_TRUE(h.temp.exists(QStringLiteral("Margaret.PRD")));
}

TEST_F(PicksEntry, ThePostSeasonWindowOpensWithItsCaptionAndMarksTheEntriesChanged) {
    usePool(3);
    open(0);
    h.modal.results = {QDialog::Rejected, QDialog::Accepted};
    click(button(QStringLiteral("cmdPostSeason")));
    ASSERT_EQ(h.modal.shown.size(), 1U);
    EXPECT_EQ(h.modal.shown[0].className, QStringLiteral("vek::PSResultsPredict"));
    EXPECT_EQ(h.modal.shown[0].windowTitle, QStringLiteral("Post Season Predictions"));
    EXPECT_FALSE(state().entriesChanged());
    click(button(QStringLiteral("cmdPostSeason")));
    EXPECT_TRUE(state().entriesChanged());
    close();

    open(1);
    click(button(QStringLiteral("cmdPostSeason")));
    EXPECT_EQ(h.modal.shown.back().windowTitle, QStringLiteral("Post Season Results"));
    close();

    h.pool().postSeasonPoints = 0;
    h.pool().bigGamePoints = 0;
    open(0);
    EXPECT_FALSE(button(QStringLiteral("cmdPostSeason"))->isEnabled());
}

} // namespace
} // namespace vek
