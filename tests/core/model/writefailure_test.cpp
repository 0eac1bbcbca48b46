// Every data-file writer reports a failed write with the file's name; the setup files are written from
// values of their own.
#include "model/datafolder.h"
#include "model/eventsfile.h"
#include "model/leaguefile.h"
#include "model/membersfile.h"
#include "model/poolfile.h"
#include "model/predictionfiles.h"
#include "model/resultfiles.h"
#include "model/schedulefile.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cerrno>

#include <sys/syscall.h>
#include <unistd.h>

// A file system that takes every byte and refuses them only when the file is synced, as network and
// quota file systems do: this executable's fsync fails while `refusedSync` holds an error, and is the
// system's own otherwise.
namespace {
int refusedSync = 0;
}
extern "C" int fsync(int fd) {
    if (refusedSync != 0) {
        errno = refusedSync;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace vek {
namespace {

TEST(DataFileWriters, FailureIsReportedNeverSuccess) {
    const DataFolder missing(QStringLiteral("/nonexistent-pool-folder/sub"));
    auto pool = test::samplePool({QStringLiteral("Margaret Smith")}, 2);
    const WeekLayout layout = pool->weekLayout();
    const std::pair<WriteResult, QString> results[] = {
        {writeLeague(missing, *pool), QStringLiteral("vek.dat")},
        {writePoolOptions(missing, *pool), QStringLiteral("pool.dat")},
        {writeEventProfiles(missing, *pool), QStringLiteral("events.dat")},
        {writeSchedule(missing, *pool), QStringLiteral("schedule.dat")},
        {writeMembers(missing, *pool), QStringLiteral("members.dat")},
        {writePredictions(missing, *pool, 0, layout), QStringLiteral("Margaret.PRD")},
        {writeConfidence(missing, *pool, 0, layout), QStringLiteral("Margaret.CPT")},
        {writeResults(missing, *pool, layout), QStringLiteral("results.dat")},
        {writeScores(missing, *pool, layout), QStringLiteral("scores.dat")},
        {writeFavorites(missing, *pool, layout), QStringLiteral("favorite.dat")},
    };
    for (const auto& [result, name] : results) {
        EXPECT_FALSE(result.ok) << name.toStdString();
        EXPECT_EQ(result.fileName, name);
        EXPECT_FALSE(result.reason.isEmpty()) << name.toStdString();
    }
}

TEST(DataFileWriters, ASyncRefusedLeavesTheOldFileWhole) {
    test::TempFolder temp;
    const QByteArray before = "0\r\n-1\r\n";
    ASSERT_TRUE(writeFileAtomically(temp.folder(), QStringLiteral("pool.dat"), before).ok);
    refusedSync = EDQUOT;
    const WriteResult result = writeFileAtomically(temp.folder(), QStringLiteral("pool.dat"), "1\r\n0\r\n");
    refusedSync = 0;
    EXPECT_EQ(result.failureText().toStdString(), "pool.dat could not be saved: Disk quota exceeded");
    EXPECT_EQ(temp.read(QStringLiteral("pool.dat")), before);
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), QStringList{QStringLiteral("pool.dat")});
}

TEST(DataFileWriters, SetupFilesAreWrittenFromAValueAndLeaveTheTablesAlone) {
    // A window writes its file from its own value first; the shared tables change only after that.
    auto pool = test::samplePool({QStringLiteral("Margaret Smith"), QStringLiteral("Bob Jones")}, 2);
    const auto before = test::samplePool({QStringLiteral("Margaret Smith"), QStringLiteral("Bob Jones")}, 2);
    test::TempFolder fromValues;
    LeagueTables league = pool->league();
    league.teamName[4] = QStringLiteral("Harbour City");
    PoolOptions options = pool->options();
    options.confidenceMode = 2;
    EventSettings events = pool->eventSettings();
    events.bigGamePoints = 750;
    MemberList members = pool->memberList();
    members.numMembers = 3;
    members.memberName[2] = QStringLiteral("Carla Castillo");
    ASSERT_TRUE(writeLeague(fromValues.folder(), league).ok);
    ASSERT_TRUE(writePoolOptions(fromValues.folder(), options).ok);
    ASSERT_TRUE(writeEventProfiles(fromValues.folder(), events).ok);
    ASSERT_TRUE(writeMembers(fromValues.folder(), members).ok);
    EXPECT_EQ(pool->teamName[4], before->teamName[4]);
    EXPECT_EQ(pool->confidenceMode, before->confidenceMode);
    EXPECT_EQ(pool->bigGamePoints, before->bigGamePoints);
    EXPECT_EQ(pool->numMembers, 2);

    // The written value is what start-up reads back, with the rest of the pool's values.
    auto read = test::newPool();
    read->maxMembers = MaxMembersLimit;
    readLeague(fromValues.folder(), *read);
    readPoolOptions(fromValues.folder(), *read);
    readEventProfiles(fromValues.folder(), *read);
    readMembers(fromValues.folder(), *read);
    EXPECT_EQ(read->teamName[4], QStringLiteral("Harbour City"));
    EXPECT_EQ(read->teamName[5], pool->teamName[5]);
    EXPECT_EQ(read->confidenceMode, 2);
    EXPECT_EQ(read->weeklyPicks, pool->weeklyPicks);
    EXPECT_EQ(read->bigGamePoints, 750);
    EXPECT_EQ(read->goodWeekPoints, pool->goodWeekPoints);
    EXPECT_EQ(read->numMembers, 3);
    EXPECT_EQ(read->memberName[2], QStringLiteral("Carla Castillo"));
}

} // namespace
} // namespace vek
