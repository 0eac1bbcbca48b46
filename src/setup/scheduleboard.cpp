#include "setup/scheduleboard.h"

#include "model/schedulefile.h"
#include "session/schedulechanges.h"

#include <algorithm>

namespace vek {
namespace {

constexpr int Sides = 2;

int16_t byeEntry(int team) {
    return static_cast<int16_t>(ByeFlag + team);
}

// The team an entry names: its low byte for a bye.
int entryTeam(int16_t entry) {
    return entry >= ByeFlag ? (entry & 0xFF) : entry;
}

} // namespace

bool ScheduleBoard::isBoardTeam(int team) const {
    return team >= 0 && team < std::min<int>(m_pool.numTeams, TeamLabels);
}

int ScheduleBoard::count(const Table<int16_t, TeamSlots>& counts, int team) {
    return isTeamSlot(team) ? counts[team] : 0;
}

TeamState ScheduleBoard::state(int week, int team) const {
    return isWeek(week) && isTeamSlot(team) ? m_teamState[week][team] : TeamState::Free;
}

int ScheduleBoard::slotCount() const {
    return std::clamp<int>(m_pool.gamesPerWeek, 0, SlotRows);
}

int16_t ScheduleBoard::entry(int slot, int side) const {
    if (slot < 0 || slot >= GameSlots || side < 0 || side >= Sides) {
        return m_pool.noneCode();
    }
    return m_pool.scheduleGrid[m_editWeek][slot][side];
}

void ScheduleBoard::open(bool clearSchedule) {
    m_editWeek = 0;
    m_swapCount = 0;
    if (clearSchedule) {
        clearScheduleGrid(m_pool);
        clearStates();
    } else {
        rebuildStates();
    }
    redrawWeek();
}

void ScheduleBoard::clearStates() {
    for (auto& week : m_teamState) {
        week.fill(TeamState::Free);
    }
    m_awayCount.fill(0);
    m_homeCount.fill(0);
    m_byeCount.fill(0);
    m_weekKnown.fill(true);
    m_editWeek = 0;
    m_swapCount = 0;
}

// Every team's state in every week of the season, and its season counts, from the grid.
void ScheduleBoard::rebuildStates() {
    for (auto& week : m_teamState) {
        week.fill(TeamState::Free);
    }
    for (int week = 0; week < m_pool.weekLayout().weeks(); ++week) {
        m_weekKnown[week] = true;
    }
    recountSeason();
}

void ScheduleBoard::recountSeason() {
    m_awayCount.fill(0);
    m_homeCount.fill(0);
    m_byeCount.fill(0);
    const int weeks = m_pool.weekLayout().weeks();
    for (int week = 0; week < weeks; ++week) {
        for (int slot = 0; slot < slotCount(); ++slot) {
            for (int side = 0; side < Sides; ++side) {
                const int16_t e = m_pool.scheduleGrid[week][slot][side];
                const int team = entryTeam(e);
                if (e == m_pool.noneCode() || !isBoardTeam(team)) {
                    continue;
                }
                if (e >= ByeFlag) {
                    m_teamState[week][team] = TeamState::Bye;
                    ++m_byeCount[team];
                } else {
                    m_teamState[week][team] = TeamState::Locked;
                    ++(side == 0 ? m_awayCount : m_homeCount)[team];
                }
            }
        }
    }
}

void ScheduleBoard::showWeek(int week) {
    const int last = std::max(0, m_pool.weekLayout().weeks() - 1);
    m_editWeek = std::clamp(week, 0, last);
    m_swapCount = 0;
    redrawWeek();
}

void ScheduleBoard::setNumWeeks(int weeks) {
    const int before = m_pool.weekLayout().weeks();
    const int after = std::clamp(weeks, 0, MaxWeeks);
    m_pool.numWeeks = static_cast<int16_t>(after);
    // A week lowered away a moment ago comes back as it was; what the grid holds in a week that was
    // never part of the season must not appear as games.
    for (int week = before; week < after; ++week) {
        if (!m_weekKnown[week]) {
            for (auto& slot : m_pool.scheduleGrid[week]) {
                slot[0] = m_pool.noneCode();
                slot[1] = m_pool.noneCode();
            }
            m_weekKnown[week] = true;
        }
        m_teamState[week].fill(TeamState::Free);
    }
    recountSeason();
    if (m_editWeek > std::max(0, after - 1)) {
        showWeek(after - 1);
    }
}

void ScheduleBoard::redrawWeek() {
    m_pool.openDates[m_editWeek] = countOpenDates(m_pool, m_editWeek);
    placeCursor();
}

void ScheduleBoard::placeCursor() {
    m_cursorSlot = -1;
    m_cursorBox = -1;
    for (int slot = 0; slot < slotCount(); ++slot) {
        for (int side = 0; side < Sides; ++side) {
            if (m_pool.scheduleGrid[m_editWeek][slot][side] == m_pool.noneCode()) {
                m_cursorSlot = slot;
                m_cursorBox = 2 * slot + side;
                return;
            }
        }
    }
}

ScheduleBoard::ClickOutcome ScheduleBoard::clickTeam(int team, EntryKind kind) {
    if (!isBoardTeam(team)) {
        return ClickOutcome::Ignored;
    }
    if (state(team) != TeamState::Free) {
        takeOut(team);
        placeCursor();
        return ClickOutcome::TakenOut;
    }
    if (m_cursorSlot < 0) {
        return ClickOutcome::WeekFull;
    }
    const int side = m_cursorBox % 2;
    if (kind == EntryKind::Game) {
        m_pool.scheduleGrid[m_editWeek][m_cursorSlot][side] = static_cast<int16_t>(team);
        m_teamState[m_editWeek][team] = TeamState::Locked;
        ++(side == 0 ? m_awayCount : m_homeCount)[team];
    } else {
        m_pool.scheduleGrid[m_editWeek][m_cursorSlot][side] = byeEntry(team);
        m_teamState[m_editWeek][team] = TeamState::Bye;
        ++m_byeCount[team];
    }
    placeCursor();
    return ClickOutcome::Entered;
}

void ScheduleBoard::takeOut(int team) {
    m_teamState[m_editWeek][team] = TeamState::Free;
    for (int slot = 0; slot < slotCount(); ++slot) {
        for (int side = 0; side < Sides; ++side) {
            int16_t& e = m_pool.scheduleGrid[m_editWeek][slot][side];
            if (e == m_pool.noneCode() || entryTeam(e) != team) {
                continue;
            }
            auto& counts = e >= ByeFlag ? m_byeCount : (side == 0 ? m_awayCount : m_homeCount);
            counts[team] = static_cast<int16_t>(std::max(0, counts[team] - 1));
            e = m_pool.noneCode();
            return;
        }
    }
}

ScheduleBoard::ByeOutcome ScheduleBoard::markRestAsBye() {
    ByeOutcome outcome;
    const int teams = std::min<int>(m_pool.numTeams, TeamLabels);
    for (int team = 0; team < teams; ++team) {
        if (state(team) != TeamState::Free) {
            continue;
        }
        if (m_cursorSlot < 0) {
            outcome.ranOut = true;
            break;
        }
        m_pool.scheduleGrid[m_editWeek][m_cursorSlot][m_cursorBox % 2] = byeEntry(team);
        m_teamState[m_editWeek][team] = TeamState::Bye;
        ++m_byeCount[team];
        outcome.teams.push_back(team);
        outcome.boxes.push_back(m_cursorBox);
        placeCursor();
    }
    return outcome;
}

bool ScheduleBoard::isSwapMarked(int slot) const {
    for (int i = 0; i < m_swapCount; ++i) {
        if (m_swapSlots[i] == slot) {
            return true;
        }
    }
    return false;
}

bool ScheduleBoard::toggleSwapMark(int slot) {
    if (slot < 0 || slot >= slotCount()) {
        return false;
    }
    if (isSwapMarked(slot)) {
        if (m_swapSlots[0] == slot) {
            m_swapSlots[0] = m_swapSlots[1];
        }
        --m_swapCount;
        return true;
    }
    if (m_swapCount >= 2) {
        return false;
    }
    m_swapSlots[m_swapCount] = slot;
    ++m_swapCount;
    return true;
}

bool ScheduleBoard::swapMarkedGames() {
    if (!canSwap()) {
        return false;
    }
    auto& week = m_pool.scheduleGrid[m_editWeek];
    auto& a = week[m_swapSlots[0]];
    auto& b = week[m_swapSlots[1]];
    for (int side = 0; side < Sides; ++side) {
        std::swap(a[side], b[side]);
    }
    m_swapCount = 0;
    redrawWeek();
    return true;
}

} // namespace vek
