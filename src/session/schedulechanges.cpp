#include "session/schedulechanges.h"

#include "engine/pickdifferences.h"
#include "model/datafolder.h"
#include "model/predictionfiles.h"
#include "model/resultfiles.h"
#include "model/schedulefile.h"
#include "session/filerewrite.h"
#include "session/poolsession.h"

#include <algorithm>
#include <memory>

namespace vek {
namespace {

constexpr int Sides = 2;

int slotCount(const PoolData& pool) {
    return std::clamp<int>(pool.gamesPerWeek, 0, GameSlots);
}

int teamCount(const PoolData& pool) {
    return std::clamp<int>(pool.numTeams, 0, MaxRealTeams);
}

// The team an entry names: its low byte for a bye.
[[nodiscard]] int entryTeam(int16_t entry) {
    return entry >= ByeFlag ? (entry & 0xFF) : entry;
}

// A week the weekly grid can show and start-up accepts: its games first, two teams each, then only
// byes or empty entries, and no team twice.
bool weekInOrder(const PoolData& pool, int week) {
    const int teams = teamCount(pool);
    const int games = std::max(0, pool.gamesPerWeek - pool.openDates[week]);
    std::array<bool, TeamSlots> seen{};
    for (int slot = 0; slot < slotCount(pool); ++slot) {
        for (int side = 0; side < Sides; ++side) {
            const int16_t e = pool.scheduleGrid[week][slot][side];
            const bool isTeam = e >= 0 && e < teams;
            const bool isBye = e >= ByeFlag && entryTeam(e) < teams;
            if (slot < games ? !isTeam : !(isBye || e == pool.noneCode())) {
                return false;
            }
            if (isTeam || isBye) {
                bool& once = seen[static_cast<std::size_t>(entryTeam(e))];
                if (once) {
                    return false;
                }
                once = true;
            }
        }
    }
    return true;
}

// The schedule start-up makes when there is no schedule file, for a league of this many teams.
SavedSchedule scheduleWithoutFile(int16_t numTeams, int currentYear) {
    auto scratch = std::make_unique<PoolData>();
    scratch->numTeams = numTeams;
    applyScheduleDefaults(*scratch, currentYear);
    return savedScheduleOf(*scratch);
}

// Every pick, confidence value, result, score, favourite and post-season value of the finished season.
void clearSeasonEntries(PoolData& pool) {
    const int16_t none = pool.noneCode();
    pool.currentWeek = -1;
    clearOutsideLayout(pool, WeekLayout{}); // a season without games: every game place emptied
    for (auto& slot : pool.postSeasonPicks) {
        slot.fill(none);
    }
    pool.postSeasonResults.fill(none);
    pool.postSeasonSeeds.fill(0);
    pool.predictionsComplete.fill(0);
}

} // namespace

int16_t countOpenDates(const PoolData& pool, int week) {
    if (!isWeek(week)) {
        return 0;
    }
    int16_t open = 0;
    for (int slot = 0; slot < slotCount(pool); ++slot) {
        const auto& entry = pool.scheduleGrid[week][slot];
        if (entry[0] >= ByeFlag || entry[1] >= ByeFlag) {
            ++open;
        }
    }
    return open;
}

// ---- The saved schedule ------------------------------------------------------------------------------

WeekLayout SavedSchedule::layout() const {
    return {numWeeks, gamesPerWeek, openDates};
}

SavedSchedule savedScheduleOf(const PoolData& pool) {
    return {pool.seasonYear, pool.numWeeks,     pool.byesPerTeam,     pool.gamesPerWeek,
            pool.openDates,  pool.scheduleGrid, pool.scheduleEntries, pool.scheduleVerified};
}

bool scheduleChangedSince(const PoolData& pool, const SavedSchedule& saved) {
    if (pool.seasonYear != saved.seasonYear || pool.numWeeks != saved.numWeeks ||
        pool.byesPerTeam != saved.byesPerTeam || pool.gamesPerWeek != saved.gamesPerWeek) {
        return true;
    }
    // What lies beyond the season's weeks and slots is never written, so it cannot differ from the file.
    for (int week = 0; week < pool.weekLayout().weeks(); ++week) {
        if (pool.openDates[week] != saved.openDates[week]) {
            return true;
        }
        for (int slot = 0; slot < slotCount(pool); ++slot) {
            for (int side = 0; side < Sides; ++side) {
                if (pool.scheduleGrid[week][slot][side] != saved.scheduleGrid[week][slot][side]) {
                    return true;
                }
            }
        }
    }
    return false;
}

void restoreSchedule(PoolData& pool, const SavedSchedule& saved) {
    pool.seasonYear = saved.seasonYear;
    pool.numWeeks = saved.numWeeks;
    pool.byesPerTeam = saved.byesPerTeam;
    pool.gamesPerWeek = saved.gamesPerWeek;
    pool.openDates = saved.openDates;
    pool.scheduleGrid = saved.scheduleGrid;
    pool.scheduleEntries = saved.scheduleEntries;
    pool.scheduleVerified = saved.scheduleVerified;
}

// ---- Verify ------------------------------------------------------------------------------------------

VerifyReport VerifySchedule(PoolSession& session) {
    PoolData& pool = session.pool();
    const int teams = teamCount(pool);
    const int weeks = pool.weekLayout().weeks();
    for (int week = 0; week < weeks; ++week) {
        pool.openDates[week] = countOpenDates(pool, week);
    }
    const ScheduleCount count = countSchedule(pool);
    VerifyReport report{{}, count.away, count.home, count.byes};

    for (int team = 0; team < teams; ++team) {
        const int away = count.away[team];
        const int home = count.home[team];
        if ((away + home) % 2 == 0 && away != home) {
            report.lines << QStringLiteral("Check schedule for ") + pool.teamAbbr[team];
        } else if ((away + home) % 2 != 0 || count.byes[team] != count.byes[0]) {
            report.lines << QStringLiteral("Check bye games for") + pool.teamAbbr[team];
        }
    }
    for (int week = 0; week < weeks; ++week) {
        if (!weekInOrder(pool, week)) {
            report.lines << QStringLiteral("Check week ") + QString::number(week + 1);
        }
    }

    // The last word is start-up's own check, with the byes this schedule gives team 0, so that a
    // schedule verified here is one that start-up accepts.
    const int16_t byesBefore = pool.byesPerTeam;
    pool.byesPerTeam = static_cast<int16_t>(count.byes[0]);
    const ScheduleCount startup = countSchedule(pool);
    pool.scheduleEntries = static_cast<int16_t>(startup.entries);
    const bool complete = report.lines.isEmpty() && startup.balanced && startup.entries == weeks * teams;
    pool.scheduleVerified = complete ? True16 : int16_t{0};
    if (complete) {
        report.lines << VerifySuccess;
    } else {
        pool.byesPerTeam = byesBefore;
        report.lines << VerifyIncomplete;
    }
    session.refreshMainButtons();
    return report;
}

// ---- Save --------------------------------------------------------------------------------------------

WriteResult SaveSchedule(PoolSession& session, SavedSchedule& saved) {
    PoolData& pool = session.pool();
    const DataFolder& folder = session.folder();
    for (int week = 0; week < pool.weekLayout().weeks(); ++week) {
        pool.openDates[week] = countOpenDates(pool, week);
    }
    const WeekLayout before = session.fileLayout();
    const WeekLayout after = pool.weekLayout();
    const bool moved = !sameGamePlaces(before, after);

    FileRewrite rewrite(folder);
    if (moved) {
        clearOutsideLayout(pool, before);
        addGameFiles(rewrite, folder, pool, after);
    }
    rewrite.add(ScheduleFileName, [&folder, &pool] { return writeSchedule(folder, pool); });
    const WriteResult result = rewrite.run();
    if (!result) {
        return result;
    }

    saved = savedScheduleOf(pool);
    session.setFileLayout(after);
    if (moved) {
        // What start-up would find in the rewritten files.
        pool.currentWeek = static_cast<int16_t>(std::min<int>(pool.currentWeek, after.weeks() - 1));
        for (int member = 0; member < pool.memberCount(); ++member) {
            if (folder.exists(memberFileName(pool.memberName[member], PicksExtension))) {
                pool.predictionsComplete[member] =
                    memberPredictionsComplete(pool, member, after) ? True16 : int16_t{0};
            }
        }
    }
    CalcPickDifferences(pool);
    return result;
}

// ---- New season --------------------------------------------------------------------------------------

NewSeasonOutcome NewSeason(PoolSession& session, SavedSchedule& saved, int currentYear) {
    PoolData& pool = session.pool();
    const DataFolder& folder = session.folder();
    NewSeasonOutcome outcome;
    const auto rename = [&folder](const QString& from, const QString& to, QString& failure) {
        const WriteResult moved = renameFile(folder, from, to);
        if (!moved) {
            failure = QStringLiteral("%1 could not be renamed to %2: %3").arg(from, to, moved.reason);
        }
        return moved.ok;
    };
    const QString oldSchedule = QStringLiteral("schedule.old");

    // The two files that say which season this is go first; when either stays, nothing else happens.
    const bool hadSchedule = folder.exists(ScheduleFileName);
    if (hadSchedule && !rename(ScheduleFileName, oldSchedule, outcome.failure)) {
        return outcome;
    }
    if (folder.exists(ResultsFileName) &&
        !rename(ResultsFileName, QStringLiteral("results.old"), outcome.failure)) {
        if (hadSchedule) {
            QString ignored;
            rename(oldSchedule, ScheduleFileName, ignored);
        }
        return outcome;
    }
    outcome.done = true;
    const auto keep = [&](const QString& from, const QString& to) {
        QString failure;
        if (folder.exists(from) && !rename(from, to, failure)) {
            outcome.notRenamed << failure;
        }
    };
    keep(ScoresFileName, QStringLiteral("scores.old"));
    keep(FavoritesFileName, QStringLiteral("favorite.old"));
    for (int member = 0; member < pool.memberCount(); ++member) {
        const QString& name = pool.memberName[member];
        keep(memberFileName(name, PicksExtension), memberFileName(name, QStringLiteral("OLD")));
        keep(memberFileName(name, ConfidenceExtension), memberFileName(name, QStringLiteral("OCP")));
    }

    // Whatever was there, the per-game files are gone: the next ones follow the layout start-up would
    // read them with.
    const SavedSchedule withoutFile = scheduleWithoutFile(pool.numTeams, currentYear);
    session.setFileLayout(withoutFile.layout());
    if (hadSchedule) {
        ++pool.seasonYear;
        pool.numWeeks = 18;
        pool.byesPerTeam = 2;
        pool.openDates.fill(0);
        pool.gamesPerWeek = static_cast<int16_t>(pool.numTeams / 2);
        clearScheduleGrid(pool);
        pool.scheduleEntries = 0;
        pool.scheduleVerified = 0;
        outcome.scheduleReset = true;
        saved = withoutFile;
        session.refreshMainButtons();
    }
    clearSeasonEntries(pool);
    session.scheduleMode = 1;

    CalcPickDifferences(pool);
    session.teamsRecalculated = false;
    session.refreshMainButtons();
    return outcome;
}

} // namespace vek
