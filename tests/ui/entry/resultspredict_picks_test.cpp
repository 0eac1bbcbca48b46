// The weekly entry window in predictions mode: opening on the default member, picks by click and by
// key, confidence points, the Monday-night total, the favourite's line, member and week changes, Save,
// Cancel and the post-season window.
#include "resultspredict_fixture.h"

#include "entry/psresultspredict.h"

#include <QComboBox>
#include <QDir>
#include <QFile>

#include <set>

namespace vek {
namespace {

using test::ResultsPredictTest;

class PicksEntry : public ResultsPredictTest {
protected:
    int16_t pick(int row, int member = -1) {
        return h.pool().memberPicks[week()][row][member < 0 ? h.session.currentMember : member];
    }
    int16_t points(int row) { return h.pool().confidencePoints[week()][row][h.session.currentMember]; }
    QComboBox* memberBox() { return find<QComboBox>(QStringLiteral("MemberBox")); }
    QStringList files() { return QDir(h.temp.path()).entryList(QDir::Files); }
};

TEST_F(PicksEntry, OpensOnTheDefaultMemberAndSavesNothingWhenItLoads) {
    usePool(3, [](PoolData& pool) { pool.defaultMember = 1; });
    open(0);
    EXPECT_EQ(memberBox()->currentIndex(), 1);
    EXPECT_EQ(memberBox()->count(), 2);
    EXPECT_EQ(memberBox()->itemText(0), QStringLiteral("Margaret Smith"));
    EXPECT_EQ(h.session.currentMember, 1);
    EXPECT_EQ(entry().shownWeek(), 0);
    EXPECT_EQ(label(QStringLiteral("weekBox"))->text(), QStringLiteral("1"));
    EXPECT_EQ(label(QStringLiteral("gamenumBox"))->text(), QStringLiteral("15"));
    EXPECT_EQ(button(QStringLiteral("cmdClear"))->text(), QStringLiteral("Clear Picks"));
    EXPECT_TRUE(label(QStringLiteral("memlabelBox"))->isVisible());
    EXPECT_FALSE(tie(0)->isVisible());
    EXPECT_FALSE(edit(QStringLiteral("awayScoreBox"))->isVisible());
    EXPECT_FALSE(spin(QStringLiteral("spreadSpin"))->isVisible());
    EXPECT_TRUE(button(QStringLiteral("cmdPostSeason"))->isVisible());
    EXPECT_EQ(label(QStringLiteral("awayBox"))->text(), h.pool().teamName[team(0, 0)]);

    // An entry left unsaved by Cancel is not saved behind the user's back when the window loads again.
    click(away(0));
    EXPECT_TRUE(entry().entriesChanged());
    click(button(QStringLiteral("cmdCancel")));
    EXPECT_FALSE(entry().isVisible());
    EXPECT_FALSE(entry().isLoaded());
    EXPECT_EQ(pick(0, 1), team(0, 0)); // the entry stays in memory
    h.pool().defaultMember = 0;
    open(0);
    EXPECT_EQ(h.session.currentMember, 0);
    EXPECT_FALSE(entry().entriesChanged());
    EXPECT_TRUE(files().isEmpty());

    // Nor when the window was closed some other way with the entries still marked.
    click(away(1));
    close();
    EXPECT_TRUE(entry().entriesChanged());
    h.pool().defaultMember = 1;
    open(0);
    EXPECT_EQ(h.session.currentMember, 1);
    EXPECT_TRUE(files().isEmpty());
    close();

    h.pool().defaultMember = 7; // outside the list
    open(0);
    EXPECT_EQ(memberBox()->currentIndex(), 0);
    EXPECT_EQ(h.session.currentMember, 0);
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(PicksEntry, ClicksAndFunctionKeysChooseAndMoveOnToTheNextOpenGame) {
    usePool(3);
    open(0);
    click(button(QStringLiteral("cmdClear")));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(entry().enteredCount(), 0);
    for (int row = 0; row < games(); ++row) {
        ASSERT_EQ(pick(row), h.pool().noneCode());
        ASSERT_EQ(look(away(row)), QStringLiteral("none"));
        ASSERT_EQ(look(home(row)), QStringLiteral("none"));
    }

    click(home(0));
    EXPECT_EQ(pick(0), team(0, 1));
    EXPECT_EQ(look(home(0)), QStringLiteral("chosen"));
    EXPECT_EQ(look(away(0)), QStringLiteral("other"));
    EXPECT_EQ(entry().selectedRow(), 1);
    EXPECT_EQ(label(QStringLiteral("homeBox"))->text(), h.pool().teamName[team(1, 1)]);
    EXPECT_FALSE(label(QStringLiteral("picHome"))->pixmap().isNull());

    key(Qt::Key_F1);
    EXPECT_EQ(pick(1), team(1, 0));
    EXPECT_EQ(entry().selectedRow(), 2);
    key(Qt::Key_F3); // no ties among the picks
    click(entry().tieBox());
    EXPECT_EQ(pick(2), h.pool().noneCode());
    EXPECT_EQ(entry().selectedRow(), 2);

    click(away(6)); // out of order: the selection goes back to the first open game
    EXPECT_EQ(entry().selectedRow(), 2);
    while (entry().enteredCount() < games()) {
        key(Qt::Key_F2);
    }
    EXPECT_EQ(entry().selectedRow(), games() - 1); // the last game entered; no open game left
    EXPECT_EQ(pick(6), team(6, 0));
    EXPECT_EQ(pick(14), team(14, 1));
    click(away(3)); // a changed pick keeps the count and the selection
    EXPECT_EQ(entry().enteredCount(), games());
    EXPECT_EQ(entry().selectedRow(), 3);
    EXPECT_TRUE(files().isEmpty()); // nothing is written before Save
}

TEST_F(PicksEntry, ConfidencePointsAreHandedOutFromTheTopAndTakenBack) {
    usePool(3); // the sample's points run from each week's games down to 1
    for (const int mode : {2, 1}) {
        SCOPED_TRACE(mode);
        h.pool().confidenceMode = static_cast<int16_t>(mode);
        open(0);
        // Week 1 has 15 games in 16 slots: mode 1 runs 16..2, mode 2 runs 15..1.
        const int top = mode == 1 ? 16 : 15;
        const int bottom = top - games() + 1;
        // In mode 1 the sample's 1 lies below the week's values, so 16 is still to be placed.
        EXPECT_EQ(button(QStringLiteral("cmdOk"))->isEnabled(), mode == 2);
        click(button(QStringLiteral("cmdClearCPts")));
        EXPECT_EQ(cpBox(0)->text(), QStringLiteral("0"));
        EXPECT_FALSE(cpBox(0)->property("placed").toBool());
        EXPECT_EQ(label(QStringLiteral("cptsBox"))->text(), QString::number(top));
        EXPECT_TRUE(label(QStringLiteral("cp2Label"))->isVisible());
        EXPECT_FALSE(button(QStringLiteral("cmdOk"))->isEnabled());
        EXPECT_TRUE(button(QStringLiteral("cmdSave"))->isEnabled());

        click(cpBox(3));
        click(cpBox(0));
        click(cpBox(7));
        EXPECT_EQ(points(3), top);
        EXPECT_EQ(points(0), top - 1);
        EXPECT_EQ(cpBox(7)->text(), QString::number(top - 2));
        EXPECT_TRUE(cpBox(7)->property("placed").toBool());
        click(cpBox(3)); // taken back: the top is offered again
        EXPECT_EQ(points(3), 0);
        EXPECT_EQ(entry().nextConfidence(), top);
        click(cpBox(10));
        EXPECT_EQ(points(10), top);

        for (int row = 0; row < games(); ++row) {
            if (points(row) == 0) {
                click(cpBox(row));
            }
        }
        std::set<int> placed;
        for (int row = 0; row < games(); ++row) {
            placed.insert(points(row));
        }
        EXPECT_EQ(placed.size(), static_cast<size_t>(games()));
        EXPECT_EQ(*placed.begin(), bottom);
        EXPECT_EQ(*placed.rbegin(), top);
        EXPECT_TRUE(button(QStringLiteral("cmdOk"))->isEnabled());
        EXPECT_FALSE(label(QStringLiteral("cp2Label"))->isVisible());
        EXPECT_FALSE(label(QStringLiteral("cptsBox"))->isVisible());
        click(cpBox(5));
        EXPECT_FALSE(button(QStringLiteral("cmdOk"))->isEnabled());

        // The last week has no bye: 16 down to 1 in both modes.
        spin(QStringLiteral("weekSpin"))->setValue(16);
        EXPECT_EQ(games(), 16);
        click(button(QStringLiteral("cmdClearCPts")));
        click(cpBox(15));
        click(cpBox(0));
        EXPECT_EQ(points(15), 16);
        EXPECT_EQ(points(0), 15);
        close();
    }
}

TEST_F(PicksEntry, WithoutConfidencePointsTheirColumnIsHidden) {
    usePool(3, [](PoolData& pool) { pool.confidenceMode = 0; });
    open(0);
    EXPECT_FALSE(cpBox(0)->isVisible());
    EXPECT_FALSE(label(QStringLiteral("cpLabel"))->isVisible());
    EXPECT_FALSE(label(QStringLiteral("cp2Label"))->isVisible());
    EXPECT_FALSE(button(QStringLiteral("cmdClearCPts"))->isVisible());
    click(button(QStringLiteral("cmdClear")));
    EXPECT_TRUE(button(QStringLiteral("cmdOk"))->isEnabled());
}

TEST_F(PicksEntry, TheMondayNightTotalBelongsToTheLastGame) {
    usePool(3);
    open(0);
    QLineEdit* total = edit(QStringLiteral("txtTotScore"));
    EXPECT_FALSE(total->isVisible());
    click(away(14)); // every game holds a pick: the selection stays on the last game
    EXPECT_EQ(entry().selectedRow(), 14);
    EXPECT_TRUE(total->isVisible());
    EXPECT_TRUE(label(QStringLiteral("lblTotScore"))->isVisible());
    EXPECT_EQ(total->text(), QStringLiteral("30"));

    total->selectAll();
    type(total, QStringLiteral("4x7"));
    EXPECT_EQ(total->text(), QStringLiteral("47"));
    QTest::keyClick(total, Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(total, Qt::Key_0);
    QTest::keyClick(total, Qt::Key_0); // 47500 does not fit
    EXPECT_EQ(total->text(), QStringLiteral("4750"));
    EXPECT_EQ(h.pool().mondayNightTotal[0][0], 4750);
    QTest::keyClick(total, Qt::Key_Backspace);
    QTest::keyClick(total, Qt::Key_Backspace);
    QTest::keyClick(total, Qt::Key_Backspace);
    QTest::keyClick(total, Qt::Key_Backspace);
    EXPECT_EQ(h.pool().mondayNightTotal[0][0], 0);

    click(home(2));
    EXPECT_EQ(entry().selectedRow(), 2);
    EXPECT_FALSE(total->isVisible());
    close();

    h.pool().mnTieBreaker = 0;
    open(0);
    click(away(14));
    EXPECT_FALSE(total->isVisible());
}

TEST_F(PicksEntry, WithPointSpreadsTheFavouritesLineStandsBesideIt) {
    usePool(3, [](PoolData& pool) {
        pool.usePointSpreads = True16;
        pool.favoriteTeam[0][3] = pool.scheduleGrid[0][3][1];
        pool.pointSpread[0][3] = 6.5F;
        pool.favoriteTeam[0][4] = pool.scheduleGrid[0][4][0];
        pool.pointSpread[0][4] = 3.0F;
        pool.favoriteTeam[0][5] = pool.tieCode();
        pool.pointSpread[0][5] = 0.0F;
    });
    open(0);
    EXPECT_EQ(label(QStringLiteral("hscoreBox3"))->text(), QStringLiteral("-6.5"));
    EXPECT_EQ(label(QStringLiteral("ascoreBox3"))->text(), QString());
    EXPECT_EQ(label(QStringLiteral("ascoreBox4"))->text(), QStringLiteral("-3"));
    EXPECT_EQ(label(QStringLiteral("hscoreBox4"))->text(), QString());
    EXPECT_EQ(label(QStringLiteral("hscoreBox5"))->text(), QStringLiteral("0"));
}

TEST_F(PicksEntry, SwitchingMemberSavesTheMemberLeftSwitchingWeekSavesNothing) {
    usePool(3);
    writeFolder();
    open(0);
    const QByteArray before = h.temp.read(QStringLiteral("Margaret.PRD"));
    click(home(2)); // the sample picked the away team
    EXPECT_EQ(pick(2, 0), team(2, 1));
    spin(QStringLiteral("weekSpin"))->setValue(5);
    EXPECT_EQ(label(QStringLiteral("weekBox"))->text(), QStringLiteral("6"));
    EXPECT_EQ(entry().selectedRow(), 0);
    spin(QStringLiteral("weekSpin"))->setValue(0);
    EXPECT_EQ(h.temp.read(QStringLiteral("Margaret.PRD")), before);
    EXPECT_EQ(refreshes, 0);

    QTest::keyClick(memberBox(), Qt::Key_Down);
    EXPECT_EQ(h.session.currentMember, 1);
    EXPECT_NE(h.temp.read(QStringLiteral("Margaret.PRD")), before);
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(entry().entriesChanged());
    // The grid shows the new member's picks.
    const bool bobPicksAway = pick(2, 1) == team(2, 0);
    EXPECT_EQ(look(away(2)), bobPicksAway ? QStringLiteral("chosen") : QStringLiteral("other"));

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
    EXPECT_FALSE(entry().entriesChanged());
    EXPECT_EQ(refreshes, refreshesBefore + 1);
    EXPECT_NE(h.pool().pickDiffTotal[0][1], 999);
    EXPECT_GE(h.pool().memberOdds[1], 0.0F);
    EXPECT_FALSE(h.session.teamsRecalculated);
    EXPECT_EQ(h.pool().predictionsComplete[1], 0); // a week of open picks in a pool picked before the season
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
    EXPECT_EQ(read.predictionsComplete[1], 0);
}

TEST_F(PicksEntry, AFailedSaveIsToldAndTheEntriesStayUnsaved) {
    usePool(3);
    ASSERT_TRUE(QDir(h.temp.path()).mkdir(QStringLiteral("Margaret.PRD")));
    open(0);
    click(home(2));
    click(button(QStringLiteral("cmdOk")));
    ASSERT_EQ(h.messages.requests.size(), 1U);
    EXPECT_TRUE(h.messages.requests[0].text.contains(QStringLiteral("Margaret.PRD")));
    EXPECT_TRUE(entry().isVisible());
    EXPECT_TRUE(entry().isLoaded());
    EXPECT_TRUE(entry().entriesChanged());
    EXPECT_TRUE(h.temp.exists(QStringLiteral("Margaret.CPT"))); // the other file is written all the same

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

TEST_F(PicksEntry, ThePostSeasonWindowMarksTheEntriesChanged) {
    usePool(3);
    open(0);
    h.modal.results = {QDialog::Rejected, QDialog::Accepted};
    click(button(QStringLiteral("cmdPostSeason")));
    ASSERT_EQ(h.modal.shown.size(), 1U);
    EXPECT_EQ(h.modal.shown[0].className, QStringLiteral("vek::PSResultsPredict"));
    EXPECT_EQ(h.modal.shown[0].windowTitle, QStringLiteral("Post Season Predictions"));
    EXPECT_FALSE(entry().entriesChanged());
    click(button(QStringLiteral("cmdPostSeason")));
    EXPECT_TRUE(entry().entriesChanged());
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
