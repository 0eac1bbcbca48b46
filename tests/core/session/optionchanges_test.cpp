// OK of the pool options as a session operation: the confidence renumbering, the files it writes before
// anything in memory changes, what start-up reads back, and a failed write that changes nothing.
#include "app/startup.h"
#include "session/optionchanges.h"
#include "session/poolsession.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/tempfolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace vek {
namespace {

const QStringList Members{QStringLiteral("Margaret Smith"), QStringLiteral("Bob Jones")};

TEST(ConfidenceConversion, ValuesMoveByTheWeeksOpenDatesBetweenTheTwoRanges) {
    WeekLayout layout;
    layout.numWeeks = 2;
    layout.gamesPerWeek = 16;
    layout.openDates[0] = 2; // 14 games
    auto pool = test::newPool();
    auto& points = pool->confidencePoints;
    for (int g = 0; g < 14; ++g) {
        points[0][g][0] = static_cast<int16_t>(16 - g); // mode 1: 16 down to 3
        points[1][g][1] = static_cast<int16_t>(16 - g); // week 1 has no byes
    }
    points[0][13][1] = 0; // no value yet
    const auto mode1 = points;

    struct Case {
        int16_t from, to;
        bool converts;
    };
    const Case cases[] = {{1, 2, true},  {2, 1, true},  {0, 1, false},
                          {2, 0, false}, {1, 1, false}, {2, 2, false}};
    for (const Case& c : cases) {
        auto converted = mode1;
        EXPECT_EQ(convertConfidencePoints(converted, layout, 2, c.from, c.to), c.converts) << c.from << c.to;
        const int shift = !c.converts ? 0 : c.to == 2 ? -2 : 2;
        EXPECT_EQ(converted[0][0][0], 16 + shift);
        EXPECT_EQ(converted[0][13][0], 3 + shift);
        EXPECT_EQ(converted[1][5][1], 11); // a week without byes keeps its values
        EXPECT_EQ(converted[0][13][1], 0); // and no value stays no value
    }
    auto back = mode1;
    convertConfidencePoints(back, layout, 2, 1, 2);
    convertConfidencePoints(back, layout, 2, 2, 1);
    EXPECT_EQ(back, mode1);
}

/// A session over the sample pool (confidence mode 2, no point spreads) with every file on disk.
class OptionChanges : public ::testing::Test {
protected:
    OptionChanges() {
        pool() = *test::samplePool(Members, 3);
        test::writeAllFiles(dir.folder(), pool());
        QObject::connect(&session, &PoolSession::mainButtonsRefreshRequested, [this] {
            ++refreshes;
            confidenceModeAtRefresh = pool().confidenceMode;
        });
    }
    PoolData& pool() { return session.pool(); }
    PoolOptions options() const {
        const PoolData& p = session.pool();
        return {p.weeklyPicks, p.usePointSpreads, p.confidenceMode, p.pointsSystem, p.mnTieBreaker};
    }

    test::TempFolder dir;
    PoolSession session{dir.folder()};
    int refreshes = 0;
    int16_t confidenceModeAtRefresh = -1;
};

TEST_F(OptionChanges, WhatOkWritesIsWhatStartUpReadsBack) {
    const auto before = pool().confidencePoints;
    pool().spreadWinner[2][0] = -7;
    PoolOptions changed{1, True16, 1, 2, 2};
    ASSERT_TRUE(changePoolOptions(session, changed).ok);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(confidenceModeAtRefresh, 1);
    EXPECT_NE(pool().spreadWinner[2][0], -7); // spreads are used now
    // Week 0 has one bye slot: every value moved up by one.
    EXPECT_EQ(pool().confidencePoints[0][0][1], before[0][0][1] + 1);
    EXPECT_EQ(pool().confidencePoints[16][0][1], before[16][0][1]); // week 16 has none

    EXPECT_EQ(test::fileLines(dir.read(QStringLiteral("pool.dat"))),
              (QList<QByteArray>{"1", "-1", "1", "2", "2"}));
    PoolSession fresh(dir.folder());
    test::RecordingStartupHost host;
    runLoadingStages(fresh, host, 2024);
    const PoolData& read = fresh.pool();
    EXPECT_EQ((std::array{read.weeklyPicks, read.usePointSpreads, read.confidenceMode, read.pointsSystem,
                          read.mnTieBreaker}),
              (std::array<int16_t, 5>{1, -1, 1, 2, 2}));
    EXPECT_EQ(read.confidencePoints, pool().confidencePoints);
    EXPECT_EQ(read.mondayNightTotal, pool().mondayNightTotal);
}

TEST_F(OptionChanges, TheConfidenceFilesKeepTheScheduleAsItIsOnDisk) {
    const qsizetype lines = test::fileLines(dir.read(QStringLiteral("Bob Jone.CPT"))).size();
    session.setFileLayout(pool().weekLayout());
    pool().openDates[0] = 3; // the schedule in memory has changed since it was saved
    ASSERT_TRUE(changePoolOptions(session, {1, 0, 1, 0, 1}).ok);
    EXPECT_EQ(test::fileLines(dir.read(QStringLiteral("Bob Jone.CPT"))).size(), lines);
}

TEST_F(OptionChanges, WithoutRenumberingOnlyPoolDatIsWritten) {
    const QByteArray cpt = dir.read(QStringLiteral("Bob Jone.CPT"));
    QDir(dir.path()).remove(QStringLiteral("Bob Jone.CPT"));
    ASSERT_TRUE(changePoolOptions(session, {0, 0, 0, 1, 0}).ok);
    EXPECT_FALSE(dir.exists(QStringLiteral("Bob Jone.CPT")));
    EXPECT_EQ(pool().confidenceMode, 0);
    EXPECT_EQ(pool().pointsSystem, 1);
    ASSERT_TRUE(changePoolOptions(session, {0, 0, 2, 1, 0}).ok); // from none to a range: nothing moves
    EXPECT_FALSE(dir.exists(QStringLiteral("Bob Jone.CPT")));
    EXPECT_EQ(refreshes, 2);
}

TEST_F(OptionChanges, AFailedWriteChangesNothingAndASecondOkConvertsOnce) {
    struct Case {
        const char* blocked; // a folder in the way of this file
    };
    for (const Case& c : {Case{"pool.dat"}, Case{"Bob Jone.CPT"}}) {
        SCOPED_TRACE(c.blocked);
        const QString blocked = QString::fromLatin1(c.blocked);
        const QByteArray blockedBytes = dir.read(blocked);
        const QByteArray poolDat = dir.read(QStringLiteral("pool.dat"));
        const QByteArray firstCpt = dir.read(QStringLiteral("Margaret.CPT"));
        const auto points = pool().confidencePoints;
        QDir(dir.path()).remove(blocked);
        ASSERT_TRUE(QDir(dir.path()).mkdir(blocked));

        const WriteResult failed = changePoolOptions(session, {1, True16, 1, 0, 1});
        EXPECT_FALSE(failed.ok);
        EXPECT_EQ(failed.fileName, blocked);
        EXPECT_EQ(pool().confidenceMode, 2);
        EXPECT_EQ(pool().usePointSpreads, 0);
        EXPECT_EQ(pool().confidencePoints, points);
        EXPECT_EQ(refreshes, 0);
        // The files keep the numbering that memory and pool.dat still have.
        EXPECT_EQ(dir.read(QStringLiteral("Margaret.CPT")), firstCpt);
        if (blocked != QStringLiteral("pool.dat")) {
            EXPECT_EQ(dir.read(QStringLiteral("pool.dat")), poolDat);
        }

        ASSERT_TRUE(QDir(dir.path()).rmdir(blocked));
        dir.write(blocked, blockedBytes);
        ASSERT_TRUE(changePoolOptions(session, {1, True16, 1, 0, 1}).ok);
        EXPECT_EQ(pool().confidencePoints[0][0][0], points[0][0][0] + 1);
        // Back to where the case started.
        ASSERT_TRUE(changePoolOptions(session, {1, 0, 2, 0, 1}).ok);
        EXPECT_EQ(pool().confidencePoints, points);
        refreshes = 0;
    }
}

} // namespace
} // namespace vek
