#pragma once

#include "model/pooldata.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vek {

/// A team's place in one week of the schedule being built.
enum class TeamState : int16_t {
    Free = 0,   // no entry in that week
    Locked = 1, // placed in a game of that week
    Bye = 2,    // has its bye in that week
};

/// What a click on a free team enters: a game side or a bye.
enum class EntryKind { Game, Bye };

/// The rules of the schedule editor's board, without widgets: which teams are free, locked or on a bye
/// in each week, every team's season counts, the entry cursor of the shown week, the games marked for a
/// swap. Every action changes the shared schedule grid at once, as the editor does; the board keeps
/// only what the editor window keeps between its openings. The schedule editor owns it.
class ScheduleBoard {
public:
    static constexpr int TeamLabels = MaxRealTeams; // one label per team the tables can hold
    static constexpr int SlotRows = GameSlots;      // every game slot of a week
    static constexpr int MaxWeeks = WeekSlots;      // the number of weeks runs 0..19

    explicit ScheduleBoard(PoolData& pool) : m_pool(pool) {}

    /// The editor's opening: week 1 shown, and either the team states and counts rebuilt from the
    /// schedule or, after a new season, the whole grid, every state and every count cleared.
    void open(bool clearSchedule);
    /// A new season started: every state and count cleared, week 1 shown.
    void clearStates();
    /// The team states and season counts taken from the schedule again (after a verification).
    void rebuildStates();

    [[nodiscard]] int editWeek() const { return m_editWeek; }
    /// Shows another week (kept within the season): its open dates and cursor are worked out again, and
    /// the marks for a swap, which belong to the week they were made in, are dropped.
    void showWeek(int week);
    /// The number of weeks, 0..19. A week lowered away keeps its entries and has them again when it comes
    /// back; a week never loaded or cleared comes in empty, whatever the grid held there.
    void setNumWeeks(int weeks);

    [[nodiscard]] TeamState state(int team) const { return state(m_editWeek, team); }
    [[nodiscard]] TeamState state(int week, int team) const;
    [[nodiscard]] int awayCount(int team) const { return count(m_awayCount, team); }
    [[nodiscard]] int homeCount(int team) const { return count(m_homeCount, team); }
    [[nodiscard]] int byeCount(int team) const { return count(m_byeCount, team); }

    /// The entry cursor: the first empty position of the shown week (away before home); -1 when the week
    /// has none. cursorBox = 2 x slot + side.
    [[nodiscard]] int cursorSlot() const { return m_cursorSlot; }
    [[nodiscard]] int cursorBox() const { return m_cursorBox; }

    /// The shown week's entry at a position: a team code, the none code, or ByeFlag + team code.
    [[nodiscard]] int16_t entry(int slot, int side) const;
    /// The game slots of a week that the board shows (gamesPerWeek within the tables).
    [[nodiscard]] int slotCount() const;

    enum class ClickOutcome {
        Entered,  // a free team took the cursor's position
        TakenOut, // a locked or bye team went back to free
        WeekFull, // a free team, but the week has no empty position: nothing changed
        Ignored,  // not a team of the league
    };
    /// A click on a team label of the shown week.
    ClickOutcome clickTeam(int team, EntryKind kind);

    struct ByeOutcome {
        std::vector<int> teams; // the teams given their bye, in order
        std::vector<int> boxes; // the positions they took (2 x slot + side)
        bool ranOut = false;    // free teams were left over: the week had no empty position for them
    };
    /// Gives every free team of the shown week its bye, in team-code order, at the positions after the
    /// entries made so far.
    ByeOutcome markRestAsBye();

    /// Marks or unmarks a slot's game for a swap; a third mark is refused. Returns whether it changed.
    bool toggleSwapMark(int slot);
    [[nodiscard]] int swapCount() const { return m_swapCount; }
    [[nodiscard]] bool isSwapMarked(int slot) const;
    [[nodiscard]] bool canSwap() const { return m_swapCount == 2; }
    /// Exchanges the two marked games of the shown week (both sides) and redraws it; the marks are dropped.
    bool swapMarkedGames();
    void clearSwapMarks() { m_swapCount = 0; }

    /// The redraw of the shown week: its open dates are counted again from the grid and the cursor placed.
    void redrawWeek();

private:
    [[nodiscard]] bool isBoardTeam(int team) const;
    [[nodiscard]] static int count(const Table<int16_t, TeamSlots>& counts, int team);
    void recountSeason();
    void placeCursor();
    void takeOut(int team);

    PoolData& m_pool;
    int m_editWeek = 0;
    Table2<TeamState, WeekSlots, TeamSlots> m_teamState{};
    Table<bool, WeekSlots> m_weekKnown{}; // loaded, cleared or built: its entries are the season's
    Table<int16_t, TeamSlots> m_awayCount{};
    Table<int16_t, TeamSlots> m_homeCount{};
    Table<int16_t, TeamSlots> m_byeCount{};
    int m_cursorSlot = -1;
    int m_cursorBox = -1;
    Table<int, 2> m_swapSlots{};
    int m_swapCount = 0;
};

} // namespace vek
