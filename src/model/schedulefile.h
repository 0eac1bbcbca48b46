#pragma once

#include "model/datawriter.h"
#include "model/filehelpers.h"

namespace vek {

class DataFolder;
struct PoolData;

/// schedule.dat: season year, number of weeks, byes per team, the open dates of each week, the game
/// slots per week, then every slot of every week as an away and a home entry. An entry is a team code,
/// the none code for an empty entry, or ByeFlag + team code for that team's bye.

/// Reads the schedule and checks it for completeness (scheduleEntries, scheduleVerified). When the file
/// cannot be opened: an empty 17-week season of `currentYear` with one bye per team. Weeks and slots
/// beyond the tables are read past and dropped; entries that are not read stay empty.
ReadOutcome readSchedule(const DataFolder& folder, PoolData& pool, int currentYear);
[[nodiscard]] WriteResult writeSchedule(const DataFolder& folder, const PoolData& pool);

/// The completeness count over the schedule in memory: the entries that are not empty, and whether every
/// team has as many away as home games and exactly byesPerTeam byes.
struct ScheduleCount {
    int entries = 0;
    bool balanced = true;
};
[[nodiscard]] ScheduleCount countSchedule(const PoolData& pool);

/// A value the schedule grid can hold: a team slot, or the bye of a team slot.
[[nodiscard]] bool isScheduleEntry(int value);

} // namespace vek
