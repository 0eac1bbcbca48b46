#include "session/leaguechanges.h"

#include "engine/pickdifferences.h"
#include "engine/spreadwinners.h"
#include "model/filehelpers.h"
#include "model/leaguefile.h"
#include "model/schedulefile.h"
#include "session/filerewrite.h"
#include "session/poolsession.h"

#include <algorithm>
#include <memory>

namespace vek {
namespace {

constexpr int Sides = 2;

// The league tables of the alignment: names and abbreviations in division order, the division sizes,
// and the slots after the last team emptied before the tie and none slots are named again.
void buildLeague(PoolData& pool, const LeagueAlignment& alignment) {
    int code = 0;
    for (int d = 0; d < Divisions; ++d) {
        const auto& teams = alignment.divisions[d];
        for (const AlignedTeam& team : teams) {
            pool.teamName[code] = team.fullName;
            pool.teamAbbr[code] = team.abbreviation;
            ++code;
        }
        pool.divisionRec[d].teamCount = static_cast<int16_t>(teams.size());
    }
    pool.numTeams = static_cast<int16_t>(code);
    for (int slot = code; slot < TeamSlots; ++slot) {
        pool.teamName[slot].clear();
        pool.teamAbbr[slot].clear();
    }
    deriveLeagueTables(pool);
}

bool breaksLimits(const LeagueAlignment& alignment) {
    return alignment.teamCount() > MaxRealTeams ||
           std::any_of(alignment.divisions.begin(), alignment.divisions.end(),
                       [](const auto& teams) { return std::ssize(teams) > ChartRows; });
}

} // namespace

int LeagueAlignment::teamCount() const {
    int count = 0;
    for (const auto& teams : divisions) {
        count += static_cast<int>(teams.size());
    }
    return count;
}

int16_t TeamCodeMap::map(int16_t code) const {
    const int16_t flag = static_cast<int16_t>(code & UniquePickFlag);
    const int team = code & 0xFF;
    const int16_t none = static_cast<int16_t>(newTeams + 1);
    // Only a whole code or a flagged pick is a code at all; anything else is damage and stays none.
    if ((code & ~(0xFF | UniquePickFlag)) != 0 || !isTeamSlot(team)) {
        return none;
    }
    const int16_t mapped = newCode[team];
    return mapped == none ? none : static_cast<int16_t>(mapped | flag);
}

int16_t TeamCodeMap::mapEntry(int16_t entry) const {
    const int16_t none = static_cast<int16_t>(newTeams + 1);
    if (entry >= ByeFlag) {
        const int16_t team = map(static_cast<int16_t>(entry & 0xFF));
        return team < newTeams ? static_cast<int16_t>(ByeFlag + team) : none;
    }
    const int16_t mapped = map(entry);
    // A game entry is a team or empty; no schedule holds a tie.
    return mapped < newTeams ? mapped : none;
}

TeamCodeMap mapTeamCodes(const PoolData& pool, const LeagueAlignment& alignment) {
    TeamCodeMap codes;
    codes.newTeams = static_cast<int16_t>(std::clamp(alignment.teamCount(), 0, MaxRealTeams));
    const int16_t none = static_cast<int16_t>(codes.newTeams + 1);
    codes.newCode.fill(none);
    const int oldTeams = std::clamp<int>(pool.numTeams, 0, MaxRealTeams);
    Table<bool, TeamSlots> kept{};
    int16_t next = 0;
    for (const auto& teams : alignment.divisions) {
        for (const AlignedTeam& team : teams) {
            if (team.code >= 0 && team.code < oldTeams) {
                codes.newCode[team.code] = next;
                kept[team.code] = true;
            }
            ++next;
        }
    }
    codes.newCode[oldTeams] = codes.newTeams;
    codes.changesCodes = codes.newTeams != oldTeams;
    for (int code = 0; code < oldTeams; ++code) {
        if (!kept[code]) {
            codes.deletedTeams.push_back(static_cast<int16_t>(code));
        }
        if (codes.newCode[code] != code) {
            codes.changesCodes = true;
        }
    }
    return codes;
}

void applyTeamCodeMap(PoolData& pool, const TeamCodeMap& codes) {
    for (auto& week : pool.scheduleGrid) {
        for (auto& slot : week) {
            for (int side = 0; side < Sides; ++side) {
                slot[side] = codes.mapEntry(slot[side]);
            }
        }
    }
    for (int week = 0; week < WeekSlots; ++week) {
        for (int game = 0; game < GameSlots; ++game) {
            for (int16_t& pick : pool.memberPicks[week][game]) {
                pick = codes.map(pick);
            }
            pool.gameWinner[week][game] = codes.map(pool.gameWinner[week][game]);
            pool.favoriteTeam[week][game] = codes.map(pool.favoriteTeam[week][game]);
            pool.spreadWinner[week][game] = codes.map(pool.spreadWinner[week][game]);
        }
    }
    for (auto& slot : pool.postSeasonPicks) {
        for (int16_t& pick : slot) {
            pick = codes.map(pick);
        }
    }
    for (int16_t& result : pool.postSeasonResults) {
        result = codes.map(result);
    }
}

bool deletedTeamsInUse(const PoolData& pool, const TeamCodeMap& codes, const WeekLayout& layout) {
    Table<bool, TeamSlots> deleted{};
    for (int16_t code : codes.deletedTeams) {
        deleted[code] = true;
    }
    const auto isDeleted = [&](int code) { return isTeamSlot(code) && deleted[code]; };
    bool found = false;
    const WeekLayout schedule = pool.weekLayout();
    for (int week = 0; week < schedule.weeks(); ++week) {
        for (int slot = 0; slot < std::clamp<int>(pool.gamesPerWeek, 0, GameSlots); ++slot) {
            for (int side = 0; side < Sides; ++side) {
                const int16_t e = pool.scheduleGrid[week][slot][side];
                found = found || isDeleted(e >= ByeFlag ? (e & 0xFF) : e);
            }
        }
    }
    forEachGame(layout, [&](int week, int game) {
        found = found || isDeleted(pool.gameWinner[week][game]) || isDeleted(pool.favoriteTeam[week][game]);
        for (int member = 0; member < pool.memberCount(); ++member) {
            found = found || isDeleted(pickCode(pool.memberPicks[week][game][member]));
        }
    });
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        found = found || isDeleted(pool.postSeasonResults[slot]);
        for (int member = 0; member < pool.memberCount(); ++member) {
            found = found || isDeleted(pool.postSeasonPicks[slot][member]);
        }
    }
    return found;
}

WriteResult SaveLeagueAlignment(PoolSession& session, const LeagueAlignment& alignment) {
    const DataFolder& folder = session.folder();
    if (breaksLimits(alignment)) {
        return WriteResult::failure(
            LeagueFileName, QStringLiteral("a division holds at most %1 teams and the league at most %2")
                                .arg(ChartRows)
                                .arg(MaxRealTeams));
    }
    PoolData& pool = session.pool();
    const TeamCodeMap codes = mapTeamCodes(pool, alignment);
    // Everything is written from the league as it will be; the shared tables follow only when it all is
    // on disk.
    auto next = std::make_unique<PoolData>(pool);
    buildLeague(*next, alignment);
    WeekLayout layout = session.fileLayout();
    FileRewrite rewrite(folder);
    if (codes.changesCodes) {
        applyTeamCodeMap(*next, codes);
        const bool scheduleOnFile = folder.exists(ScheduleFileName);
        if (!scheduleOnFile && next->numTeams != pool.numTeams) {
            // Without a schedule file the next start sizes the season from the number of teams; the
            // season in memory (and the schedule editor's slots) must be that one already.
            clearOutsideLayout(*next, layout);
            applyScheduleDefaults(*next, next->seasonYear);
            layout = next->weekLayout();
        }
        // A deleted team leaves games with an empty side, an added one has no games: a schedule that the
        // next start would find incomplete is not verified now either.
        const ScheduleCount count = countSchedule(*next);
        if (!isCompleteSchedule(*next, count)) {
            next->scheduleVerified = 0;
        }
        storeInt16(next->scheduleEntries, count.entries);
        addGameFiles(rewrite, folder, *next, layout);
        if (scheduleOnFile) {
            rewrite.add(ScheduleFileName, [&] { return writeSchedule(folder, *next); });
        }
    }
    rewrite.add(LeagueFileName, [&] { return writeLeague(folder, *next); });
    const WriteResult result = rewrite.run();
    if (result) {
        const bool verificationLost = isTrue(pool.scheduleVerified) && !isTrue(next->scheduleVerified);
        pool = *next;
        session.setFileLayout(layout);
        session.teamsRecalculated = false;
        if (codes.changesCodes) {
            // Emptied picks of a deleted team change who agrees with whom, and the spread winners are
            // codes too.
            CalcPickDifferences(pool);
            if (isTrue(pool.usePointSpreads)) {
                CalcSpreadWinners(pool);
            }
        }
        if (verificationLost) {
            session.refreshMainButtons();
        }
    }
    return result;
}

} // namespace vek
