#include "model/schedulefile.h"

#include "model/datafolder.h"
#include "model/pooldata.h"

#include <algorithm>

namespace vek {
namespace {

const QString FileName = QStringLiteral("schedule.dat");
constexpr int DefaultWeeks = 17;
constexpr int16_t DefaultByes = 1;
constexpr int Sides = 2;

int slotsPerWeek(const PoolData& pool) {
    return std::clamp<int>(pool.gamesPerWeek, 0, GameSlots);
}

bool fitsGrid(int count, int bound) {
    return count >= 0 && count <= bound;
}

void clearGrid(PoolData& pool) {
    for (auto& week : pool.scheduleGrid) {
        for (auto& slot : week) {
            slot[0] = pool.noneCode();
            slot[1] = pool.noneCode();
        }
    }
}

void applyScheduleDefaults(PoolData& pool, int currentYear) {
    storeInt16(pool.seasonYear, currentYear);
    pool.numWeeks = DefaultWeeks;
    pool.byesPerTeam = DefaultByes;
    std::fill_n(pool.openDates.begin(), DefaultWeeks, int16_t{0});
    pool.gamesPerWeek = static_cast<int16_t>(pool.numTeams / 2);
    pool.scheduleEntries = 0;
    pool.scheduleVerified = 0;
}

// Reads the grid as the file lays it out, storing what fits the tables. Returns false when the file
// ended inside the grid; reading stops there, so a huge week or slot count costs nothing.
bool readGrid(DataReader& reader, PoolData& pool, int fileWeeks, int fileSlots) {
    for (int week = 0; week < fileWeeks; ++week) {
        for (int slot = 0; slot < fileSlots; ++slot) {
            for (int side = 0; side < Sides; ++side) {
                int16_t entry = 0;
                const ReadStatus status = reader.read(entry);
                if (status == ReadStatus::End) {
                    return false;
                }
                if (status == ReadStatus::Stored && week < WeekSlots && slot < GameSlots &&
                    isScheduleEntry(entry)) {
                    pool.scheduleGrid[week][slot][side] = entry;
                }
            }
        }
    }
    return true;
}

} // namespace

bool isScheduleEntry(int value) {
    return isTeamSlot(value) || (value >= ByeFlag && isTeamSlot(value - ByeFlag));
}

ScheduleCount countSchedule(const PoolData& pool) {
    std::array<int, TeamSlots> away{};
    std::array<int, TeamSlots> home{};
    std::array<int, TeamSlots> byes{};
    ScheduleCount count;
    const int teams = std::clamp<int>(pool.numTeams, 0, MaxRealTeams);
    const int weeks = pool.weekLayout().weeks();
    const int slotCount = slotsPerWeek(pool);
    for (int week = 0; week < weeks; ++week) {
        for (int slot = 0; slot < slotCount; ++slot) {
            for (int side = 0; side < Sides; ++side) {
                const int entry = pool.scheduleGrid[week][slot][side];
                if (entry == pool.noneCode()) {
                    continue;
                }
                ++count.entries;
                if (entry >= 0 && entry < teams) {
                    ++(side == 0 ? away : home)[entry];
                } else if (entry >= ByeFlag && isTeamSlot(entry & 0xFF)) {
                    ++byes[entry & 0xFF];
                }
            }
        }
    }
    for (int team = 0; team < teams; ++team) {
        if (away[team] != home[team] || byes[team] != pool.byesPerTeam) {
            count.balanced = false;
        }
    }
    return count;
}

ReadOutcome readSchedule(const DataFolder& folder, PoolData& pool, int currentYear) {
    pool.scheduleEntries = 0;
    clearGrid(pool);
    std::optional<DataReader> reader = DataReader::open(folder, FileName);
    if (!reader) {
        applyScheduleDefaults(pool, currentYear);
        return {};
    }
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
    const bool gridWhole = readGrid(*reader, pool, fileWeeks, fileSlots);
    pool.numWeeks = static_cast<int16_t>(std::clamp(fileWeeks, 0, WeekSlots));
    pool.gamesPerWeek = static_cast<int16_t>(std::clamp(fileSlots, 0, GameSlots));

    const ScheduleCount count = countSchedule(pool);
    pool.scheduleEntries = static_cast<int16_t>(count.entries);
    // A schedule cut short, or one larger than the tables, is not the schedule on file: never verified.
    const bool fitted = fitsGrid(fileWeeks, WeekSlots) && fitsGrid(fileSlots, GameSlots);
    const bool complete =
        gridWhole && fitted && count.balanced && count.entries == pool.numWeeks * pool.numTeams;
    pool.scheduleVerified = complete ? True16 : int16_t{0};
    return {true, reader->hitEnd()};
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
    return writer.commit(folder, FileName);
}

} // namespace vek
