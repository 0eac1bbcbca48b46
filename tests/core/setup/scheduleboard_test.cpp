// The schedule editor's board without widgets: entering games and byes team by team, taking teams out,
// "Mark rest as bye", marking and swapping games, the week and season spinners, and the opening.
#include "setup/scheduleboard.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using test::PoolBuilder;

constexpr std::array<int, Divisions> ThirtyTwo{4, 4, 4, 4, 4, 4, 4, 4};
constexpr std::array<int, Divisions> ThirtySeven{5, 5, 5, 5, 5, 4, 4, 4};

class ScheduleBoardTest : public ::testing::Test {
protected:
    void build(const std::array<int, Divisions>& league, int weeks, int slotCount) {
        PoolBuilder(*pool).league(league).season(weeks, slotCount);
        board.open(false);
    }
    int16_t grid(int week, int slot, int side) const { return pool->scheduleGrid[week][slot][side]; }
    int16_t none() const { return pool->noneCode(); }
    void enter(std::initializer_list<int> teams, EntryKind kind = EntryKind::Game) {
        for (int team : teams) {
            ASSERT_EQ(board.clickTeam(team, kind), ScheduleBoard::ClickOutcome::Entered) << team;
        }
    }

    std::unique_ptr<PoolData> pool = test::newPool();
    ScheduleBoard board{*pool};
};

TEST_F(ScheduleBoardTest, PicksFormGamesAndRestBecomeByesTwoPerSlot) {
    build(ThirtyTwo, 17, 16);
    EXPECT_EQ(board.cursorBox(), 0);
    for (int team = 0; team < 16; ++team) {
        enter({team});
    }
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_EQ(grid(0, slot, 0), 2 * slot);
        EXPECT_EQ(grid(0, slot, 1), 2 * slot + 1);
    }
    EXPECT_EQ(board.awayCount(0), 1);
    EXPECT_EQ(board.homeCount(1), 1);
    EXPECT_EQ(board.state(3), TeamState::Locked);
    EXPECT_EQ(board.cursorSlot(), 8);

    const ScheduleBoard::ByeOutcome byes = board.markRestAsBye();
    EXPECT_FALSE(byes.ranOut);
    ASSERT_EQ(byes.teams.size(), 16U);
    EXPECT_EQ(byes.teams.front(), 16);
    for (int slot = 8; slot < 16; ++slot) {
        EXPECT_EQ(grid(0, slot, 0), ByeFlag + 2 * slot);
        EXPECT_EQ(grid(0, slot, 1), ByeFlag + 2 * slot + 1);
    }
    EXPECT_EQ(board.byeCount(31), 1);
    EXPECT_EQ(board.state(31), TeamState::Bye);
    EXPECT_EQ(board.cursorSlot(), -1);
    // The open dates follow the grid at the next redraw only.
    EXPECT_EQ(pool->openDates[0], 0);
    board.redrawWeek();
    EXPECT_EQ(pool->openDates[0], 8);
}

TEST_F(ScheduleBoardTest, TakingATeamOutFreesItAndTheCursorGoesToTheFirstGap) {
    build(ThirtyTwo, 17, 16);
    enter({0, 1, 2, 3});
    enter({4}, EntryKind::Bye);
    EXPECT_EQ(grid(0, 2, 0), ByeFlag + 4);
    EXPECT_EQ(board.cursorBox(), 5);

    EXPECT_EQ(board.clickTeam(1, EntryKind::Game), ScheduleBoard::ClickOutcome::TakenOut);
    EXPECT_EQ(grid(0, 0, 1), none());
    EXPECT_EQ(board.state(1), TeamState::Free);
    EXPECT_EQ(board.homeCount(1), 0);
    EXPECT_EQ(board.cursorBox(), 1); // earlier than the position the removed team left

    EXPECT_EQ(board.clickTeam(4, EntryKind::Game), ScheduleBoard::ClickOutcome::TakenOut);
    EXPECT_EQ(board.byeCount(4), 0);
    EXPECT_EQ(grid(0, 2, 0), none());
    // Whatever the entry mode, a taken team is only taken out.
    enter({1});
    EXPECT_EQ(grid(0, 0, 1), 1);
}

TEST_F(ScheduleBoardTest, AFullWeekChangesNothing) {
    build(ThirtyTwo, 2, 2);
    enter({0, 1, 2, 3});
    EXPECT_EQ(board.cursorSlot(), -1);
    EXPECT_EQ(board.clickTeam(5, EntryKind::Game), ScheduleBoard::ClickOutcome::WeekFull);
    EXPECT_EQ(board.clickTeam(5, EntryKind::Bye), ScheduleBoard::ClickOutcome::WeekFull);
    EXPECT_EQ(board.state(5), TeamState::Free);
    EXPECT_EQ(board.byeCount(5), 0);

    const ScheduleBoard::ByeOutcome byes = board.markRestAsBye();
    EXPECT_TRUE(byes.teams.empty());
    EXPECT_TRUE(byes.ranOut);
    EXPECT_EQ(board.clickTeam(32, EntryKind::Game), ScheduleBoard::ClickOutcome::Ignored); // the tie slot

    // Byes fill what positions there are, then stop.
    board.clickTeam(3, EntryKind::Game);
    const ScheduleBoard::ByeOutcome some = board.markRestAsBye();
    EXPECT_EQ(some.teams, std::vector<int>{3});
    EXPECT_TRUE(some.ranOut);
}

TEST_F(ScheduleBoardTest, SwapExchangesWholeGamesAndKeepsTheCounts) {
    build(ThirtyTwo, 17, 16);
    enter({0, 1, 2, 3, 4, 5});
    EXPECT_TRUE(board.toggleSwapMark(0));
    EXPECT_FALSE(board.canSwap());
    EXPECT_TRUE(board.toggleSwapMark(2));
    EXPECT_FALSE(board.toggleSwapMark(1)); // a third mark is refused
    EXPECT_TRUE(board.canSwap());
    // Unmarking the first keeps the second as the first mark.
    EXPECT_TRUE(board.toggleSwapMark(0));
    EXPECT_TRUE(board.isSwapMarked(2));
    EXPECT_FALSE(board.isSwapMarked(0));
    EXPECT_TRUE(board.toggleSwapMark(1));

    EXPECT_TRUE(board.swapMarkedGames());
    EXPECT_EQ(grid(0, 2, 0), 2);
    EXPECT_EQ(grid(0, 2, 1), 3);
    EXPECT_EQ(grid(0, 1, 0), 4);
    EXPECT_EQ(grid(0, 1, 1), 5);
    EXPECT_EQ(board.awayCount(4), 1);
    EXPECT_EQ(board.homeCount(5), 1);
    EXPECT_EQ(board.swapCount(), 0);
    EXPECT_FALSE(board.swapMarkedGames());
}

TEST_F(ScheduleBoardTest, WeekSpinnerShowsTheWeekAndDropsSwapMarks) {
    build(ThirtyTwo, 17, 16);
    PoolBuilder(*pool).game(3, 0, 6, 7);
    pool->scheduleGrid[3][15][0] = ByeFlag + 8;
    board.open(false);
    board.toggleSwapMark(0);
    board.showWeek(3);
    EXPECT_EQ(board.editWeek(), 3);
    EXPECT_EQ(board.swapCount(), 0);
    EXPECT_EQ(board.state(6), TeamState::Locked);
    EXPECT_EQ(board.state(8), TeamState::Bye);
    EXPECT_EQ(board.state(0, 6), TeamState::Free);
    EXPECT_EQ(pool->openDates[3], 1);
    EXPECT_EQ(board.cursorBox(), 2);
    board.showWeek(40);
    EXPECT_EQ(board.editWeek(), 16);
}

TEST_F(ScheduleBoardTest, WeeksBroughtInStartEmptyAndDroppedWeeksKeepTheirEntries) {
    build(ThirtyTwo, 17, 16);
    // A zeroed grid would read as team 0 playing itself.
    for (auto& slot : pool->scheduleGrid[17]) {
        slot = {0, 0, 0};
    }
    PoolBuilder(*pool).game(16, 0, 1, 2);
    board.setNumWeeks(16);
    EXPECT_EQ(pool->numWeeks, 16);
    EXPECT_EQ(grid(16, 0, 0), 1); // lowering deletes nothing
    EXPECT_EQ(board.awayCount(1), 0);

    // The week lowered away comes back as it was loaded; the weeks never loaded come in empty.
    board.setNumWeeks(19);
    EXPECT_EQ(pool->numWeeks, 19);
    EXPECT_EQ(grid(16, 0, 0), 1);
    EXPECT_EQ(board.awayCount(1), 1);
    EXPECT_EQ(board.state(16, 2), TeamState::Locked);
    for (int week : {17, 18}) {
        for (int slot = 0; slot < GameSlots; ++slot) {
            EXPECT_EQ(grid(week, slot, 0), none()) << week << " " << slot;
            EXPECT_EQ(grid(week, slot, 1), none()) << week << " " << slot;
        }
    }
    // Built in, lowered away and brought back, a week keeps what was built.
    board.showWeek(18);
    enter({5, 6});
    board.setNumWeeks(17);
    board.setNumWeeks(19);
    EXPECT_EQ(grid(18, 0, 1), 6);
    board.setNumWeeks(25);
    EXPECT_EQ(pool->numWeeks, 19);
    board.showWeek(18);
    board.setNumWeeks(4);
    EXPECT_EQ(board.editWeek(), 3);
}

TEST_F(ScheduleBoardTest, OpeningRebuildsOrClearsEverything) {
    build(ThirtyTwo, 17, 16);
    PoolBuilder(*pool).game(0, 0, 0, 1).game(1, 0, 1, 0);
    pool->scheduleGrid[2][15][1] = ByeFlag + 1;
    pool->scheduleGrid[18][18][1] = 5; // outside the season
    board.open(false);
    EXPECT_EQ(board.awayCount(1), 1);
    EXPECT_EQ(board.homeCount(1), 1);
    EXPECT_EQ(board.byeCount(1), 1);
    EXPECT_EQ(board.state(2, 1), TeamState::Bye);
    EXPECT_EQ(board.awayCount(5), 0);

    board.showWeek(2);
    board.open(true);
    EXPECT_EQ(board.editWeek(), 0);
    EXPECT_EQ(board.awayCount(1), 0);
    EXPECT_EQ(board.byeCount(1), 0);
    EXPECT_EQ(board.state(2, 1), TeamState::Free);
    EXPECT_EQ(grid(18, 18, 1), none());
    EXPECT_EQ(grid(0, 0, 0), none());
}

TEST_F(ScheduleBoardTest, TheLargestLeagueFillsEveryLabelAndSlot) {
    build(ThirtySeven, 19, 19);
    for (int team = 0; team < 36; ++team) {
        enter({team});
    }
    enter({36}, EntryKind::Bye);
    EXPECT_EQ(grid(0, 17, 1), 35);
    EXPECT_EQ(grid(0, 18, 0), ByeFlag + 36);
    EXPECT_EQ(board.cursorBox(), 37);
    board.redrawWeek();
    EXPECT_EQ(pool->openDates[0], 1);
}

} // namespace
} // namespace vek
