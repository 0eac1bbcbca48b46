// schedule.dat: the season frame, the grid and the completeness check made on reading.
#include "model/leaguefile.h"
#include "model/pooldata.h"
#include "model/schedulefile.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace vek {
namespace {

const QString Schedule = QStringLiteral("schedule.dat");

// The sample league and schedule, written to the folder; returns the pool they came from.
std::unique_ptr<PoolData> writeSampleSchedule(const test::TempFolder& dir) {
    auto pool = test::newPool();
    test::fillSampleLeague(*pool);
    test::fillSampleSchedule(*pool);
    EXPECT_TRUE(writeSchedule(dir.folder(), *pool).ok);
    return pool;
}

std::unique_ptr<PoolData> readWithLeague(const test::TempFolder& dir, int numTeams = 32) {
    auto pool = test::newPool();
    pool->numTeams = static_cast<int16_t>(numTeams);
    readSchedule(dir.folder(), *pool, 2031);
    return pool;
}

TEST(ScheduleFile, MissingFileGivesAnEmptySeasonOfTheCurrentYear) {
    test::TempFolder dir;
    auto pool = test::newPool();
    pool->numTeams = 32;
    EXPECT_FALSE(readSchedule(dir.folder(), *pool, 2031).opened);
    EXPECT_EQ(pool->seasonYear, 2031);
    EXPECT_EQ(pool->numWeeks, 17);
    EXPECT_EQ(pool->byesPerTeam, 1);
    EXPECT_EQ(pool->gamesPerWeek, 16);
    for (int week = 0; week < 17; ++week) {
        EXPECT_EQ(pool->openDates[week], 0);
        for (int slot = 0; slot < 16; ++slot) {
            EXPECT_EQ(pool->scheduleGrid[week][slot][0], 33);
            EXPECT_EQ(pool->scheduleGrid[week][slot][1], 33);
        }
    }
    EXPECT_EQ(pool->scheduleEntries, 0);
    EXPECT_EQ(pool->scheduleVerified, 0);

    // An odd league needs a slot for its weekly bye; the largest league fills the tables' 19 slots.
    for (const auto& [teams, slotCount] : {std::pair{31, 16}, {33, 17}, {37, 19}}) {
        EXPECT_EQ(readWithLeague(dir, teams)->gamesPerWeek, slotCount) << teams;
    }
}

TEST(ScheduleFile, CompleteScheduleRoundTripsAndIsVerified) {
    test::TempFolder dir;
    auto written = writeSampleSchedule(dir);
    const QList<QByteArray> lines = test::fileLines(dir.read(Schedule));
    EXPECT_EQ(lines.size(), 4 + 17 + 2 * 17 * 16);
    EXPECT_EQ(lines.mid(0, 4), (QList<QByteArray>{"2024", "17", "1", "1"}));
    EXPECT_EQ(lines[19], "0");              // week 16 has no open date
    EXPECT_EQ(lines[20], "16");             // game slots per week
    EXPECT_EQ(lines[21 + 2 * 15], "16384"); // week 0, slot 15: the byes of teams 0 and 1
    EXPECT_EQ(lines[22 + 2 * 15], "16385");

    auto read = readWithLeague(dir);
    EXPECT_EQ(read->seasonYear, 2024);
    EXPECT_EQ(read->numWeeks, 17);
    EXPECT_EQ(read->byesPerTeam, 1);
    EXPECT_EQ(read->gamesPerWeek, 16);
    EXPECT_EQ(read->openDates, written->openDates);
    for (int week = 0; week < 17; ++week) {
        for (int slot = 0; slot < 16; ++slot) {
            for (int side = 0; side < 2; ++side) {
                EXPECT_EQ(read->scheduleGrid[week][slot][side], written->scheduleGrid[week][slot][side]);
            }
        }
    }
    EXPECT_EQ(read->scheduleEntries, 544);
    EXPECT_EQ(read->scheduleVerified, True16);
    EXPECT_EQ(countSchedule(*read).entries, 544); // the verification recount agrees with the reader
}

TEST(ScheduleFile, UnbalancedTeamsOrWrongByesAreNotComplete) {
    // The sample schedule with one change, written and read back.
    const auto readChanged = [](const std::function<void(PoolData&)>& change, int expectedEntries) {
        test::TempFolder dir;
        auto pool = test::newPool();
        test::fillSampleLeague(*pool);
        test::fillSampleSchedule(*pool);
        change(*pool);
        ASSERT_TRUE(writeSchedule(dir.folder(), *pool).ok);
        auto read = readWithLeague(dir);
        EXPECT_EQ(read->scheduleEntries, expectedEntries);
        EXPECT_EQ(read->scheduleVerified, 0);
    };
    // One game turned round: team 0 has 9 away and 7 home games, team 1 the reverse.
    readChanged([](PoolData& pool) { std::swap(pool.scheduleGrid[16][0][0], pool.scheduleGrid[16][0][1]); },
                544);
    // Teams 0 and 1 have a second bye instead of their last game: the entry count is still right.
    readChanged([](PoolData& pool) { pool.scheduleGrid[16][0] = {ByeFlag, ByeFlag + 1, 0}; }, 544);
    // 18 weeks with one bye leave 17 games per team: never as many away as home games.
    readChanged(
        [](PoolData& pool) {
            pool.numWeeks = 18;
            pool.scheduleGrid[17] = pool.scheduleGrid[16];
        },
        18 * 32);
}

TEST(ScheduleFile, TruncatedFileLeavesTheRestEmptyAndIsNotComplete) {
    test::TempFolder dir;
    writeSampleSchedule(dir);
    QList<QByteArray> lines = test::fileLines(dir.read(Schedule));
    // Keep the frame and the first 100 entries (weeks 0..2 and two slots of week 3).
    dir.write(Schedule, test::fileOf(lines.mid(0, 21 + 100)));
    auto read = test::newPool();
    read->numTeams = 32;
    EXPECT_TRUE(readSchedule(dir.folder(), *read, 2031).endedEarly);
    EXPECT_EQ(read->scheduleEntries, 100);
    EXPECT_EQ(read->scheduleVerified, 0);
    EXPECT_EQ(read->scheduleGrid[3][1][1], 3); // the last entry read: team 3 at home
    EXPECT_EQ(read->scheduleGrid[3][2][0], 33);
    EXPECT_EQ(read->scheduleGrid[16][0][0], 33);

    // A file that stops after the last real entry, where only empty entries would follow, is still not
    // the whole schedule.
    auto full = test::newPool();
    test::fillSampleLeague(*full);
    test::fillSampleSchedule(*full);
    full->gamesPerWeek = 17; // an extra empty slot at the end of every week
    for (auto& week : full->scheduleGrid) {
        week[16] = {33, 33, 0};
    }
    ASSERT_TRUE(writeSchedule(dir.folder(), *full).ok);
    lines = test::fileLines(dir.read(Schedule));
    dir.write(Schedule, test::fileOf(lines.mid(0, lines.size() - 2)));
    auto cut = readWithLeague(dir);
    EXPECT_EQ(cut->scheduleEntries, 544);
    EXPECT_EQ(cut->scheduleVerified, 0);
}

TEST(ScheduleFile, FileHoldingOnlyTheYearCountsAsVerified) {
    test::TempFolder dir;
    dir.write(Schedule, "2019\r\n");
    auto pool = readWithLeague(dir);
    EXPECT_EQ(pool->seasonYear, 2019);
    EXPECT_EQ(pool->numWeeks, 0);
    EXPECT_EQ(pool->byesPerTeam, 0);
    EXPECT_EQ(pool->gamesPerWeek, 0);
    EXPECT_EQ(pool->scheduleEntries, 0);
    EXPECT_EQ(pool->scheduleVerified, True16);
}

TEST(ScheduleFile, WeeksAndSlotsBeyondTheTablesAreReadPastAndDropped) {
    // 21 weeks of 20 slots: week 19 and 20 and slot 19 of every week do not fit the grid.
    QList<QByteArray> lines{"2024", "21", "1"};
    for (int week = 0; week < 21; ++week) {
        lines << QByteArray::number(week == 20 ? 3 : 0);
    }
    lines << "20";
    for (int week = 0; week < 21; ++week) {
        for (int slot = 0; slot < 20; ++slot) {
            lines << QByteArray::number((week + slot) % 32) << QByteArray::number((week + slot + 1) % 32);
        }
    }
    test::TempFolder dir;
    dir.write(Schedule, test::fileOf(lines));
    auto pool = readWithLeague(dir);
    EXPECT_EQ(pool->numWeeks, 19);
    EXPECT_EQ(pool->gamesPerWeek, 19);
    EXPECT_EQ(pool->openDates[18], 0);
    EXPECT_EQ(pool->scheduleGrid[1][0][0], 1); // week 1 starts 20 slots into the grid, as on file
    EXPECT_EQ(pool->scheduleGrid[18][18][1], (18 + 18 + 1) % 32);
    EXPECT_EQ(pool->scheduleEntries, 19 * 19 * 2);
    EXPECT_EQ(pool->scheduleVerified, 0);

    // Counts no file could hold: reading stops at the end of the file.
    dir.write(Schedule, test::fileOf({"2024", "32767", "1", "0", "32767", "5", "6"}));
    auto huge = readWithLeague(dir);
    EXPECT_EQ(huge->numWeeks, 19);
    EXPECT_EQ(huge->gamesPerWeek, 0); // the value after the open dates was never reached
    dir.write(Schedule, test::fileOf({"2024", "-4", "1", "-9", "5", "6"}));
    auto negative = readWithLeague(dir);
    EXPECT_EQ(negative->numWeeks, 0);
    EXPECT_EQ(negative->gamesPerWeek, 0);
    EXPECT_EQ(negative->scheduleVerified, 0);
}

TEST(ScheduleFile, EntriesOutsideTheTeamSlotsAreNotStoredButCount) {
    test::TempFolder dir;
    dir.write(Schedule, test::fileOf({"2024", "1", "0", "0", "4", "500", "-3", "16424", "16389", "32", "31",
                                      "abc", "99999"}));
    auto pool = readWithLeague(dir);
    const auto& week = pool->scheduleGrid[0];
    EXPECT_EQ(week[0][0], 33);          // 500: no team slot
    EXPECT_EQ(week[0][1], 33);          // -3
    EXPECT_EQ(week[1][0], 33);          // the bye of team 40, which has no slot
    EXPECT_EQ(week[1][1], ByeFlag + 5); // the bye of team 5
    EXPECT_EQ(week[2][0], 32);          // the tie code has a slot; it counts as an entry of no team
    EXPECT_EQ(week[2][1], 31);
    EXPECT_EQ(week[3][0], 33);           // not a number
    EXPECT_EQ(week[3][1], 33);           // beyond 16 bits
    EXPECT_EQ(pool->scheduleEntries, 8); // only the empty entries are not entries

    // Two teams, two weeks: an empty entry damaged into the bye of a team without slot makes the count
    // one too many, so the schedule is not complete.
    const auto twoTeams = [&](const QByteArray& damaged) {
        dir.write(Schedule, test::fileOf({"2024", "2", "0", "0", "0", "2", "0", "1", damaged, "3", "1", "0",
                                          "3", "3"}));
        return readWithLeague(dir, 2);
    };
    EXPECT_EQ(twoTeams("3")->scheduleVerified, True16);
    const auto damaged = twoTeams("16584");
    EXPECT_EQ(damaged->scheduleGrid[0][1][0], 3);
    EXPECT_EQ(damaged->scheduleEntries, 5);
    EXPECT_EQ(damaged->scheduleVerified, 0);
}

TEST(ScheduleFile, DefaultsAndTheCountAreThereForTheScheduleEditor) {
    auto pool = test::newPool();
    test::fillSampleLeague(*pool);
    test::fillSampleSchedule(*pool);
    const ScheduleCount count = countSchedule(*pool);
    EXPECT_EQ(count.entries, 544);
    EXPECT_TRUE(count.balanced);
    for (int team = 0; team < 32; ++team) {
        EXPECT_EQ(count.away[team], 8) << team;
        EXPECT_EQ(count.home[team], 8) << team;
        EXPECT_EQ(count.byes[team], 1) << team;
    }
    pool->scheduleGrid[16][0] = {ByeFlag + 1, 40, 0}; // team 1's second bye; team 0 off the schedule
    const ScheduleCount changed = countSchedule(*pool);
    EXPECT_FALSE(changed.balanced);
    EXPECT_EQ(changed.byes[1], 2);
    EXPECT_EQ(changed.away[0] + changed.home[0], 15);
    EXPECT_EQ(changed.away[1] + changed.home[1], 15);
    EXPECT_EQ(changed.away[32] + changed.home[32], 0); // the tie slot and beyond count for no team

    clearScheduleGrid(*pool);
    EXPECT_EQ(countSchedule(*pool).entries, 0);
    EXPECT_EQ(pool->scheduleGrid[18][18][1], 33);

    pool->numTeams = 31;
    pool->scheduleGrid[3][3] = {4, 5, 0};
    pool->openDates[16] = 2;
    pool->scheduleVerified = True16;
    applyScheduleDefaults(*pool, 2031);
    EXPECT_EQ(pool->seasonYear, 2031);
    EXPECT_EQ(pool->numWeeks, 17);
    EXPECT_EQ(pool->byesPerTeam, 1);
    EXPECT_EQ(pool->gamesPerWeek, 16);
    EXPECT_EQ(pool->openDates[16], 0);
    EXPECT_EQ(pool->scheduleGrid[3][3][0], 32); // the none code of 31 teams
    EXPECT_EQ(pool->scheduleVerified, 0);
}

} // namespace
} // namespace vek
