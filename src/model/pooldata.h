#pragma once

#include "model/table.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>

namespace vek {

// Fixed bounds of the shared tables. Every index that comes from a file or from the user is checked
// against these before it is used.
constexpr int TeamSlots = 39; // team codes 0..38: at most 37 real teams plus "TIE-" and none
constexpr int MaxRealTeams = 37;
constexpr int MemberSlots = 121;     // members 0..120
constexpr int MaxMembersLimit = 500; // the adding limit of the member list (maxMembers)
constexpr int WeekSlots = 19;        // weeks 0..18
constexpr int GameSlots = 19;        // game slots 0..18 per week
constexpr int ScheduleSides = 3;     // sides 0 (away) and 1 (home) are used
constexpr int PostSeasonSlots = 13;  // 0..3 NFC, 4..7 AFC division winners, 8..11 wild cards, 12 Big Game
constexpr int SeedSlots = 12;        // seeds of post-season slots 0..11
constexpr int EventColumns = 36;     // event columns 0..35 (0..13 carry events)
constexpr int Divisions = 8;
constexpr int ChartDivisions = 9;  // chart tables hold division 8 too; it is never used
constexpr int ChartRows = 6;       // at most six teams per division
constexpr int WeekSizeEntries = 9; // week-size tables: entries 0..8, the file holds 0..7
constexpr int StoredWeekSizeEntries = 8;
constexpr int HalfEntries = 5;    // period tables are dimensioned 0..4; halves use 0..1
constexpr int QuarterEntries = 5; // quarters use 0..3
constexpr int ByeFlag = 16384;    // schedule entry 16384 + team code marks that team's bye
constexpr int16_t UniquePickFlag = static_cast<int16_t>(0x8000);
constexpr int16_t True16 = -1; // booleans are integers, true = -1

// Event columns of eventWinners and ledgerBalance.
enum EventColumn : int {
    EvSeason = 0,
    EvSeasonGamesBehind = 1,
    EvSemiSeason = 2,
    EvSemiSeasonGamesBehind = 3,
    EvQuarter = 4,
    EvQuarterGamesBehind = 5,
    EvGoodWeek = 6,
    EvBadWeek = 7,
    EvPerfectWeek = 8,
    EvWildChoices = 9,
    EvOver50 = 10,
    EvPostSeason = 11,
    EvChampionship = 12,
    EvMondayNight = 13,
};

/// One division: a contiguous range of team codes derived from the division sizes.
struct Division {
    int16_t firstTeam = 0;
    int16_t teamCount = 0;
    int16_t lastTeam = 0;
};

/// One team's won-lost record, as implied by a member's picks, summed over all members, or from the
/// results. After a standings sort the rows are in rank order and `team` tells whose record it is.
struct TeamStanding {
    int16_t team = 0;
    int16_t wins = 0;
    int16_t losses = 0;
    int16_t ties = 0;
    int16_t homeWins = 0;
    int16_t homeLosses = 0;
    int16_t homeTies = 0;
    int16_t roadWins = 0;
    int16_t roadLosses = 0;
    int16_t roadTies = 0;
    int16_t inDivWins = 0;
    int16_t inDivLosses = 0;
    int16_t inDivTies = 0;
    int16_t outDivWins = 0;
    int16_t outDivLosses = 0;
    int16_t outDivTies = 0;
    int16_t inConfWins = 0;
    int16_t inConfLosses = 0;
    int16_t inConfTies = 0;
    int16_t outConfWins = 0;
    int16_t outConfLosses = 0;
    int16_t outConfTies = 0;

    bool operator==(const TeamStanding&) const = default;
};

// elimFlags: pairs of (can at best tie, eliminated) per contest.
namespace elim {
constexpr int16_t WildTie = 1, WildOut = 2;
constexpr int16_t Over50Tie = 4, Over50Out = 8;
constexpr int16_t QuarterTie = 16, QuarterOut = 32;
constexpr int16_t HalfTie = 64, HalfOut = 128;
constexpr int16_t SeasonTie = 256, SeasonOut = 512;
constexpr int16_t MondayTie = 1024, MondayOut = 2048;
} // namespace elim

// eventFlags: the events a member won in the record's week.
namespace eventbit {
constexpr int32_t Season = static_cast<int32_t>(0xFFFF8000u); // stored sign-extended
constexpr int32_t Half0 = 0x4000, Half1 = 0x2000;
constexpr int32_t Quarter0 = 0x1000, Quarter1 = 0x800, Quarter2 = 0x400, Quarter3 = 0x200;
constexpr int32_t GoodWeek = 0x100, BadWeek = 0x80, PerfectWeek = 0x40, Over50 = 0x20;
constexpr int32_t WildChoices = 0x10, PostSeason = 0x8, Championship = 0x4, MondayNight = 0x2;
} // namespace eventbit

/// A member's standing as of the end of one week; rebuilt on demand by the season scoring, never stored.
struct WeekStanding {
    int16_t memberIndex = 0;
    int16_t weekWins = 0;
    int16_t weekLosses = 0;
    int16_t overStreak = 0;
    int16_t longestOverStreak = 0;
    int16_t uniqueWins = 0;
    int16_t uniqueLosses = 0;
    int16_t mondayWins = 0;
    int32_t postSeasonScore = 0;
    int16_t bigGameWins = 0;
    int16_t elimFlags = 0;
    int32_t eventFlags = 0;
    int16_t seasonWins = 0;
    int16_t seasonLosses = 0;
    Table<int16_t, 3> halfWins{};
    Table<int16_t, 3> halfLosses{};
    Table<int16_t, 5> quarterWins{};
    Table<int16_t, 5> quarterLosses{};
    double pointsTotal = 0.0;
    int16_t seasonCp = 0;
    Table<int16_t, 3> halfCp{};
    Table<int16_t, 5> quarterCp{};
    int16_t weekCp = 0;

    bool operator==(const WeekStanding&) const = default;
};

/// The week layout of a season: how many weeks and how many games each week has. The per-game files
/// are positional over this layout, so their readers and writers take it as a parameter.
struct WeekLayout {
    int16_t numWeeks = 0;
    int16_t gamesPerWeek = 0;
    Table<int16_t, WeekSlots> openDates{};

    /// Number of weeks that lie within the tables (0..19).
    [[nodiscard]] int weeks() const;
    /// games(w) = gamesPerWeek - openDates(w), kept within 0..19; 0 for a week outside the tables.
    [[nodiscard]] int games(int week) const;
};

// Inline: every per-game loop of the readers and the engine asks for each week's games.
inline int WeekLayout::weeks() const {
    return std::clamp<int>(numWeeks, 0, WeekSlots);
}

inline int WeekLayout::games(int week) const {
    if (week < 0 || week >= WeekSlots) {
        return 0;
    }
    return std::clamp<int>(gamesPerWeek - openDates[week], 0, GameSlots);
}

// The values that one data file holds and one setup window edits, each a small value of its own, so
// that a window can write its file from a value and change the shared tables only once the write
// succeeded. PoolData is made of them (its fields keep their names: pool.numTeams, pool.weeklyPicks).

/// The league as vek.dat holds it: the number of teams, the division sizes, every team's name,
/// abbreviation and picture. The division ranges and the "TIE-" and none slots are derived from it.
struct LeagueTables {
    int16_t numTeams = 0;
    Table<QString, TeamSlots> teamName{};
    Table<QString, TeamSlots> teamAbbr{};
    Table<int16_t, TeamSlots> teamIcon{};
    Table<Division, Divisions> divisionRec{};
};

/// The five pool options of pool.dat.
struct PoolOptions {
    int16_t weeklyPicks = 0;     // 1 week by week, 0 all games before the season
    int16_t usePointSpreads = 0; // -1 true
    int16_t confidenceMode = 0;  // 0 none, 1 from gamesPerWeek down, 2 from the week's games down
    int16_t pointsSystem = 0;    // 0 ledger, 1 split credit, 2 full credit
    int16_t mnTieBreaker = 0;    // 0 none, 1 closest without going over, 2 closest either way
};

/// The scoring rules of events.dat: the points of every event, the lengths of the halves and quarters,
/// and the weekly thresholds and points by week size. The first and last weeks of the periods are
/// derived from the lengths and kept in PoolData.
struct EventSettings {
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
    Table<int32_t, 5> divWinnerPoints{}; // entries 0..3
    Table<int32_t, 3> wildCardPoints{};  // entries 0..1
    int32_t divAsWildCardPoints = 0;
    int32_t wildCardAsDivPoints = 0;
    int32_t bigGamePoints = 0;
};

/// The member list of members.dat: the members in member order and the default member.
struct MemberList {
    int16_t numMembers = 0;
    int16_t defaultMember = 0;
    Table<QString, MemberSlots> memberName{};
    Table<QString, MemberSlots> memberEmail{};

    /// Number of members that lie within the member tables (0..121).
    [[nodiscard]] int memberCount() const;
    /// The member every member chooser starts on: defaultMember when it is in the member list,
    /// otherwise member 0.
    [[nodiscard]] int defaultMemberIndex() const;
};

/// The shared data model: every table of the pool with its fixed bounds. It starts zeroed (empty
/// texts, false flags). It is large; the session keeps it on the heap.
struct PoolData : LeagueTables, PoolOptions, EventSettings, MemberList {
    [[nodiscard]] LeagueTables& league() { return *this; }
    [[nodiscard]] const LeagueTables& league() const { return *this; }
    [[nodiscard]] PoolOptions& options() { return *this; }
    [[nodiscard]] const PoolOptions& options() const { return *this; }
    [[nodiscard]] EventSettings& eventSettings() { return *this; }
    [[nodiscard]] const EventSettings& eventSettings() const { return *this; }
    [[nodiscard]] MemberList& memberList() { return *this; }
    [[nodiscard]] const MemberList& memberList() const { return *this; }

    // ---- Period tables, derived from the lengths of the event settings --------------------------------
    Table<int16_t, HalfEntries> halfFirstWeek{};
    Table<int16_t, HalfEntries> halfLastWeek{};
    Table<int16_t, QuarterEntries> quarterFirstWeek{};
    Table<int16_t, QuarterEntries> quarterLastWeek{};

    // ---- Season and schedule -------------------------------------------------------------------------
    int16_t seasonYear = 0;
    int16_t numWeeks = 0;
    int16_t byesPerTeam = 0;
    int16_t gamesPerWeek = 0;
    Table<int16_t, WeekSlots> openDates{};
    int16_t minWeekGames = 0;
    Table3<int16_t, WeekSlots, GameSlots, ScheduleSides> scheduleGrid{}; // (week, slot, side)
    int16_t scheduleEntries = 0;
    int16_t scheduleVerified = 0;
    int16_t currentWeek = 0; // last week with complete results, -1 none

    // ---- Members (beside the member list) ------------------------------------------------------------
    int16_t maxMembers = 0;

    // ---- Predictions ---------------------------------------------------------------------------------
    Table3<int16_t, WeekSlots, GameSlots, MemberSlots> memberPicks{};      // (week, game, member)
    Table3<int16_t, WeekSlots, GameSlots, MemberSlots> confidencePoints{}; // (week, game, member)
    Table2<int16_t, WeekSlots, MemberSlots> mondayNightTotal{};            // (week, member)
    Table2<int16_t, PostSeasonSlots, MemberSlots> postSeasonPicks{};       // (slot, member)
    Table<int16_t, MemberSlots> predictionsComplete{};

    // ---- Results -------------------------------------------------------------------------------------
    Table2<int16_t, WeekSlots, GameSlots> gameWinner{};
    Table3<int16_t, WeekSlots, GameSlots, 2> gameScore{}; // (week, game, side)
    Table2<int16_t, WeekSlots, GameSlots> favoriteTeam{};
    Table2<float, WeekSlots, GameSlots> pointSpread{};
    Table2<int16_t, WeekSlots, GameSlots> spreadWinner{};
    Table<int16_t, PostSeasonSlots> postSeasonResults{};
    Table<int16_t, PostSeasonSlots> postSeasonSeeds{}; // slots 0..11 carry seeds

    // ---- Team tallies and standings ------------------------------------------------------------------
    Table2<TeamStanding, TeamSlots, MemberSlots> memberStandings{}; // (row, member)
    Table<TeamStanding, TeamSlots> consensusStandings{};
    Table<TeamStanding, TeamSlots> leagueStandings{};
    Table<TeamStanding, TeamSlots> sortWork{};

    // ---- Division chart rows -------------------------------------------------------------------------
    Table2<int16_t, ChartDivisions, ChartRows> chartTeam{};
    Table2<int16_t, ChartDivisions, ChartRows> chartWins{};
    Table2<int16_t, ChartDivisions, ChartRows> chartLosses{};
    Table2<int16_t, ChartDivisions, ChartRows> chartTies{};
    Table<int16_t, ChartDivisions> divisionFill{};

    // ---- Pick differences, unique picks, odds --------------------------------------------------------
    Table3<int16_t, MemberSlots, MemberSlots, WeekSlots> pickDiffWeek{};   // (a, b, week)
    Table2<int16_t, MemberSlots, MemberSlots> pickDiffTotal{};             // (a, b)
    Table3<int16_t, MemberSlots, MemberSlots, WeekSlots> pickDiffMonday{}; // (a, b, week)
    Table<int16_t, MemberSlots> uniquePicks{};
    Table2<int16_t, MemberSlots, WeekSlots> uniquePicksWeek{}; // (member, week)
    Table<float, MemberSlots> memberOdds{};

    // ---- Week-by-week scoring (rebuilt on demand) ----------------------------------------------------
    Table2<WeekStanding, WeekSlots, MemberSlots> weekStandings{}; // (week, row)
    WeekStanding swapStanding{};
    Table<int16_t, WeekSlots> maxOverStreak{};

    // The week-scoring block: the bests of the week last scored.
    int32_t totalGamesBehind = 0;
    int32_t totalHalfGamesBehind = 0;
    int32_t totalQuarterGamesBehind = 0;
    int16_t maxWins = 0;
    Table<int16_t, 3> maxHalfWins{};
    Table<int16_t, 5> maxQuarterWins{};
    int16_t maxCp = 0;
    Table<int16_t, 3> maxHalfCp{};
    Table<int16_t, 5> maxQuarterCp{};
    int16_t maxUniqueWins = 0;
    int16_t maxMondayWins = 0;
    Table<int16_t, EventColumns> eventWinners{};

    // The points ledger: (member, event column).
    Table2<float, MemberSlots, EventColumns> ledgerBalance{};

    // ---- Helpers over the model ----------------------------------------------------------------------
    /// The tie pseudo-team "TIE-" (also an even game, a push).
    [[nodiscard]] int16_t tieCode() const { return numTeams; }
    /// The none code: no pick, no result, an empty schedule entry.
    [[nodiscard]] int16_t noneCode() const { return static_cast<int16_t>(numTeams + 1); }
    /// The week layout of the schedule in memory.
    [[nodiscard]] WeekLayout weekLayout() const;
    /// games(w) of the schedule in memory, kept within the tables.
    [[nodiscard]] int games(int week) const { return weekLayout().games(week); }
    /// A team's full name and abbreviation by code (the tie and none slots included); blank for a code
    /// outside the team slots, so a damaged entry shows nothing rather than another team.
    [[nodiscard]] QString teamNameOf(int code) const;
    [[nodiscard]] QString teamAbbrOf(int code) const;
};

/// A team code that can index the team tables.
[[nodiscard]] constexpr bool isTeamSlot(int code) {
    return code >= 0 && code < TeamSlots;
}
[[nodiscard]] constexpr bool isWeek(int week) {
    return week >= 0 && week < WeekSlots;
}
[[nodiscard]] constexpr bool isMember(int member) {
    return member >= 0 && member < MemberSlots;
}
/// The team code a pick holds: its low byte (bit 15 marks a unique pick).
[[nodiscard]] constexpr int16_t pickCode(int16_t pick) {
    return static_cast<int16_t>(pick & 0xFF);
}
[[nodiscard]] constexpr bool isTrue(int16_t flag) {
    return flag == True16;
}

} // namespace vek
