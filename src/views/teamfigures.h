#pragma once

#include "model/pooldata.h"

#include <QString>

#include <array>
#include <vector>

namespace vek {

// The team standings the prediction charts and the league statistics show: the records a member's picks
// imply, the consensus of all members' picks, or the league's from the results, as the team tallies
// last left them (sorted, best first). A source is a member index 0..numMembers-1, numMembers for the
// consensus or numMembers + 1 for the league.

/// The rows 0..numTeams-1 of the source's standings table in rank order; none for a source outside
/// 0..numMembers+1.
[[nodiscard]] std::vector<TeamStanding> standingsOfSource(const PoolData& pool, int source);

/// Whether the source is the league's actual standings (which alone carry ties).
[[nodiscard]] bool isLeagueSource(const PoolData& pool, int source);

/// The statistics' name of a source: the member's name, "Consensus" or "VEK".
[[nodiscard]] QString sourceName(const PoolData& pool, int source);

/// The charts' title of a source in two pieces, so that a box too narrow for a long name can cut the
/// name and keep the odds: the member's name and " (" odds ")" (the odds as the standings show them);
/// "Consensus" or "VEK Standings" with nothing after it.
struct ChartTitle {
    QString name;
    QString odds;
    [[nodiscard]] QString text() const { return name + odds; }
    bool operator==(const ChartTitle&) const = default;
};
[[nodiscard]] ChartTitle chartTitle(const PoolData& pool, int source);

/// The division names "NFC East" .. "AFC West"; empty outside 0..7.
[[nodiscard]] QString divisionName(int division);

/// The most teams a chart panel or the statistics show of one division.
constexpr int DivisionTeamsShown = ChartRows;

/// The teams of each division in the order of `rows` (best first), at most six each; a team outside
/// every division is left out.
[[nodiscard]] std::array<std::vector<TeamStanding>, Divisions>
divisionStandings(const PoolData& pool, const std::vector<TeamStanding>& rows);

/// The statistics' totals over all rows of a source: home wins, road wins (the home teams' losses) and
/// home ties; the games NFC and AFC teams won against the other conference and the ties between them
/// (counted once for each of the two teams).
struct SourceTotals {
    int homeWins = 0;
    int roadWins = 0;
    int ties = 0;
    int nfcWins = 0;
    int afcWins = 0;
    int conferenceTies = 0;
    bool operator==(const SourceTotals&) const = default;
};
[[nodiscard]] SourceTotals sourceTotals(const PoolData& pool, const std::vector<TeamStanding>& rows);

/// Over every game of weeks 0..currentWeek that has a result: entry N of `won` counts the games whose
/// winner exactly N members picked, entry N of `lost` those whose losing side N members picked or left
/// unpicked. A tie is won by a side nobody picked. N runs 0..numMembers.
struct ChosenCounts {
    std::vector<int> won;
    std::vector<int> lost;
    bool operator==(const ChosenCounts&) const = default;
};
[[nodiscard]] ChosenCounts chosenCounts(const PoolData& pool);

/// A game of weeks 0..currentWeek with a result the views count: the away team, the home team or a tie
/// (numTeams), between two real teams.
struct CountedGame {
    int week = 0;
    int game = 0;
    int away = 0;
    int home = 0;
    int winner = 0;
};
/// Every counted game in week and game order. A game without a result, or with a result naming neither
/// team, counts for nobody and is left out.
[[nodiscard]] std::vector<CountedGame> countedGames(const PoolData& pool);

} // namespace vek
