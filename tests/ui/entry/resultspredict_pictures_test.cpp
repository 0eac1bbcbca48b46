// The team picture store and the logos the weekly entry window takes from it; the grid's limits.
#include "resultspredict_fixture.h"

#include "widgets/teampictures.h"

#include <QImage>

#include <set>

namespace vek {
namespace {

using test::ResultsPredictTest;

TEST(TeamPictures, ThirtyTwoDistinctLogosThenNone) {
    std::set<QByteArray> seen;
    for (int number = 0; number < TeamPictures::DrawnSlots; ++number) {
        const QPixmap picture = TeamPictures::picture(number);
        ASSERT_FALSE(picture.isNull()) << number;
        EXPECT_EQ(picture.size(), QSize(TeamPictures::Width, TeamPictures::Height));
        EXPECT_EQ(picture.toImage(), TeamPictures::picture(number).toImage()) << number; // always the same
        const QImage image = picture.toImage();
        seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(TeamPictures::DrawnSlots));
    for (const int number : {32, 33, 35, 36, -1, 16384, -32768}) {
        EXPECT_TRUE(TeamPictures::picture(number).isNull()) << number;
    }
}

TEST_F(ResultsPredictTest, TheLogosAreTheTeamsPictureNumbers) {
    usePool(3, [](PoolData& pool) {
        pool.teamIcon[pool.scheduleGrid[0][1][0]] = 20;
        pool.teamIcon[pool.scheduleGrid[0][1][1]] = 34;   // an empty slot
        pool.teamIcon[pool.scheduleGrid[0][2][1]] = 9000; // outside the store
    });
    open(0);
    click(away(1)); // every game holds a pick: the selection stays on the game entered
    ASSERT_EQ(state().selectedRow(), 1);
    EXPECT_EQ(label(QStringLiteral("picAway"))->pixmap().toImage(), TeamPictures::picture(20).toImage());
    EXPECT_TRUE(label(QStringLiteral("picHome"))->pixmap().isNull());
    EXPECT_EQ(label(QStringLiteral("awayBox"))->text(), h.pool().teamName[team(1, 0)]);
    click(home(2));
    ASSERT_EQ(state().selectedRow(), 2);
    EXPECT_TRUE(label(QStringLiteral("picHome"))->pixmap().isNull());
    EXPECT_FALSE(label(QStringLiteral("picAway"))->pixmap().isNull());
}

TEST_F(ResultsPredictTest, AWeekOfNineteenGamesFitsAndDamagedCodesStayInTheTables) {
    usePool(3, [](PoolData& pool) {
        pool.usePointSpreads = True16;
        pool.gamesPerWeek = 19; // three more slots a week: week 1 has 18 games, the last week 19
        for (int w : {0, 16}) {
            for (int g = 15; g < 19; ++g) {
                pool.scheduleGrid[w][g] = {static_cast<int16_t>(g - 15), static_cast<int16_t>(g - 11), 0};
            }
        }
        pool.scheduleGrid[0][2][0] = 500; // a damaged team code
    });
    open(1);
    spin(QStringLiteral("weekSpin"))->setValue(0);
    EXPECT_EQ(games(), 18);
    EXPECT_TRUE(away(17)->isVisible());
    EXPECT_FALSE(away(18)->isVisible());
    spin(QStringLiteral("weekSpin"))->setValue(16);
    EXPECT_EQ(games(), 19);
    EXPECT_TRUE(away(18)->isVisible());
    EXPECT_TRUE(tie(18)->isVisible());
    click(tie(18));
    EXPECT_EQ(h.pool().gameWinner[16][18], h.pool().tieCode());

    spin(QStringLiteral("weekSpin"))->setValue(0);
    EXPECT_EQ(away(2)->text(), QString());
    click(away(2)); // with spreads the click selects the game
    EXPECT_EQ(state().selectedRow(), 2);
    EXPECT_EQ(label(QStringLiteral("awayBox"))->text(), QString());
    EXPECT_TRUE(label(QStringLiteral("picAway"))->pixmap().isNull());
    const int16_t before = h.pool().gameWinner[0][2];
    key(Qt::Key_F1); // names no team: nothing is entered
    EXPECT_EQ(h.pool().gameWinner[0][2], before);
    key(Qt::Key_F2);
    EXPECT_EQ(h.pool().gameWinner[0][2], team(2, 1));
}

} // namespace
} // namespace vek
