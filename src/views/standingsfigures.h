#pragma once

#include "model/pooldata.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace vek {

class DifferencesLeft;

// The figures of the pool standings as of one week: leaders, games behind, the contest marks, the
// balances, the column sums, the differences still ahead of two members and the points ledger. The
// standings window, the ledger window and the printed reports all show them, so they are worked out
// here once, from the week records that the season scoring left (rows in member order or sorted, the
// figures do not depend on it). A week outside the tables, or a member outside the member list, gives
// empty figures (zeros, no row) rather than reading outside the tables.

/// The quarter (0..3) and half (0..1) that the standings show for a week.
struct WeekPeriods {
    int quarter = 0;
    int half = 0;
    bool operator==(const WeekPeriods&) const = default;
};

/// The periods that contain the week: the first quarter and the first half whose range holds it. A
/// period kind none of whose ranges holds the week keeps its value from `previous`, so that a week after
/// the last quarter goes on showing the quarter shown before.
[[nodiscard]] WeekPeriods periodsOfWeek(const PoolData& pool, int week, WeekPeriods previous = {});

/// Which period the period column of the standings shows.
enum class PeriodKind { Quarter, Half };

/// Whether some quarter (or half) range holds the week.
[[nodiscard]] bool weekInPeriod(const PoolData& pool, int week, PeriodKind kind);

/// The event flag of the period shown: quarters &H1000..&H200, halves &H4000, &H2000; 0 when the week
/// lies in no period of that kind.
[[nodiscard]] int32_t periodEventBit(const PoolData& pool, int week, PeriodKind kind);

/// The period column's caption: "1st Quarter" .. "4th Quarter" or "1st Half", "2nd Half", with "End "
/// before it in the period's last week; empty when the week lies in no period of that kind (the
/// window then keeps the caption it had).
[[nodiscard]] QString periodCaption(const PoolData& pool, int week, PeriodKind kind);

/// The season column's caption: "End Of Season" in the season's last week, otherwise "Season".
[[nodiscard]] QString seasonCaption(const PoolData& pool, int week);

/// The standings window's caption by the scoring mode, with its two blanks after "Pool Standings".
[[nodiscard]] QString standingsCaption(const PoolData& pool);

/// The highest values of one week among all members (0 when no member has more). Leaders are by wins
/// for the season, half and quarter contests in both scoring modes; the confidence-point leaders are for
/// the reports that mark them.
struct WeekLeaders {
    int seasonWins = 0;
    int halfWins = 0;    // of the half given
    int quarterWins = 0; // of the quarter given
    int seasonCp = 0;
    int halfCp = 0;
    int quarterCp = 0;
    int uniqueWins = 0;
    int mondayWins = 0;
    bool operator==(const WeekLeaders&) const = default;
};

/// The leaders over rows 0..numMembers-1 of the week, with the half and quarter of `periods`.
[[nodiscard]] WeekLeaders leadersOfWeek(const PoolData& pool, int week, WeekPeriods periods);

/// One record's wins, losses and confidence points in a contest period.
struct PeriodTally {
    int wins = 0;
    int losses = 0;
    int cp = 0;
    bool operator==(const PeriodTally&) const = default;
};

[[nodiscard]] PeriodTally seasonTally(const WeekStanding& s);
/// Half 0..1 and quarter 0..3; another index gives an empty tally.
[[nodiscard]] PeriodTally halfTally(const WeekStanding& s, int half);
[[nodiscard]] PeriodTally quarterTally(const WeekStanding& s, int quarter);

/// The games-behind points at stake in a week: for every row in `firstRow`..`lastRow` (kept within
/// the members), (leader's wins - the row's wins) x the contest's points per game behind; none in a pool
/// scored by confidence points, where games behind move no points.
struct GamesBehindTotals {
    int64_t season = 0;
    int64_t half = 0;
    int64_t quarter = 0;
    bool operator==(const GamesBehindTotals&) const = default;
};
[[nodiscard]] GamesBehindTotals gamesBehindTotals(const PoolData& pool, int week, WeekPeriods periods,
                                                  const WeekLeaders& leaders, int firstRow = 0,
                                                  int lastRow = MemberSlots - 1);

/// The sums over all members of a week, in 32 bits: a full season of the largest pool overflows 16.
struct ColumnSums {
    int seasonWins = 0;
    int seasonLosses = 0;
    int halfWins = 0;
    int halfLosses = 0;
    int quarterWins = 0;
    int quarterLosses = 0;
    int weekWins = 0;
    int weekLosses = 0;
    bool operator==(const ColumnSums&) const = default;
};
[[nodiscard]] ColumnSums columnSums(const PoolData& pool, int week, WeekPeriods periods);

/// The contests whose standing the elimination flags record.
enum class Contest { WildChoices, Over50, Quarter, Half, Season, MondayNight };

/// A member's standing in a contest: can at best tie, or already eliminated (both bits are kept as
/// they are stored; the window tests the tie first, the printed rows the elimination first).
struct ContestStatus {
    bool canAtBestTie = false;
    bool eliminated = false;
    bool operator==(const ContestStatus&) const = default;
};
[[nodiscard]] ContestStatus contestStatus(int16_t elimFlags, Contest contest);
/// The window's e/t mark: "T" can at best tie, else "E" eliminated, else one blank.
[[nodiscard]] QString contestMark(ContestStatus status);

/// A win ratio wins / (wins + losses) with three decimals, rounded exactly ("0.667", 53-27 "0.663");
/// "0.000" when both are 0.
[[nodiscard]] QString winRatioText(int64_t wins, int64_t losses);

/// A points balance rounded to a whole number, halves away from zero; never -0.
[[nodiscard]] double roundedBalance(double value);
/// The balance as shown ("####0"): "-12", "0", "7".
[[nodiscard]] QString balanceText(double value);
/// -1, 0 or 1: the sign of the balance as shown, so that -0.4 (shown "0") counts as 0.
[[nodiscard]] int balanceSign(double value);

/// A member's odds as the views show them beside the name: the odds text when every pick is made
/// before the season, "n/a" when members pick week by week.
[[nodiscard]] QString memberOddsText(const PoolData& pool, int member);

/// The row of the week that holds the member (the first such row); -1 when none does.
[[nodiscard]] int rowOfMember(const PoolData& pool, int week, int member);
/// The member's record of the week; nullptr when the member has no row there.
[[nodiscard]] const WeekStanding* recordOfMember(const PoolData& pool, int week, int member);

/// The games two members picked differently after the shown week: to the season's end, to the end of
/// the half and of the quarter shown (each sum stops at the season's last week; a period already over
/// has none), and in the next week alone (none in the season's last week).
struct DifferencesAhead {
    int season = 0;
    int half = 0;
    int quarter = 0;
    std::optional<int> nextWeek;
    bool operator==(const DifferencesAhead&) const = default;
};
/// `diffs` is built from the pool's current pick differences; members a and b in either order.
[[nodiscard]] DifferencesAhead differencesAhead(const PoolData& pool, const DifferencesLeft& diffs, int week,
                                                WeekPeriods periods, int a, int b);

/// One rank row of the standings grid as of a week, with the period column of `kind`.
struct StandingsLine {
    int member = 0;
    PeriodTally season;
    int seasonBehind = 0; // leader's season wins - the member's
    ContestStatus seasonStatus;
    PeriodTally period; // the quarter or half shown
    int periodBehind = 0;
    ContestStatus periodStatus;
    int weekWins = 0;
    int weekLosses = 0;
    int weekCp = 0;
    double balance = 0.0;
    bool wonAnyEvent = false;  // any event won this week: the name is marked
    bool wonSeason = false;    // the season event
    bool wonPeriod = false;    // the event of the period shown
    bool wonWeekEvent = false; // good, bad or perfect week
    bool operator==(const StandingsLine&) const = default;
};
/// The line of rank row `row` (0..numMembers-1) of the week; an empty line outside the rows.
[[nodiscard]] StandingsLine standingsLine(const PoolData& pool, int week, int row, WeekPeriods periods,
                                          PeriodKind kind, const WeekLeaders& leaders);

// ---- Side panels: one member's standing in the Wild Choices, Monday Night, Over 50% and post-season
// contests as of a week. Each is empty (std::nullopt) when the member has no record in the week.

/// Correct and wrong unique picks so far, the unique picks still to be decided and the most correct
/// unique picks of any member.
struct WildChoicesFigures {
    int wins = 0;
    int losses = 0;
    int left = 0;
    ContestStatus status;
    int most = 0;
    bool won = false; // the Wild Choices event, won this week
    bool operator==(const WildChoicesFigures&) const = default;
};
[[nodiscard]] std::optional<WildChoicesFigures> wildChoicesFigures(const PoolData& pool, int week,
                                                                   int member);

/// Monday-night games picked right and wrong up to the week (one a week) and the most right of any
/// member.
struct MondayNightFigures {
    int wins = 0;
    int losses = 0;
    ContestStatus status;
    int most = 0;
    bool won = false;
    bool operator==(const MondayNightFigures&) const = default;
};
[[nodiscard]] std::optional<MondayNightFigures> mondayNightFigures(const PoolData& pool, int week,
                                                                   int member);

/// The current run of weeks above 50%, whether the member's longest run is the week's best, and the
/// week's best run.
struct OverStreakFigures {
    int streak = 0;
    bool leads = false;
    ContestStatus status;
    int most = 0;
    bool won = false;
    bool operator==(const OverStreakFigures&) const = default;
};
[[nodiscard]] std::optional<OverStreakFigures> overStreakFigures(const PoolData& pool, int week, int member);
/// Whether the record's longest run above 50% equals the best of the week (maxOverStreak).
[[nodiscard]] bool leadsOverStreak(const PoolData& pool, int week, const WeekStanding& record);

/// The post-season points as of currentWeek, the member's Big Game pick and the two events won.
struct PostSeasonFigures {
    int32_t points = 0;
    int16_t bigGamePick = 0;
    bool wonPostSeason = false;
    bool wonBigGame = false;
    bool operator==(const PostSeasonFigures&) const = default;
};
[[nodiscard]] std::optional<PostSeasonFigures> postSeasonFigures(const PoolData& pool, int member);

/// Whether the standings show the post-season panel: only in the season's last week, and only when the
/// pool uses post-season or Big Game points.
[[nodiscard]] bool showsPostSeason(const PoolData& pool, int week);

// ---- Points ledger -----------------------------------------------------------------------------------

/// The event columns that carry points: 0 Season .. 13 Monday Night.
constexpr int LedgerEvents = 14;

/// The ledger window's name of an event column ("Season" .. "Monday Night"); empty outside 0..13.
[[nodiscard]] QString ledgerEventName(int column);

/// The event columns in the order the printed ledger lists them: Monday Night after Over 50%.
constexpr std::array<int, LedgerEvents> LedgerPrintOrder{
    EvSeason,      EvSeasonGamesBehind,  EvSemiSeason, EvSemiSeasonGamesBehind,
    EvQuarter,     EvQuarterGamesBehind, EvGoodWeek,   EvBadWeek,
    EvPerfectWeek, EvWildChoices,        EvOver50,     EvMondayNight,
    EvPostSeason,  EvChampionship};

/// One member's ledger: the balance of each event column 0..13 and the member's points total as of
/// currentWeek (0 when no week is scored).
struct LedgerLine {
    std::array<float, LedgerEvents> balance{};
    double total = 0.0;
    bool operator==(const LedgerLine&) const = default;
};
[[nodiscard]] LedgerLine ledgerLine(const PoolData& pool, int member);

/// The members on one page of the ledger window: pages of 30 over the real members; the page after the
/// last starts again at member 0. `first` > `last` for a pool without members.
struct LedgerPage {
    int first = 0;
    int last = -1;
    bool operator==(const LedgerPage&) const = default;
};
constexpr int LedgerPageSize = 30;
[[nodiscard]] LedgerPage ledgerPage(int members, int first);
[[nodiscard]] LedgerPage nextLedgerPage(int members, const LedgerPage& page);

} // namespace vek
