// pool.dat: the five pool options.
#include "model/pooldata.h"
#include "model/poolfile.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

const QString PoolDat = QStringLiteral("pool.dat");

TEST(PoolFile, RoundTripInFileOrder) {
    test::TempFolder dir;
    auto written = test::newPool();
    written->weeklyPicks = 1;
    written->usePointSpreads = True16;
    written->confidenceMode = 2;
    written->pointsSystem = 1;
    written->mnTieBreaker = 2;
    ASSERT_TRUE(writePoolOptions(dir.folder(), *written).ok);
    EXPECT_EQ(dir.read(PoolDat), QByteArray("1\r\n-1\r\n2\r\n1\r\n2\r\n"));

    auto read = test::newPool();
    EXPECT_TRUE(readPoolOptions(dir.folder(), *read).opened);
    EXPECT_EQ(read->weeklyPicks, 1);
    EXPECT_EQ(read->usePointSpreads, True16);
    EXPECT_EQ(read->confidenceMode, 2);
    EXPECT_EQ(read->pointsSystem, 1);
    EXPECT_EQ(read->mnTieBreaker, 2);
}

TEST(PoolFile, MissingFileSetsAllFiveToZeroAndAShortFileKeepsTheRest) {
    test::TempFolder dir;
    auto pool = test::newPool();
    pool->weeklyPicks = 1;
    pool->mnTieBreaker = 2;
    EXPECT_FALSE(readPoolOptions(dir.folder(), *pool).opened);
    EXPECT_EQ(pool->weeklyPicks, 0);
    EXPECT_EQ(pool->mnTieBreaker, 0);

    dir.write(PoolDat, test::fileOf({"1", "-1"}));
    pool->confidenceMode = 1;
    const ReadOutcome outcome = readPoolOptions(dir.folder(), *pool);
    EXPECT_TRUE(outcome.endedEarly);
    EXPECT_EQ(pool->weeklyPicks, 1);
    EXPECT_EQ(pool->usePointSpreads, True16);
    EXPECT_EQ(pool->confidenceMode, 1);
}

} // namespace
} // namespace vek
