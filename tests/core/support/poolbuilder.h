#pragma once

#include "model/pooldata.h"

#include <array>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <vector>

namespace vek {

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

/// The shared data model on the heap, zeroed as at start-up.
inline std::unique_ptr<PoolData> makePool() {
    return std::make_unique<PoolData>();
}

/// Sets up a league, a schedule, members, picks and results on a PoolData for engine tests. Call
/// league() first: the pseudo-team codes follow from the number of teams.
class PoolBuilder {
public:
    explicit PoolBuilder(PoolData& pool) : m_pool(pool) {}

    /// Division sizes in the division order NFC East .. AFC West; numTeams is their sum.
    PoolBuilder& league(const std::array<int, Divisions>& sizes) {
        int first = 0;
        for (std::size_t d = 0; d < sizes.size(); ++d) {
            m_pool.divisionRec[d] = {static_cast<int16_t>(first), static_cast<int16_t>(sizes[d]),
                                     static_cast<int16_t>(first + sizes[d] - 1)};
            first += sizes[d];
        }
        m_pool.numTeams = static_cast<int16_t>(first);
        for (int t = 0; t < first; ++t) {
            m_pool.teamAbbr[static_cast<std::size_t>(t)] = QStringLiteral("T%1").arg(t);
        }
        m_pool.teamAbbr[static_cast<std::size_t>(first)] = QStringLiteral("TIE-");
        return *this;
    }

    /// A season whose games are all still empty: both sides, every result and every favourite none.
    PoolBuilder& season(int weeks, int gamesPerWeek) {
        m_pool.numWeeks = static_cast<int16_t>(weeks);
        m_pool.gamesPerWeek = static_cast<int16_t>(gamesPerWeek);
        m_pool.currentWeek = -1;
        for (std::size_t w = 0; w < WeekSlots; ++w) {
            for (std::size_t g = 0; g < GameSlots; ++g) {
                m_pool.scheduleGrid[w][g][0] = m_pool.noneCode();
                m_pool.scheduleGrid[w][g][1] = m_pool.noneCode();
                m_pool.gameWinner[w][g] = m_pool.noneCode();
                m_pool.favoriteTeam[w][g] = m_pool.noneCode();
            }
        }
        return *this;
    }

    PoolBuilder& openDates(int week, int count) {
        m_pool.openDates[static_cast<std::size_t>(week)] = static_cast<int16_t>(count);
        return *this;
    }

    PoolBuilder& game(int week, int slot, int away, int home) {
        auto& entry = m_pool.scheduleGrid[static_cast<std::size_t>(week)][static_cast<std::size_t>(slot)];
        entry[0] = code(away);
        entry[1] = code(home);
        return *this;
    }

    /// Members 0..count-1 with every pick none.
    PoolBuilder& members(int count) {
        m_pool.numMembers = static_cast<int16_t>(count);
        for (int m = 0; m < count; ++m) {
            m_pool.memberName[static_cast<std::size_t>(m)] = QStringLiteral("Member %1").arg(m);
            for (auto& week : m_pool.memberPicks) {
                for (auto& game : week) {
                    game[static_cast<std::size_t>(m)] = m_pool.noneCode();
                }
            }
        }
        return *this;
    }

    PoolBuilder& pick(int week, int game, int member, int team) {
        m_pool.memberPicks[static_cast<std::size_t>(week)][static_cast<std::size_t>(game)]
                          [static_cast<std::size_t>(member)] = code(team);
        return *this;
    }

    /// A member's picks of one week, in slot order.
    PoolBuilder& picks(int member, int week, std::initializer_list<int> teams) {
        int g = 0;
        for (int team : teams) {
            pick(week, g++, member, team);
        }
        return *this;
    }

    PoolBuilder& result(int week, int game, int winner) {
        m_pool.gameWinner[static_cast<std::size_t>(week)][static_cast<std::size_t>(game)] = code(winner);
        return *this;
    }

    PoolBuilder& score(int week, int game, int away, int home) {
        auto& s = m_pool.gameScore[static_cast<std::size_t>(week)][static_cast<std::size_t>(game)];
        s[0] = static_cast<int16_t>(away);
        s[1] = static_cast<int16_t>(home);
        return *this;
    }

    PoolBuilder& spread(int week, int game, int favorite, float points) {
        m_pool.favoriteTeam[static_cast<std::size_t>(week)][static_cast<std::size_t>(game)] = code(favorite);
        m_pool.pointSpread[static_cast<std::size_t>(week)][static_cast<std::size_t>(game)] = points;
        return *this;
    }

    PoolBuilder& currentWeek(int week) {
        m_pool.currentWeek = static_cast<int16_t>(week);
        return *this;
    }

    /// A team code, with the stand-ins translated.
    [[nodiscard]] int16_t code(int team) const {
        if (team == NoPick) {
            return m_pool.noneCode();
        }
        if (team == Tie) {
            return m_pool.tieCode();
        }
        return static_cast<int16_t>(team);
    }

private:
    PoolData& m_pool;
};

/// The team codes of rows 0..count-1 of a standings table, in row order.
template <class Rows> std::vector<int> teamOrder(const Rows& rows, int count) {
    std::vector<int> order;
    for (int t = 0; t < count; ++t) {
        order.push_back(rows[static_cast<std::size_t>(t)].team);
    }
    return order;
}

/// The team codes of rows 0..count-1 of one member's standings, in row order.
inline std::vector<int> memberTeamOrder(const PoolData& pool, int member, int count) {
    std::vector<int> order;
    for (int t = 0; t < count; ++t) {
        order.push_back(
            pool.memberStandings[static_cast<std::size_t>(t)][static_cast<std::size_t>(member)].team);
    }
    return order;
}

} // namespace test
} // namespace vek
