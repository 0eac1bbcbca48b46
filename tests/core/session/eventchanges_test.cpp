// OK of the event profiles as a session operation: events.dat as start-up reads it back, and a failed
// write that changes nothing.
#include "model/eventsfile.h"
#include "model/periodtables.h"
#include "session/eventchanges.h"
#include "session/poolsession.h"
#include "setup/eventsettingsdraft.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace vek {
namespace {

QList<QByteArray> repeated(const QByteArray& line, int count) {
    QList<QByteArray> lines;
    for (int i = 0; i < count; ++i) {
        lines << line;
    }
    return lines;
}

TEST(EventChanges, OkWithoutChangesWritesTheDefaultsWithTheLastPeriodsFittedToTheSeason) {
    for (const int weeks : {18, 17}) {
        test::TempFolder dir;
        PoolSession session(dir.folder());
        PoolData& pool = session.pool();
        pool.numTeams = 32;
        pool.numWeeks = static_cast<int16_t>(weeks);
        pool.gamesPerWeek = 16;
        pool.minWeekGames = 16;
        applyEventDefaults(pool); // no events.dat at start-up
        derivePeriodTables(pool);
        EventSettingsDraft draft;
        draft.load(pool);
        ASSERT_TRUE(changeEventProfiles(session, draft.values()).ok);

        const QByteArray secondHalf = weeks == 18 ? "8" : "7";
        const QByteArray fourthQuarter = weeks == 18 ? "5" : "4";
        QList<QByteArray> expected{"2500", "100", "1250", "50", "10", secondHalf,
                                   "1000", "25",  "4",    "5",  "4",  fourthQuarter};
        expected << repeated("10", 8) << repeated("500", 8) << repeated("0", 8) << repeated("2", 8)
                 << repeated("2000", 8) << repeated("0", 8) << repeated("2000", 8);
        expected << "500"
                 << "500"
                 << "500"
                 << "1000" << repeated("0", 4) << "0"
                 << "0"
                 << "0"
                 << "0"
                 << "1000";
        EXPECT_EQ(test::fileLines(dir.read(QStringLiteral("events.dat"))), expected) << weeks;
        EXPECT_EQ(pool.halfWeeks[1], weeks - 10);
        EXPECT_EQ(pool.quarterLastWeek[3], weeks - 1);
    }
}

TEST(EventChanges, WhatOkWritesIsWhatStartUpReadsBack) {
    test::TempFolder dir;
    PoolSession session(dir.folder());
    test::fillSamplePool(session.pool(), {}, -1);
    session.pool().minWeekGames = 15;
    EventSettingsDraft draft;
    draft.load(session.pool());
    draft.set(EventSetting::WeekSize, 15);
    draft.set(EventSetting::GoodWeekPoints, 750);
    draft.set(EventSetting::BadWeekThreshold, 1);
    draft.set(EventSetting::Quarter1Weeks, 3);
    draft.set(EventSetting::Half1Weeks, 8);
    draft.set(EventSetting::DivWinner4Points, 60);
    draft.set(EventSetting::WildCardAsDivPoints, 9);
    draft.set(EventSetting::MondayNightPoints, 0);
    ASSERT_TRUE(changeEventProfiles(session, draft.values()).ok);

    auto read = test::newPool();
    readEventProfiles(dir.folder(), *read);
    const PoolData& pool = session.pool();
    EXPECT_EQ(read->goodWeekPoints[0], 750);
    EXPECT_EQ(read->badWeekMaxCp[0], 1); // the sample pool uses confidence points
    EXPECT_EQ(read->divWinnerPoints[3], 60);
    EXPECT_EQ(read->wildCardAsDivPoints, 9);
    EXPECT_EQ(read->mondayNightPoints, 0);
    EXPECT_EQ(read->quarterWeeks, pool.quarterWeeks);
    EXPECT_EQ(read->halfWeeks, pool.halfWeeks);
    EXPECT_EQ(read->quarterFirstWeek, pool.quarterFirstWeek);
    EXPECT_EQ(read->quarterLastWeek, pool.quarterLastWeek);
    EXPECT_EQ(read->halfLastWeek, pool.halfLastWeek);
    EXPECT_EQ(pool.quarterWeeks[3], 17 - 3 - 5 - 4);
    EXPECT_EQ(pool.halfWeeks[1], 9);
    EXPECT_EQ(pool.goodWeekPoints[0], 750);
}

TEST(EventChanges, AFailedWriteChangesNothingInMemory) {
    test::TempFolder dir;
    PoolSession session(dir.folder());
    test::fillSamplePool(session.pool(), {}, -1);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("events.dat")));
    const auto before = std::make_unique<PoolData>(session.pool());
    EventSettings values = session.pool().eventSettings();
    values.seasonPoints = 1;
    values.quarterWeeks = {1, 1, 1, 14, 0};
    const WriteResult result = changeEventProfiles(session, values);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.fileName, QStringLiteral("events.dat"));
    EXPECT_EQ(session.pool().seasonPoints, before->seasonPoints);
    EXPECT_EQ(session.pool().quarterWeeks, before->quarterWeeks);
    EXPECT_EQ(session.pool().quarterFirstWeek, before->quarterFirstWeek);
}

} // namespace
} // namespace vek
