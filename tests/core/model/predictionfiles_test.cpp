// A member's .PRD and .CPT files and the completeness rule of their reader.
#include "model/pooldata.h"
#include "model/predictionfiles.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

const QString Prd = QStringLiteral("Margaret.PRD");
const QString Cpt = QStringLiteral("Margaret.CPT");

// Three weeks of 16 slots: week 0 full, week 1 with two bye slots (14 games), week 2 all byes.
WeekLayout smallLayout() {
    WeekLayout layout;
    layout.numWeeks = 3;
    layout.gamesPerWeek = 16;
    layout.openDates = {0, 2, 16};
    return layout;
}

// A 32-team pool with member 1 "Margaret Smith" whose picks are all made.
std::unique_ptr<PoolData> poolWithMember(const WeekLayout& layout) {
    auto pool = test::newPool();
    pool->numTeams = 32;
    pool->numMembers = 2;
    pool->memberName[0] = QStringLiteral("Other");
    pool->memberName[1] = QStringLiteral("Margaret Smith");
    for (int week = 0; week < layout.weeks(); ++week) {
        for (int game = 0; game < layout.games(week); ++game) {
            pool->memberPicks[week][game][1] = static_cast<int16_t>((week + game) % 33); // 32 = picked a tie
            pool->confidencePoints[week][game][1] = static_cast<int16_t>(layout.games(week) - game);
        }
        pool->mondayNightTotal[week][1] = static_cast<int16_t>(40 + week);
    }
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        pool->postSeasonPicks[slot][1] = static_cast<int16_t>(slot + 3);
    }
    return pool;
}

TEST(PredictionFiles, RoundTripWithWeeksOfDifferentSizes) {
    test::TempFolder dir;
    const WeekLayout layout = smallLayout();
    auto written = poolWithMember(layout);
    written->memberPicks[0][3][1] = static_cast<int16_t>(UniquePickFlag | 7); // a unique pick in memory
    ASSERT_TRUE(writePredictions(dir.folder(), *written, 1, layout).ok);
    ASSERT_TRUE(writeConfidence(dir.folder(), *written, 1, layout).ok);

    const QList<QByteArray> picks = test::fileLines(dir.read(Prd));
    EXPECT_EQ(picks.size(), 16 + 14 + 13);
    EXPECT_EQ(picks[3], "7"); // the bare team code
    const QList<QByteArray> confidence = test::fileLines(dir.read(Cpt));
    EXPECT_EQ(confidence.size(), 17 + 15); // the week without games holds nothing
    EXPECT_EQ(confidence[16], "40");       // the Monday-night total right behind the week's last game
    EXPECT_EQ(confidence[31], "41");

    auto read = test::newPool();
    read->numTeams = 32;
    read->memberName = written->memberName;
    const PredictionsReadOutcome outcome = readPredictions(dir.folder(), *read, 1, layout);
    EXPECT_TRUE(outcome.opened);
    EXPECT_FALSE(outcome.endedEarly);
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(read->predictionsComplete[1], True16);
    EXPECT_FALSE(readConfidence(dir.folder(), *read, 1, layout).endedEarly);
    written->memberPicks[0][3][1] = 7;
    for (int week = 0; week < 3; ++week) {
        for (int game = 0; game < layout.games(week); ++game) {
            EXPECT_EQ(read->memberPicks[week][game][1], written->memberPicks[week][game][1]);
            EXPECT_EQ(read->confidencePoints[week][game][1], written->confidencePoints[week][game][1]);
        }
    }
    EXPECT_EQ(read->mondayNightTotal[0][1], 40);
    EXPECT_EQ(read->mondayNightTotal[1][1], 41);
    EXPECT_EQ(read->mondayNightTotal[2][1], 0);
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        EXPECT_EQ(read->postSeasonPicks[slot][1], slot + 3);
    }
}

TEST(PredictionFiles, MissingOrShortPicksFileMakesTheMemberIncomplete) {
    test::TempFolder dir;
    const WeekLayout layout = smallLayout();
    auto pool = poolWithMember(layout);
    pool->weeklyPicks = 1; // even in a week-by-week pool without post-season points
    pool->predictionsComplete[1] = True16;
    PredictionsReadOutcome outcome = readPredictions(dir.folder(), *pool, 1, layout);
    EXPECT_FALSE(outcome.opened);
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(pool->predictionsComplete[1], 0);
    EXPECT_EQ(pool->memberPicks[1][13][1], 33);
    EXPECT_EQ(pool->postSeasonPicks[12][1], 33);

    auto full = poolWithMember(layout);
    ASSERT_TRUE(writePredictions(dir.folder(), *full, 1, layout).ok);
    const QList<QByteArray> lines = test::fileLines(dir.read(Prd));
    dir.write(Prd, test::fileOf(lines.mid(0, 20)));
    outcome = readPredictions(dir.folder(), *pool, 1, layout);
    EXPECT_TRUE(outcome.endedEarly);
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(pool->memberPicks[1][3][1], full->memberPicks[1][3][1]); // the 20th value
    EXPECT_EQ(pool->memberPicks[1][4][1], 33);                         // not read: none, not team 0
    EXPECT_EQ(pool->postSeasonPicks[0][1], 33);
}

// Reading the file and saving the picks in memory follow one rule.
TEST(PredictionFiles, WhichMissingPicksCount) {
    test::TempFolder dir;
    const WeekLayout layout = smallLayout();
    struct Case {
        const char* what;
        int week, game, slot; // the one pick that is none (slot -1: a weekly pick)
        int16_t weeklyPicks;
        int32_t postSeasonPoints, bigGamePoints;
        bool complete;
    };
    const Case cases[] = {
        {"weekly pick, whole season predicted", 1, 5, -1, 0, 0, 0, false},
        {"weekly pick, week by week", 1, 5, -1, 1, 0, 0, true},
        {"Big Game, with points", 0, 0, 12, 1, 0, 1000, false},
        {"Big Game, without points", 0, 0, 12, 1, 1000, 0, true},
        {"division winner, with points", 0, 0, 3, 1, 1000, 0, false},
        {"division winner, without points", 0, 0, 3, 1, 0, 1000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto pool = poolWithMember(layout);
        pool->weeklyPicks = c.weeklyPicks;
        pool->postSeasonPoints = c.postSeasonPoints;
        pool->bigGamePoints = c.bigGamePoints;
        (c.slot < 0 ? pool->memberPicks[c.week][c.game][1] : pool->postSeasonPicks[c.slot][1]) = 33;
        EXPECT_EQ(memberPredictionsComplete(*pool, 1, layout), c.complete);
        ASSERT_TRUE(writePredictions(dir.folder(), *pool, 1, layout).ok);
        EXPECT_EQ(readPredictions(dir.folder(), *pool, 1, layout).complete, c.complete);
        EXPECT_EQ(pool->predictionsComplete[1], c.complete ? True16 : 0);
    }
}

TEST(PredictionFiles, TeamCodesOutsideTheTeamSlotsAreNotStored) {
    test::TempFolder dir;
    const WeekLayout layout = smallLayout();
    auto pool = poolWithMember(layout);
    ASSERT_TRUE(writePredictions(dir.folder(), *pool, 1, layout).ok);
    QList<QByteArray> lines = test::fileLines(dir.read(Prd));
    lines[0] = "39";
    lines[1] = "-1";
    lines[2] = "255";
    lines[30] = "1000"; // post-season slot 0
    dir.write(Prd, test::fileOf(lines));
    pool->weeklyPicks = 1;
    EXPECT_TRUE(readPredictions(dir.folder(), *pool, 1, layout).complete);
    EXPECT_EQ(pool->memberPicks[0][0][1], 33);
    EXPECT_EQ(pool->memberPicks[0][1][1], 33);
    EXPECT_EQ(pool->memberPicks[0][2][1], 33);
    EXPECT_EQ(pool->memberPicks[0][3][1], 3);
    EXPECT_EQ(pool->postSeasonPicks[0][1], 33);
}

TEST(PredictionFiles, MissingConfidenceFileTouchesOnlyThatMember) {
    test::TempFolder dir;
    const WeekLayout layout = smallLayout();
    auto pool = poolWithMember(layout);
    pool->confidencePoints[0][0][0] = 16;
    pool->mondayNightTotal[0][0] = 45;
    EXPECT_FALSE(readConfidence(dir.folder(), *pool, 1, layout).opened);
    EXPECT_EQ(pool->confidencePoints[0][0][1], 0);
    EXPECT_EQ(pool->confidencePoints[1][13][1], 0);
    EXPECT_EQ(pool->mondayNightTotal[1][1], 0);
    EXPECT_EQ(pool->confidencePoints[0][0][0], 16);
    EXPECT_EQ(pool->mondayNightTotal[0][0], 45);

    // A short file: what it holds is read, the rest is 0.
    dir.write(Cpt, test::fileOf({"16", "15"}));
    pool->confidencePoints[0][2][1] = 9;
    EXPECT_TRUE(readConfidence(dir.folder(), *pool, 1, layout).endedEarly);
    EXPECT_EQ(pool->confidencePoints[0][1][1], 15);
    EXPECT_EQ(pool->confidencePoints[0][2][1], 0);
}

TEST(PredictionFiles, CompletenessInMemory) {
    const WeekLayout layout = smallLayout();
    auto pool = poolWithMember(layout);
    pool->weeklyPicks = 1;
    pool->memberPicks[1][2][1] = static_cast<int16_t>(UniquePickFlag | 33); // a unique "no pick"
    EXPECT_TRUE(memberPredictionsComplete(*pool, 1, layout));
    pool->weeklyPicks = 0;
    EXPECT_FALSE(memberPredictionsComplete(*pool, 1, layout));
    // Only the games of the layout count: a none beyond the week's games is no missing pick.
    pool->memberPicks[1][2][1] = 4;
    pool->memberPicks[1][14][1] = 33;
    EXPECT_TRUE(memberPredictionsComplete(*pool, 1, layout));
    EXPECT_FALSE(memberPredictionsComplete(*pool, MemberSlots, layout));
}

TEST(PredictionFiles, AMemberOutsideTheTablesIsNeitherReadNorWritten) {
    test::TempFolder dir;
    const WeekLayout layout = smallLayout();
    auto pool = poolWithMember(layout);
    EXPECT_FALSE(readPredictions(dir.folder(), *pool, MemberSlots, layout).opened);
    EXPECT_FALSE(readConfidence(dir.folder(), *pool, -1, layout).opened);
    EXPECT_FALSE(writePredictions(dir.folder(), *pool, MemberSlots, layout).ok);
    EXPECT_FALSE(writeConfidence(dir.folder(), *pool, -1, layout).ok);
}

} // namespace
} // namespace vek
