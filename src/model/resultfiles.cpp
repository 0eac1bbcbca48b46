#include "model/resultfiles.h"

#include "model/datafolder.h"
#include "model/pooldata.h"

#include <algorithm>

namespace vek {

ReadOutcome readResults(const DataFolder& folder, PoolData& pool, const WeekLayout& layout) {
    forEachGame(layout, [&](int week, int game) { pool.gameWinner[week][game] = pool.noneCode(); });
    pool.postSeasonResults.fill(pool.noneCode());
    ReadOutcome unread;
    std::optional<DataReader> reader = openDataFile(folder, ResultsFileName, unread);
    if (!reader) {
        pool.currentWeek = -1;
        return unread;
    }
    // Only a week the file holds can be out of the season; an empty file's start value is not.
    const bool weekRead = reader->read(pool.currentWeek) == ReadStatus::Stored;
    const int16_t fileWeek = pool.currentWeek;
    pool.currentWeek = static_cast<int16_t>(std::clamp<int>(fileWeek, -1, layout.weeks() - 1));
    forEachGame(layout, [&](int week, int game) { readTeamCode(*reader, pool.gameWinner[week][game]); });
    for (int16_t& result : pool.postSeasonResults) {
        readTeamCode(*reader, result);
    }
    for (int slot = 0; slot < SeedSlots; ++slot) {
        reader->read(pool.postSeasonSeeds[slot]);
    }
    return {true, reader->hitEnd(), reader->unusedValues() || (weekRead && pool.currentWeek != fileWeek), {}};
}

WriteResult writeResults(const DataFolder& folder, const PoolData& pool, const WeekLayout& layout) {
    DataWriter writer;
    writer.writeInt(pool.currentWeek);
    forEachGame(layout, [&](int week, int game) { writer.writeInt(pool.gameWinner[week][game]); });
    for (int16_t result : pool.postSeasonResults) {
        writer.writeInt(result);
    }
    for (int slot = 0; slot < SeedSlots; ++slot) {
        writer.writeInt(pool.postSeasonSeeds[slot]);
    }
    return writer.commit(folder, ResultsFileName);
}

ReadOutcome readScores(const DataFolder& folder, PoolData& pool, const WeekLayout& layout) {
    ReadOutcome unread;
    std::optional<DataReader> reader = openDataFile(folder, ScoresFileName, unread);
    if (!reader) {
        return unread;
    }
    forEachGame(layout, [&](int week, int game) {
        reader->read(pool.gameScore[week][game][0]);
        reader->read(pool.gameScore[week][game][1]);
    });
    return {true, reader->hitEnd(), reader->unusedValues(), {}};
}

WriteResult writeScores(const DataFolder& folder, const PoolData& pool, const WeekLayout& layout) {
    DataWriter writer;
    forEachGame(layout, [&](int week, int game) {
        writer.writeInt(pool.gameScore[week][game][0]);
        writer.writeInt(pool.gameScore[week][game][1]);
    });
    return writer.commit(folder, ScoresFileName);
}

ReadOutcome readFavorites(const DataFolder& folder, PoolData& pool, const WeekLayout& layout) {
    forEachGame(layout, [&](int week, int game) {
        pool.favoriteTeam[week][game] = pool.noneCode();
        pool.pointSpread[week][game] = 0.0f;
    });
    ReadOutcome unread;
    std::optional<DataReader> reader = openDataFile(folder, FavoritesFileName, unread);
    if (!reader) {
        return unread;
    }
    forEachGame(layout, [&](int week, int game) {
        readTeamCode(*reader, pool.favoriteTeam[week][game]);
        reader->read(pool.pointSpread[week][game]);
    });
    return {true, reader->hitEnd(), reader->unusedValues(), {}};
}

WriteResult writeFavorites(const DataFolder& folder, const PoolData& pool, const WeekLayout& layout) {
    DataWriter writer;
    forEachGame(layout, [&](int week, int game) {
        writer.writeInt(pool.favoriteTeam[week][game]);
        writer.writeFloat(pool.pointSpread[week][game]);
    });
    return writer.commit(folder, FavoritesFileName);
}

} // namespace vek
