#pragma once

#include "model/datawriter.h"
#include "model/pooldata.h"

namespace vek {

class PoolSession;

/// The event settings as events.dat holds them.
struct EventValues {
    int32_t seasonPoints = 0;
    int32_t seasonGbPoints = 0;
    int32_t halfPoints = 0;
    int32_t halfGbPoints = 0;
    Table<int16_t, HalfEntries> halfWeeks{};
    int32_t quarterPoints = 0;
    int32_t quarterGbPoints = 0;
    Table<int16_t, QuarterEntries> quarterWeeks{};
    Table<int16_t, WeekSizeEntries> goodWeekMinWins{};
    Table<int32_t, WeekSizeEntries> goodWeekPoints{};
    Table<int16_t, WeekSizeEntries> goodWeekMinCp{};
    Table<int16_t, WeekSizeEntries> badWeekMaxWins{};
    Table<int32_t, WeekSizeEntries> badWeekPoints{};
    Table<int16_t, WeekSizeEntries> badWeekMaxCp{};
    Table<int32_t, WeekSizeEntries> perfectWeekPoints{};
    int32_t wildChoicePoints = 0;
    int32_t over50Points = 0;
    int32_t mondayNightPoints = 0;
    int32_t postSeasonPoints = 0;
    Table<int32_t, 5> divWinnerPoints{};
    Table<int32_t, 3> wildCardPoints{};
    int32_t divAsWildCardPoints = 0;
    int32_t wildCardAsDivPoints = 0;
    int32_t bigGamePoints = 0;
};

/// The shared event settings as a value.
[[nodiscard]] EventValues eventValuesOf(const PoolData& pool);

/// OK of the event profiles: writes events.dat; only when it was written do the shared settings take
/// the values and the period tables follow the stored lengths. Nothing is recomputed: the engine reads
/// the settings the next time it scores. A failed write changes nothing in memory.
[[nodiscard]] WriteResult changeEventProfiles(PoolSession& session, const EventValues& values);

} // namespace vek
