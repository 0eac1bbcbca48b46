#pragma once

#include "model/datawriter.h"
#include "model/filehelpers.h"
#include "model/pooldata.h"

#include <QString>

namespace vek {

class DataFolder;

/// schedule.dat: season year, number of weeks, byes per team, the open dates of each week, the game
/// slots per week, then every slot of every week as an away and a home entry. An entry is a team code,
/// the none code for an empty entry, or ByeFlag + team code for that team's bye.

inline const QString ScheduleFileName = QStringLiteral("schedule.dat");

/// Reads the schedule and checks it for completeness (scheduleEntries, scheduleVerified). When the file
/// cannot be opened: `applyScheduleDefaults`. Weeks and slots beyond the tables are read past and
/// dropped; entries that are not read stay empty. An entry that is neither a team code nor a team's bye
/// is not stored but counts as an entry, so a damaged schedule is never complete.
ReadOutcome readSchedule(const DataFolder& folder, PoolData& pool, int currentYear);
[[nodiscard]] WriteResult writeSchedule(const DataFolder& folder, const PoolData& pool);

/// Every entry of every week and slot of the grid empty (the none code of the league in memory).
void clearScheduleGrid(PoolData& pool);

/// The game slots a week needs for a league: half the teams, and one more for the bye that an odd league
/// has every week (g games and the other teams' byes, two to a slot, always take (n + 1) / 2 slots).
[[nodiscard]] int16_t slotsForLeague(int numTeams);

/// The season of a pool without schedule.dat: an empty 17-week season of `currentYear`, one bye per team,
/// no open dates, `slotsForLeague` slots per week, the grid cleared, not verified.
void applyScheduleDefaults(PoolData& pool, int currentYear);

/// The completeness count over the schedule in memory (weeks and slots of the season): the entries that
/// are not empty; each team's away games, home games and byes; and whether every real team has as many
/// away as home games and exactly byesPerTeam byes. An entry of the tie code, of a slot after the last
/// team or of a bye whose team has no slot counts as an entry of no team. A half game is a slot with a
/// game entry on one side and nothing on the other (what a deleted team leaves behind); a bye beside an
/// empty side is how an odd week holds its last bye, not a half game.
struct ScheduleCount {
    int entries = 0;
    int halfGames = 0;
    bool balanced = true;
    Table<int, TeamSlots> away{};
    Table<int, TeamSlots> home{};
    Table<int, TeamSlots> byes{};
};
[[nodiscard]] ScheduleCount countSchedule(const PoolData& pool);

/// Start-up's completeness rule over a count of the schedule in memory: one entry per team and week,
/// every team balanced and no half game. Start-up, the league editor and Verify all decide by it.
[[nodiscard]] bool isCompleteSchedule(const PoolData& pool, const ScheduleCount& count);

/// A value the schedule grid can hold: a team slot, or the bye of a team slot.
[[nodiscard]] bool isScheduleEntry(int value);

} // namespace vek
