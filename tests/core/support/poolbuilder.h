#pragma once

#include "model/pooldata.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <vector>

namespace vek {

class DataFolder;

// Readable failures for team records: every field by name.
inline void PrintTo(const TeamStanding& s, std::ostream* os) {
    *os << "{team " << s.team << ": " << s.wins << "-" << s.losses << "-" << s.ties << " home " << s.homeWins
        << "-" << s.homeLosses << "-" << s.homeTies << " road " << s.roadWins << "-" << s.roadLosses << "-"
        << s.roadTies << " inDiv " << s.inDivWins << "-" << s.inDivLosses << "-" << s.inDivTies << " outDiv "
        << s.outDivWins << "-" << s.outDivLosses << "-" << s.outDivTies << " inConf " << s.inConfWins << "-"
        << s.inConfLosses << "-" << s.inConfTies << " outConf " << s.outConfWins << "-" << s.outConfLosses
        << "-" << s.outConfTies << "}";
}

namespace test {

/// Stand-ins for the pseudo-team codes, which depend on numTeams.
constexpr int NoPick = -1; // numTeams + 1: no pick, no result, no favourite, an empty side
constexpr int Tie = -2;    // numTeams: a tie, a push, an even game

/// One team as the league file holds it.
struct TeamEntry {
    QString name;
    QString abbr;
    int icon = 0;
};

/// Sets up a pool piece by piece on a PoolData: the league, the season and its schedule, the scoring
/// rules, members with their predictions, results. Set the teams first: the pseudo-team codes (and so
/// NoPick and Tie) follow from their number. Every team argument may be NoPick or Tie.
class PoolBuilder {
public:
    explicit PoolBuilder(PoolData& pool) : m_pool(pool) {}

    // ---- League --------------------------------------------------------------------------------------
    /// Team codes 0..count-1 and nothing else, for rules that never look at names or divisions.
    PoolBuilder& teams(int count);
    /// Division sizes in the division order NFC East .. AFC West; numTeams is their sum. The teams are
    /// abbreviated "T0", "T1", ... and have no names.
    PoolBuilder& league(const std::array<int, Divisions>& sizes);
    /// A league as read from its file: every team from `team(code)`, the division ranges and the tie and
    /// none slots derived as the program derives them.
    PoolBuilder& namedLeague(const std::array<int, Divisions>& sizes,
                             const std::function<TeamEntry(int)>& team);

    // ---- Season and schedule -------------------------------------------------------------------------
    /// The season's week layout alone.
    PoolBuilder& weeks(int weeks, int gamesPerWeek);
    /// A season without results whose games are all still empty: both sides, every result and every
    /// favourite none.
    PoolBuilder& season(int weeks, int gamesPerWeek);
    /// The schedule file's head: year, week layout and byes per team.
    PoolBuilder& schedule(int year, int weeks, int gamesPerWeek, int byesPerTeam);
    PoolBuilder& openDates(int week, int count);
    PoolBuilder& game(int week, int slot, int away, int home);
    /// Two teams' byes, as the schedule file marks them in a week's slot.
    PoolBuilder& byes(int week, int slot, int first, int second);
    /// The schedule as checked complete, with the number of entries the check counted.
    PoolBuilder& verified(int entries);
    PoolBuilder& fewestWeekGames(int games);

    // ---- Scoring rules -------------------------------------------------------------------------------
    /// Half and quarter lengths with their first and last weeks derived, as the scoring rules are loaded.
    PoolBuilder& periods(std::initializer_list<int> halves, std::initializer_list<int> quarters);
    /// The scoring rules a pool gets without events.dat, with the post-season points that file would add.
    PoolBuilder& defaultEvents();

    // ---- Members and predictions ---------------------------------------------------------------------
    /// Members 0..count-1 named "Member 0", ... with every pick none.
    PoolBuilder& members(int count);
    /// Members 0..count-1 with nothing of their own, for rules that look only at the picks.
    PoolBuilder& unnamedMembers(int count);
    /// One more member after the last.
    PoolBuilder& member(const QString& name, const QString& email);
    PoolBuilder& pick(int week, int game, int member, int team);
    /// A member's picks of one week, in slot order.
    PoolBuilder& picks(int member, int week, std::initializer_list<int> teams);
    /// The member picks `team` in every game of the week.
    PoolBuilder& pickWholeWeek(int week, int member, int team);
    PoolBuilder& confidence(int week, int game, int member, int points);
    PoolBuilder& mondayNight(int week, int member, int total);
    PoolBuilder& postSeasonPick(int slot, int member, int team);
    PoolBuilder& complete(int member);
    /// The season's pairwise pick differences and unique-pick flags, counted the plain way, for pools
    /// whose elimination and Wild Choices tallies a test looks at.
    PoolBuilder& pickDifferences();

    // ---- Results -------------------------------------------------------------------------------------
    /// Every pick, result and spread winner of every slot none, the post season's too.
    PoolBuilder& undecided();
    PoolBuilder& result(int week, int game, int winner);
    PoolBuilder& score(int week, int game, int away, int home);
    PoolBuilder& spread(int week, int game, int favorite, float points);
    PoolBuilder& spreadWinner(int week, int game, int team);
    PoolBuilder& postSeasonResult(int slot, int team);
    PoolBuilder& seed(int slot, int value);
    PoolBuilder& currentWeek(int week);

    /// A team code, with the stand-ins translated.
    [[nodiscard]] int16_t code(int team) const;

private:
    PoolData& m_pool;
};

// ---- Named starting points ---------------------------------------------------------------------------

/// A zeroed data model on the heap (it is too large for the stack).
[[nodiscard]] std::unique_ptr<PoolData> newPool();

/// 32 teams "Team 1".."Team 32" ("T01".."T32"), eight divisions of four, with the tie and none slots.
void fillSampleLeague(PoolData& pool);
/// A complete schedule of the season 2024 for the 32 teams: 17 weeks of 16 slots, one bye per team.
/// Teams 2k and 2k+1 meet every week except week k (k = 0..15), when both have their bye in the week's
/// last slot (so weeks 0..15 have 15 games, week 16 has 16); they take turns at home, 8 games each.
void fillSampleSchedule(PoolData& pool);
/// Members with made-up names and addresses and complete predictions: every weekly pick, every
/// post-season pick, confidence points counting down from the week's games, a Monday-night total.
void addSampleMembers(PoolData& pool, const QStringList& names);
/// Results through `currentWeek` (each game won by one side, every fifth game a tie, the rest of the
/// season without result), scores for those games, a favourite and spread for every game (every
/// seventh game even), and the post-season results and seeds.
void fillSampleResults(PoolData& pool, int currentWeek);
/// A whole sample pool filled into a zeroed model: league, options, scoring rules, schedule, the given
/// members and results.
void fillSamplePool(PoolData& pool, const QStringList& members, int currentWeek);
[[nodiscard]] std::unique_ptr<PoolData> samplePool(const QStringList& members, int currentWeek);

/// A pool for the scoring tests: a season of `weeks` weeks of `games` games, every pick and result
/// empty, no event points, one half and one quarter over the whole season. Tests then switch on what
/// they look at.
[[nodiscard]] std::unique_ptr<PoolData> makeScoringPool(int members, int weeks, int games, int teams = 32);

/// A whole season of random picks, results, scores, confidence points, Monday-night totals and post
/// season, with every event in use and weeks of different sizes; the same seed gives the same pool.
[[nodiscard]] std::unique_ptr<PoolData> makeRandomPool(unsigned seed, int members, int weeks,
                                                       int gamesPerWeek, int16_t pointsSystem,
                                                       int16_t confidenceMode, int teams = 32);

/// The options a small pool is built with.
struct SmallPoolOptions {
    int16_t usePointSpreads = 0;
    int16_t weeklyPicks = 1;
    int32_t wildChoicePoints = 0;
    int16_t currentWeek = 1; // two weeks of results; -1 none
};

/// A small pool for start-up tests: eight teams (one per division), a verified schedule of four weeks
/// of four games without byes, three members with complete predictions and two weeks of results.
/// - Anna picks every home team, Bert too except the first game of week 0 (the away team), Cleo every
///   away team: differences Anna-Bert 1, Anna-Cleo 16, Bert-Cleo 15; unique picks Anna 1, Bert 0,
///   Cleo 15.
/// - The home teams win every game of weeks 0 and 1 but the first of week 1, where team 1 wins away:
///   team 1 leads the league at 2-0.
/// - Every home team is the favourite by 7; in game 1 of week 0 team 3 wins 14 to 10, so team 2 wins
///   against the spread.
[[nodiscard]] std::unique_ptr<PoolData> smallPool(const SmallPoolOptions& options);

/// Member names as long as real pools have them ("Margaret Fitzgerald-Smythe 1", ...).
[[nodiscard]] QStringList longMemberNames(int count);

/// The largest pool the tables hold, filled the way a real one is, for looking at windows and printouts:
/// 37 teams with long names in divisions of four to six, 19 weeks of 18 games, 121 members with long
/// names and complete picks, results through `currentWeek`, every event in use with points in the
/// hundred thousands. The same every run.
void fillLargestPool(PoolData& pool, int16_t confidenceMode = 0, int currentWeek = 9);

/// Writes every data file of the pool (and each member's two prediction files) with the program's
/// writers; fails the calling test when a write fails.
void writeAllFiles(const DataFolder& folder, const PoolData& pool);

// ---- Reading standings -------------------------------------------------------------------------------

/// The team codes of rows 0..count-1 of a standings table, in row order.
template <class Rows> std::vector<int> teamOrder(const Rows& rows, int count) {
    std::vector<int> order;
    for (int t = 0; t < count; ++t) {
        order.push_back(rows[t].team);
    }
    return order;
}

/// The team codes of rows 0..count-1 of one member's standings, in row order.
inline std::vector<int> memberTeamOrder(const PoolData& pool, int member, int count) {
    std::vector<int> order;
    for (int t = 0; t < count; ++t) {
        order.push_back(pool.memberStandings[t][member].team);
    }
    return order;
}

} // namespace test
} // namespace vek
