// The post-season picks made from the weekly entry window reach the member's predictions file when the
// user moves on to another member, as every other entry does.
#include "support/controls.h"
#include "resultspredict_fixture.h"

#include "entry/psresultspredict.h"

#include <QComboBox>

namespace vek {
namespace {

using test::ResultsPredictTest;

TEST_F(ResultsPredictTest, PostSeasonPicksAreSavedWhenTheMemberChanges) {
    usePool(3);
    writeFolder();
    open(0);
    ASSERT_EQ(h.session.currentMember, 0);

    // In the post-season window the user picks the second NFC East team and the last team for the Big
    // Game, then presses OK.
    const PoolData& pool = h.pool();
    const int16_t eastWinner = static_cast<int16_t>(pool.divisionRec[0].firstTeam + 1);
    const int16_t bigGameWinner = pool.divisionRec[7].lastTeam;
    ASSERT_NE(pool.postSeasonPicks[0][0], eastWinner);
    ASSERT_NE(pool.postSeasonPicks[12][0], bigGameWinner);
    h.modal.onShow = [](QDialog& dialog) {
        auto* east = dialog.findChild<QComboBox*>(QStringLiteral("nfceList"));
        auto* bigGame = dialog.findChild<QComboBox*>(QStringLiteral("superList"));
        ASSERT_NE(east, nullptr);
        ASSERT_NE(bigGame, nullptr);
        test::choose(east, 2);
        test::choose(bigGame, bigGame->count() - 1);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
    };
    QTest::mouseClick(button(QStringLiteral("cmdPostSeason")), Qt::LeftButton);
    EXPECT_EQ(pool.postSeasonPicks[0][0], eastWinner);
    EXPECT_EQ(pool.postSeasonPicks[12][0], bigGameWinner);
    EXPECT_TRUE(state().entriesChanged());

    // Moving on to the next member saves the member being left.
    find<QComboBox>(QStringLiteral("MemberBox"))->setCurrentIndex(1);
    EXPECT_EQ(h.session.currentMember, 1);
    EXPECT_TRUE(h.messages.requests.empty());

    const auto fresh = reload();
    EXPECT_EQ(fresh->pool().postSeasonPicks[0][0], eastWinner);
    EXPECT_EQ(fresh->pool().postSeasonPicks[12][0], bigGameWinner);
}

} // namespace
} // namespace vek
