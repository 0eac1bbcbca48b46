#pragma once

#include "model/datawriter.h"
#include "model/pooldata.h"

#include <QString>

#include <array>
#include <vector>

namespace vek {

class PoolSession;

/// One team of a league being rebuilt: its texts and the code it has in the shared tables now
/// (NewTeam for a team added since).
struct AlignedTeam {
    static constexpr int16_t NewTeam = -1;
    QString fullName;
    QString abbreviation;
    int16_t code = NewTeam;

    bool operator==(const AlignedTeam&) const = default;
};

/// A league as the league editor hands it over: the teams of the eight divisions, each in its order.
/// A team's new code is its place in division order.
struct LeagueAlignment {
    Table<std::vector<AlignedTeam>, Divisions> divisions;

    [[nodiscard]] int teamCount() const;
};

/// Where every stored code goes when a league is rebuilt: a team that stays keeps its entries under its
/// new code, a deleted team's entries become none, the tie and none codes move to the new league's.
struct TeamCodeMap {
    Table<int16_t, TeamSlots> newCode{};
    int16_t newTeams = 0;
    bool changesCodes = false; // some stored code means something else afterwards
    std::vector<int16_t> deletedTeams;

    /// The new value of a stored team code (a pick keeps its unique-pick flag); a value outside the old
    /// league's codes becomes none.
    [[nodiscard]] int16_t map(int16_t code) const;
    /// The new value of a schedule entry (a team, none, or a team's bye).
    [[nodiscard]] int16_t mapEntry(int16_t entry) const;
};

[[nodiscard]] TeamCodeMap mapTeamCodes(const PoolData& pool, const LeagueAlignment& alignment);

/// Puts every stored code of the pool through the map: the schedule, every pick and post-season pick,
/// every result, favourite and spread winner and the post-season results.
void applyTeamCodeMap(PoolData& pool, const TeamCodeMap& codes);

/// Whether a team the map deletes appears in the saved schedule, picks, results or favourites (within
/// the week layout of the per-game files).
[[nodiscard]] bool deletedTeamsInUse(const PoolData& pool, const TeamCodeMap& codes,
                                     const WeekLayout& layout);

inline const QString DeletedTeamsQuestion =
    QStringLiteral("The deleted teams appear in the schedule, predictions or results; their entries will be "
                   "emptied. Continue?");

/// The league editor's OK: the league rebuilt from the alignment (names, division sizes, the tie and
/// none slots), every stored code carried to its team's new code, and the files rewritten: the per-game
/// files and schedule.dat when codes change (all or nothing), vek.dat last. Without schedule.dat a new
/// number of teams also gives the season start-up's defaults for the new league (its slots per week).
/// A schedule that start-up would no longer find complete (a deleted team's games emptied, a new team
/// without games) is no longer verified. The shared tables change only after every write succeeded; the
/// team tallies are then marked stale, and the main window's buttons follow a lost verification.
/// An alignment beyond the limits of the tables is refused without a change.
[[nodiscard]] WriteResult SaveLeagueAlignment(PoolSession& session, const LeagueAlignment& alignment);

} // namespace vek
