// Every data-file writer reports a failed write with the file's name.
#include "model/datafolder.h"
#include "model/eventsfile.h"
#include "model/leaguefile.h"
#include "model/membersfile.h"
#include "model/poolfile.h"
#include "model/predictionfiles.h"
#include "model/resultfiles.h"
#include "model/schedulefile.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace vek
