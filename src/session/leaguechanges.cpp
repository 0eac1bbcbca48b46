#include "session/leaguechanges.h"

#include <algorithm>

namespace vek {

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
    const int16_t mapped = newCode[static_cast<std::size_t>(team)];
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
    std::vector<bool> kept(static_cast<std::size_t>(oldTeams), false);
    int16_t next = 0;
    for (const auto& teams : alignment.divisions) {
        for (const AlignedTeam& team : teams) {
            if (team.code >= 0 && team.code < oldTeams) {
                codes.newCode[static_cast<std::size_t>(team.code)] = next;
                kept[static_cast<std::size_t>(team.code)] = true;
            }
            ++next;
        }
    }
    codes.newCode[static_cast<std::size_t>(oldTeams)] = codes.newTeams;
    codes.changesCodes = codes.newTeams != oldTeams;
    for (int code = 0; code < oldTeams; ++code) {
        if (!kept[static_cast<std::size_t>(code)]) {
            codes.deletedTeams.push_back(static_cast<int16_t>(code));
        }
        if (codes.newCode[static_cast<std::size_t>(code)] != code) {
            codes.changesCodes = true;
        }
    }
    return codes;
}

} // namespace vek
