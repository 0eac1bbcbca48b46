#pragma once

#include "model/pooldata.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vek {

/// The periods of the season (two halves, four quarters) and the week sizes that key the weekly events.
/// A period runs from its first to its last week; one whose last week lies before its first covers no week.

/// First and last week of both halves and all four quarters from the stored lengths, the periods of each
/// kind following one another from week 0. The lengths are taken as stored (start-up cannot compare them
/// with the season, which is read later). A week number that leaves the 16-bit range keeps its old value.
void derivePeriodTables(PoolData& pool);

/// The halves while the event profiles window edits them: the second half takes the weeks the first one
/// leaves of the season. Returns that second length.
int16_t deriveHalfWeeks(PoolData& pool, int firstHalfWeeks);

/// The quarters while the event profiles window edits them: the fourth takes the weeks the first three
/// leave of the season (negative when they exceed it). Returns that fourth length.
int16_t deriveQuarterWeeks(PoolData& pool, const std::array<int, 3>& firstQuarterWeeks);

/// The games of the weeks first..last, counting only weeks the season and the tables hold.
[[nodiscard]] int periodGames(const WeekLayout& layout, int firstWeek, int lastWeek);

/// The fewest games in any week (minWeekGames): the slots per week less the most open dates of any week
/// of the season, none of them counted below 0; kept within 0..GameSlots, so a damaged layout never
/// gives a week size the tables cannot hold. Start-up computes it once; the event profiles window shows
/// the week sizes from it.
[[nodiscard]] int16_t fewestWeekGames(const WeekLayout& layout);

/// The entry of the week-size tables for a week of `weekGames` games: weekGames less minWeekGames; none
/// when that lies outside the tables (entries 0..8; the files hold 0..7). The scoring, the event
/// profiles window and the reports all key the weekly events by it.
[[nodiscard]] std::optional<int> weekSizeIndex(int weekGames, int minWeekGames);

/// The entry of the week-size tables that no file sets: its thresholds and points stay 0, so a week
/// scored with it moves no points.
constexpr int SpareWeekSizeEntry = WeekSizeEntries - 1;

} // namespace vek
