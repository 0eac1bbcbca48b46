#pragma once

#include "model/datawriter.h"
#include "model/pooldata.h"

#include <QStringList>

namespace vek {

class PoolSession;

/// The slots of a week that hold at least one bye entry, among its gamesPerWeek slots: the week's open
/// dates, so that its games are the slots before them.
[[nodiscard]] int16_t countOpenDates(const PoolData& pool, int week);

/// The schedule as schedule.dat holds it (or as start-up made it when there is none), with the check's
/// two values: what closing the schedule editor without saving puts back.
struct SavedSchedule {
    int16_t seasonYear = 0;
    int16_t numWeeks = 0;
    int16_t byesPerTeam = 0;
    int16_t gamesPerWeek = 0;
    Table<int16_t, WeekSlots> openDates{};
    Table3<int16_t, WeekSlots, GameSlots, ScheduleSides> scheduleGrid{};
    int16_t scheduleEntries = 0;
    int16_t scheduleVerified = 0;

    [[nodiscard]] WeekLayout layout() const;
};

/// The schedule in memory, taken as the saved one.
[[nodiscard]] SavedSchedule savedScheduleOf(const PoolData& pool);
/// Whether the schedule in memory differs from the saved one in anything schedule.dat holds.
[[nodiscard]] bool scheduleChangedSince(const PoolData& pool, const SavedSchedule& saved);
/// Puts the saved schedule back in memory, with its check's values.
void restoreSchedule(PoolData& pool, const SavedSchedule& saved);

/// What the schedule verification found.
struct VerifyReport {
    QStringList lines; // the check list, in order: team lines, week lines, then the outcome
    Table<int, TeamSlots> awayCount{};
    Table<int, TeamSlots> homeCount{};
    Table<int, TeamSlots> byeCount{};
};

inline const QString VerifySuccess = QStringLiteral("Success !");
inline const QString VerifyIncomplete = QStringLiteral("Schedule is not complete");

/// Checks the schedule in memory team by team and week by week: every team as often at home as away,
/// every team with as many byes as most teams have, every week's games first (two teams each) and only byes
/// or empty entries after them, one entry per team and week. Recomputes every week's open dates,
/// scheduleEntries and scheduleVerified (so a verified schedule is one that start-up accepts), fixes
/// byesPerTeam on success, and refreshes the main window's buttons. Changes no schedule entry.
VerifyReport VerifySchedule(PoolSession& session);

/// Saves the schedule: recomputes every week's open dates from the grid and writes schedule.dat. When a
/// game's values must change their place in the per-game files on disk (the week layout differs from
/// the session's file layout, or a game stands in another slot than in `saved`), every per-game file is
/// first rewritten from memory, all or nothing, and schedule.dat only after them: a game keeps its
/// values where the saved schedule's week has the same two teams (each team keeping its score when the
/// two changed sides), else in its slot when the game that stood there is gone from the week; a game
/// the week did not have starts empty. On success `saved`
/// becomes the schedule just written, the session records the new file layout, memory holds the values
/// at their new places (currentWeek within the weeks), the pick differences and member odds are
/// recomputed, the team tallies are marked stale, the main window's buttons and week panel are refreshed
/// when currentWeek fell, and the main window shows the season; on a failure every file and every value
/// is as it was and the result names the file that failed.
[[nodiscard]] WriteResult SaveSchedule(PoolSession& session, SavedSchedule& saved);

/// What New season did.
struct NewSeasonOutcome {
    bool done = false;          // false: a file could not be set aside and nothing changed
    QString failure;            // why, naming the file, when not done
    bool scheduleReset = false; // schedule.dat was there: the season frame and the schedule were reset
};

/// New season: keeps the finished season's files under their "old" names (schedule.old, results.old,
/// scores.old, favorite.old, and every .PRD and .CPT of the folder, whatever the case of its extension,
/// as .OLD and .OCP, replacing older copies), all or none: when one cannot be renamed, the renames made
/// before it are undone and nothing in memory changes. Then resets the season in memory: the next
/// year's empty 18-week frame with the slots the league needs when there was a schedule file, and every
/// result, score, spread, pick, confidence value and post-season value. The session's file layout, and
/// `saved` when the schedule was reset, become what start-up makes without a schedule file. Then the
/// pick differences, the team tallies marked stale, the main window's buttons and caption; scheduleMode
/// becomes 1.
NewSeasonOutcome NewSeason(PoolSession& session, SavedSchedule& saved, int currentYear);

} // namespace vek
