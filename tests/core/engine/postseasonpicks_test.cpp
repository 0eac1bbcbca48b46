// The one rule by which a post-season pick counts as right.
#include "engine/postseasonpicks.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(PostSeasonPicks, RightPicksByTheResultsOfTheirSlots) {
    auto pool = test::makeScoringPool(1, 1, 1);
    PoolData& p = *pool;
    const int16_t none = p.noneCode();
    // Only the NFC West winner (team 7), an AFC wild card (team 20) and the Big Game (team 3) are in.
    p.postSeasonResults[3] = 7;
    p.postSeasonResults[10] = 20;
    p.postSeasonResults[BigGameSlot] = 3;

    struct Case {
        int slot;
        int16_t pick;
        bool right;
    };
    const Case cases[] = {
        {3, 7, true},               // the division winner in its own slot
        {8, 7, true},               // a division winner picked as a wild card
        {0, 20, true},              // a wild card picked as a division winner
        {11, 20, true},             // the other wild-card slot of the same conference
        {1, 3, false},              // the Big Game winner is no division result
        {BigGameSlot, 3, true},     // the Big Game against its own result
        {BigGameSlot, 7, false},    // a division winner is not the Big Game winner
        {2, none, false},           // no pick, while slot 2's result is still empty
        {BigGameSlot, none, false}, // no pick
        {5, p.tieCode(), false},    // the tie code is no team
        {5, -4, false},             // a damaged pick
        {5, 40, false},             // a code past the team slots
        {-1, 7, false},             // no such slot
        {13, 7, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isRightPostSeasonPick(p, c.slot, c.pick), c.right)
            << "slot " << c.slot << " pick " << c.pick;
    }

    // Before the Big Game is played, nobody's pick of it is right, a missing one included.
    p.postSeasonResults[BigGameSlot] = none;
    EXPECT_FALSE(isRightPostSeasonPick(p, BigGameSlot, none));
    EXPECT_FALSE(isRightPostSeasonPick(p, BigGameSlot, 3));
}

} // namespace
} // namespace vek
