#include "model/schedulefile.h"

#include "model/datafolder.h"
#include "model/pooldata.h"

#include <algorithm>

namespace vek {
namespace {

constexpr int DefaultWeeks = 17;
constexpr int16_t DefaultByes = 1;
constexpr int Sides = 2;

int slotsPerWeek(const PoolData& pool) {
    return std::clamp<int>(pool.gamesPerWeek, 0, GameSlots);
}

bool fitsGrid(int count, int bound) {
    return count >= 0 && count <= bound;
}

// Open dates the week cannot have: its games are then taken as none or as every slot.
bool openDatesOutsideTheWeek(const PoolData& pool) {
    const WeekLayout layout = pool.weekLayout();
    for (int week = 0; week < layout.weeks(); ++week) {
        if (!fitsGrid(layout.openDates[week], layout.gamesPerWeek)) {
            return true;
        }
    }
    return false;
}

// What reading the grid found beyond the entries it stored.
struct GridRead {
    bool whole = true;       // the file did not end inside the grid
    int unstoredEntries = 0; // entries within the tables that are neither empty nor storable
};

// Reads the grid as the file lays it out, storing what fits the tables. An entry within the tables that
// is neither a team code nor a team's bye (nor a number at all) is not stored but counted, so that a
// damaged schedule cannot pass the completeness check. Reading stops at the end of the file, so a huge
// week or slot count costs nothing.
GridRead readGrid(DataReader& reader, PoolData& pool, int fileWeeks, int fileSlots) {
    GridRead read;
    for (int week = 0; week < fileWeeks; ++week) {
        for (int slot = 0; slot < fileSlots; ++slot) {
            for (int side = 0; side < Sides; ++side) {
                int16_t entry = pool.noneCode();
                const ReadStatus status = reader.read(entry);
                if (status == ReadStatus::End) {
                    read.whole = false;
                    return read;
                }
                if (week >= WeekSlots || slot >= GameSlots) {
                    continue;
                }
                if (status == ReadStatus::Stored && isScheduleEntry(entry)) {
                    pool.scheduleGrid[week][slot][side] = entry;
                } else if (status == ReadStatus::Skipped || entry != pool.noneCode()) {
                    reader.markValueUnused();
                    ++read.unstoredEntries;
                }
            }
        }
    }
    return read;
}

} // namespace

bool isScheduleEntry(int value) {
    return isTeamSlot(value) || (value >= ByeFlag && isTeamSlot(value - ByeFlag));
}

void clearScheduleGrid(PoolData& pool) {
    for (auto& week : pool.scheduleGrid) {
        for (auto& slot : week) {
            slot[0] = pool.noneCode();
            slot[1] = pool.noneCode();
        }
    }
}

int16_t slotsForLeague(int numTeams) {
    return static_cast<int16_t>(std::clamp((numTeams + 1) / 2, 0, GameSlots));
}

void applyScheduleDefaults(PoolData& pool, int currentYear) {
    storeInt16(pool.seasonYear, currentYear);
    pool.numWeeks = DefaultWeeks;
    pool.byesPerTeam = DefaultByes;
    std::fill_n(pool.openDates.begin(), DefaultWeeks, int16_t{0});
    pool.gamesPerWeek = slotsForLeague(pool.numTeams);
    clearScheduleGrid(pool);
    pool.scheduleEntries = 0;
    pool.scheduleVerified = 0;
}

ScheduleCount countSchedule(const PoolData& pool) {
    ScheduleCount count;
    const int teams = std::clamp<int>(pool.numTeams, 0, MaxRealTeams);
    const int weeks = pool.weekLayout().weeks();
    const int slotCount = slotsPerWeek(pool);
    for (int week = 0; week < weeks; ++week) {
        for (int slot = 0; slot < slotCount; ++slot) {
            const auto& game = pool.scheduleGrid[week][slot];
            const bool awayEmpty = game[0] == pool.noneCode();
            if (awayEmpty != (game[1] == pool.noneCode()) && (awayEmpty ? game[1] : game[0]) < ByeFlag) {
                ++count.halfGames;
            }
            for (int side = 0; side < Sides; ++side) {
                const int entry = game[side];
                if (entry == pool.noneCode()) {
                    continue;
                }
                ++count.entries;
                if (entry >= 0 && entry < teams) {
                    ++(side == 0 ? count.away : count.home)[entry];
                } else if (entry >= ByeFlag && isTeamSlot(entry & 0xFF)) {
                    ++count.byes[entry & 0xFF];
                }
            }
        }
    }
    for (int team = 0; team < teams; ++team) {
        if (count.away[team] != count.home[team] || count.byes[team] != pool.byesPerTeam) {
            count.balanced = false;
        }
    }
    return count;
}

bool isCompleteSchedule(const PoolData& pool, const ScheduleCount& count) {
    return count.balanced && count.halfGames == 0 && count.entries == pool.weekLayout().weeks() * pool.numTeams;
}

ReadOutcome readSchedule(const DataFolder& folder, PoolData& pool, int currentYear) {
    ReadOutcome unread;
    std::optional<DataReader> reader = openDataFile(folder, ScheduleFileName, unread);
    if (!reader) {
        applyScheduleDefaults(pool, currentYear);
        return unread;
    }
    pool.scheduleEntries = 0;
    clearScheduleGrid(pool);
    reader->read(pool.seasonYear);
    reader->read(pool.numWeeks);
    reader->read(pool.byesPerTeam);
    const int fileWeeks = pool.numWeeks;
    for (int week = 0; week < fileWeeks; ++week) {
        if (week < WeekSlots) {
            reader->read(pool.openDates[week]);
        } else if (!reader->skip()) {
            break;
        }
    }
    reader->read(pool.gamesPerWeek);
    const int fileSlots = pool.gamesPerWeek;
    const GridRead grid = readGrid(*reader, pool, fileWeeks, fileSlots);
    pool.numWeeks = static_cast<int16_t>(std::clamp(fileWeeks, 0, WeekSlots));
    pool.gamesPerWeek = static_cast<int16_t>(std::clamp(fileSlots, 0, GameSlots));
    const bool fitted = fitsGrid(fileWeeks, WeekSlots) && fitsGrid(fileSlots, GameSlots);

    ScheduleCount count = countSchedule(pool);
    count.entries += grid.unstoredEntries;
    storeInt16(pool.scheduleEntries, count.entries);
    // A schedule cut short or larger than the tables is never verified.
    const bool complete = grid.whole && fitted && isCompleteSchedule(pool, count);
    pool.scheduleVerified = complete ? True16 : int16_t{0};
    return {true, reader->hitEnd(), reader->unusedValues() || !fitted || openDatesOutsideTheWeek(pool), {}};
}

WriteResult writeSchedule(const DataFolder& folder, const PoolData& pool) {
    const int weeks = pool.weekLayout().weeks();
    const int slotCount = slotsPerWeek(pool);
    DataWriter writer;
    writer.writeInt(pool.seasonYear);
    writer.writeInt(weeks);
    writer.writeInt(pool.byesPerTeam);
    for (int week = 0; week < weeks; ++week) {
        writer.writeInt(pool.openDates[week]);
    }
    writer.writeInt(slotCount);
    for (int week = 0; week < weeks; ++week) {
        for (int slot = 0; slot < slotCount; ++slot) {
            writer.writeInt(pool.scheduleGrid[week][slot][0]);
            writer.writeInt(pool.scheduleGrid[week][slot][1]);
        }
    }
    return writer.commit(folder, ScheduleFileName);
}

} // namespace vek
