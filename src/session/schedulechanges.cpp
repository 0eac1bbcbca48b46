#include "session/schedulechanges.h"

#include "engine/memberodds.h"
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
    Table<bool, TeamSlots> seen{};
    for (int slot = 0; slot < slotCount(pool); ++slot) {
        for (int side = 0; side < Sides; ++side) {
            const int16_t e = pool.scheduleGrid[week][slot][side];
            const bool isTeam = e >= 0 && e < teams;
            const bool isBye = e >= ByeFlag && entryTeam(e) < teams;
            if (slot < games ? !isTeam : !(isBye || e == pool.noneCode())) {
                return false;
            }
            if (isTeam || isBye) {
                bool& once = seen[entryTeam(e)];
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

// Where a game of the schedule being saved takes its values from: the slot of the saved week that held
// the same two teams (a game moved by a swap, or to let byes stand after the games; `reversed` when the
// teams changed sides), else its own slot when the game that stood there is gone from the week (a game
// whose teams were changed), else nowhere (-1: a game the week did not have).
struct ValueSource {
    int slot = -1;
    bool reversed = false;
};

Table<ValueSource, GameSlots> valueSources(const PoolData& pool, const SavedSchedule& saved,
                                           const WeekLayout& before, const WeekLayout& after, int week) {
    Table<ValueSource, GameSlots> source{};
    const int oldGames = week < before.weeks() ? before.games(week) : 0;
    const int newGames = week < after.weeks() ? after.games(week) : 0;
    const auto isTeam = [&](int16_t entry) { return entry >= 0 && entry < teamCount(pool); };
    Table<bool, GameSlots> taken{};
    for (int slot = 0; slot < newGames; ++slot) {
        const auto& game = pool.scheduleGrid[week][slot];
        for (int old = 0; old < oldGames && isTeam(game[0]) && isTeam(game[1]); ++old) {
            const auto& was = saved.scheduleGrid[week][old];
            const bool same = was[0] == game[0] && was[1] == game[1];
            if (!taken[old] && (same || (was[0] == game[1] && was[1] == game[0]))) {
                source[slot] = {old, !same};
                taken[old] = true;
                break;
            }
        }
    }
    for (int slot = 0; slot < std::min(newGames, oldGames); ++slot) {
        if (source[slot].slot < 0 && !taken[slot]) {
            source[slot] = {slot, false};
            taken[slot] = true;
        }
    }
    return source;
}

// Gives `to` the per-game values of `from` at the places their games have in the schedule being saved;
// a game the saved schedule did not have, and every place outside the new layout, is empty. Returns
// whether a value changed its place, so that the per-game files must be written again.
bool carryGameValues(PoolData& to, const PoolData& from, const SavedSchedule& saved, const WeekLayout& before,
                     const WeekLayout& after) {
    bool moved = !sameGamePlaces(before, after);
    for (int week = 0; week < WeekSlots; ++week) {
        const Table<ValueSource, GameSlots> sources = valueSources(from, saved, before, after, week);
        const int games = week < after.weeks() ? after.games(week) : 0;
        for (int slot = 0; slot < GameSlots; ++slot) {
            const ValueSource source = slot < games ? sources[slot] : ValueSource{};
            const int old = source.slot;
            moved = moved || (slot < games && (old != slot || source.reversed));
            if (old < 0) {
                clearGamePlace(to, week, slot);
                continue;
            }
            to.memberPicks[week][slot] = from.memberPicks[week][old];
            to.confidencePoints[week][slot] = from.confidencePoints[week][old];
            to.gameWinner[week][slot] = from.gameWinner[week][old];
            // Each team keeps its own score.
            const auto& score = from.gameScore[week][old];
            to.gameScore[week][slot] = source.reversed ? Table<int16_t, 2>{{score[1], score[0]}} : score;
            to.favoriteTeam[week][slot] = from.favoriteTeam[week][old];
            to.pointSpread[week][slot] = from.pointSpread[week][old];
            to.spreadWinner[week][slot] = from.spreadWinner[week][old];
        }
        // The confidence file keeps a Monday-night total only for a week that has games.
        if (games == 0 || week >= before.weeks() || before.games(week) == 0) {
            to.mondayNightTotal[week].fill(0);
        }
    }
    return moved;
}

// The bye count that most teams have (the first such count in team order on a tie), so that a
// verification names the odd team out, whichever team it is.
int usualByeCount(const Table<int, TeamSlots>& byes, int teams) {
    int usual = teams > 0 ? byes[0] : 0;
    int most = 0;
    for (int team = 0; team < teams; ++team) {
        const int count = static_cast<int>(std::count(byes.begin(), byes.begin() + teams, byes[team]));
        if (count > most) {
            most = count;
            usual = byes[team];
        }
    }
    return usual;
}

// Sets aside files of the folder all or nothing: when a rename fails, every rename made before it is
// undone and the older copies those renames replaced are written back, so the folder never holds half
// of a finished season.
class SetAside {
public:
    explicit SetAside(const DataFolder& folder) : m_folder(folder) {}

    bool rename(const QString& from, const QString& to) {
        Renamed renamed{from, to, std::nullopt};
        if (m_folder.exists(to)) {
            DataFolder::FileContent older = m_folder.readContent(to);
            if (older.state != DataFolder::FileState::Read) {
                return fail(from, to, QStringLiteral("%1 cannot be read (%2)").arg(to, older.reason));
            }
            renamed.older = std::move(older.bytes);
        }
        const WriteResult moved = renameFile(m_folder, from, to);
        if (!moved) {
            return fail(from, to, moved.reason);
        }
        m_renamed.push_back(std::move(renamed));
        return true;
    }

    [[nodiscard]] const QString& failure() const { return m_failure; }

private:
    struct Renamed {
        QString from;
        QString to;
        std::optional<QByteArray> older;
    };

    bool fail(const QString& from, const QString& to, const QString& reason) {
        m_failure = QStringLiteral("%1 could not be renamed to %2: %3").arg(from, to, reason);
        for (auto it = m_renamed.rbegin(); it != m_renamed.rend(); ++it) {
            const WriteResult back = renameFile(m_folder, it->to, it->from);
            if (back && it->older) {
                (void)writeFileAtomically(m_folder, it->to, *it->older);
            } else if (!back) {
                m_failure += QStringLiteral("; %1 could not be put back: %2").arg(it->from, back.reason);
            }
        }
        m_renamed.clear();
        return false;
    }

    const DataFolder& m_folder;
    std::vector<Renamed> m_renamed;
    QString m_failure;
};

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
    const int usualByes = usualByeCount(count.byes, teams);

    for (int team = 0; team < teams; ++team) {
        const int away = count.away[team];
        const int home = count.home[team];
        if ((away + home) % 2 == 0 && away != home) {
            report.lines << QStringLiteral("Check schedule for ") + pool.teamAbbr[team];
        } else if ((away + home) % 2 != 0 || count.byes[team] != usualByes) {
            report.lines << QStringLiteral("Check bye games for") + pool.teamAbbr[team];
        }
    }
    for (int week = 0; week < weeks; ++week) {
        if (!weekInOrder(pool, week)) {
            report.lines << QStringLiteral("Check week ") + QString::number(week + 1);
        }
    }

    // The last word is start-up's own check, with the byes this schedule gives most teams, so that a
    // schedule verified here is one that start-up accepts.
    const int16_t byesBefore = pool.byesPerTeam;
    pool.byesPerTeam = static_cast<int16_t>(usualByes);
    const ScheduleCount startup = countSchedule(pool);
    pool.scheduleEntries = static_cast<int16_t>(startup.entries);
    const bool complete = report.lines.isEmpty() && isCompleteSchedule(pool, startup);
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

    // The per-game files are written from the values at their games' new places; memory takes them only
    // once every file is written.
    auto next = std::make_unique<PoolData>(pool);
    const bool moved = carryGameValues(*next, pool, saved, before, after);
    // results.dat holds currentWeek: fewer weeks bring it within the season before the file is written,
    // so the next start finds it there.
    next->currentWeek = static_cast<int16_t>(std::min<int>(next->currentWeek, after.weeks() - 1));
    FileRewrite rewrite(folder);
    if (moved) {
        addGameFiles(rewrite, folder, *next, after);
    }
    rewrite.add(ScheduleFileName, [&folder, &pool] { return writeSchedule(folder, pool); });
    const WriteResult result = rewrite.run();
    if (!result) {
        return result;
    }

    saved = savedScheduleOf(pool);
    const int16_t weekBefore = pool.currentWeek;
    if (moved) {
        pool = *next;
        for (int member = 0; member < pool.memberCount(); ++member) {
            if (isNamedMember(pool.memberName[member]) &&
                folder.exists(memberFileName(pool.memberName[member], PicksExtension))) {
                pool.predictionsComplete[member] =
                    memberPredictionsComplete(pool, member, after) ? True16 : int16_t{0};
            }
        }
    }
    session.setFileLayout(after);
    CalcPickDifferences(pool);
    // Home and road splits follow the schedule, and the odds the differences.
    CalcMemberOdds(pool);
    session.teamsRecalculated = false;
    if (pool.currentWeek != weekBefore) {
        // Fewer weeks lowered currentWeek: the buttons and the week panel follow it.
        session.refreshMainButtons();
    }
    session.refreshSeasonCaption();
    return result;
}

// ---- New season --------------------------------------------------------------------------------------

namespace {

// Two files that would be set aside under one name, which the folder finds whatever its case (names
// differing only in case, or spelled alike once decoded): the second would replace the first. Empty
// when each has a name of its own.
QString setAsideClash(const QStringList& renames, const QStringList& keptAs) {
    for (qsizetype first = 0; first < keptAs.size(); ++first) {
        for (qsizetype second = first + 1; second < keptAs.size(); ++second) {
            if (keptAs[first].compare(keptAs[second], Qt::CaseInsensitive) == 0) {
                return QStringLiteral("The files %1 and %2 would both be set aside as %3, and the second "
                                      "would replace the first. Nothing was renamed: rename or remove one "
                                      "of them, then start the new season again.")
                    .arg(renames[first], renames[second], keptAs[second]);
            }
        }
    }
    return {};
}

} // namespace

NewSeasonOutcome NewSeason(PoolSession& session, SavedSchedule& saved, int currentYear) {
    PoolData& pool = session.pool();
    const DataFolder& folder = session.folder();
    NewSeasonOutcome outcome;

    // Every file of the finished season goes, or none: one left behind would be read as this season's
    // at the next start, or be written over by the first save. The prediction files go whoever they
    // belong to, so a member who comes back later does not get last season's picks back.
    // Which prediction files there are is known only from a listing of the folder: one that fails
    // would leave every one of them to be read as next season's.
    const DataFolder::FileNames files = folder.fileNames();
    if (!files.failure.isEmpty()) {
        outcome.failure = QStringLiteral("The files of the finished season could not be set aside: %1. "
                                         "Nothing was renamed.")
                              .arg(files.failure);
        return outcome;
    }
    const bool hadSchedule = folder.exists(ScheduleFileName);
    SetAside setAside(folder);
    QStringList renames{ScheduleFileName, ResultsFileName, ScoresFileName, FavoritesFileName};
    QStringList keptAs{QStringLiteral("schedule.old"), QStringLiteral("results.old"),
                       QStringLiteral("scores.old"), QStringLiteral("favorite.old")};
    for (qsizetype i = renames.size() - 1; i >= 0; --i) {
        if (!folder.exists(renames[i])) {
            renames.removeAt(i);
            keptAs.removeAt(i);
        }
    }
    const std::array<std::pair<QString, QString>, 2> predictionFiles{
        {{PicksExtension, QStringLiteral("OLD")}, {ConfidenceExtension, QStringLiteral("OCP")}}};
    for (const QString& file : files.names) {
        const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
        for (const auto& [extension, oldExtension] : predictionFiles) {
            if (dot >= 0 && file.mid(dot + 1).compare(extension, Qt::CaseInsensitive) == 0) {
                renames << file;
                keptAs << file.left(dot + 1) + oldExtension;
            }
        }
    }
    outcome.failure = setAsideClash(renames, keptAs);
    if (!outcome.failure.isEmpty()) {
        return outcome;
    }
    for (qsizetype i = 0; i < renames.size(); ++i) {
        if (!setAside.rename(renames[i], keptAs[i])) {
            outcome.failure = setAside.failure();
            return outcome;
        }
    }
    outcome.done = true;

    // Whatever was there, the per-game files are gone: the next ones follow the layout start-up would
    // read them with.
    const SavedSchedule withoutFile = scheduleWithoutFile(pool.numTeams, currentYear);
    session.setFileLayout(withoutFile.layout());
    if (hadSchedule) {
        ++pool.seasonYear;
        pool.numWeeks = 18;
        pool.byesPerTeam = 2;
        pool.openDates.fill(0);
        pool.gamesPerWeek = slotsForLeague(pool.numTeams);
        clearScheduleGrid(pool);
        pool.scheduleEntries = 0;
        pool.scheduleVerified = 0;
        outcome.scheduleReset = true;
        saved = withoutFile;
        session.refreshMainButtons();
        session.refreshSeasonCaption();
    }
    clearSeasonEntries(pool);
    session.scheduleMode = 1;

    CalcPickDifferences(pool);
    session.teamsRecalculated = false;
    session.refreshMainButtons();
    return outcome;
}

} // namespace vek
